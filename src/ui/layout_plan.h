#pragma once

// The layout pass of the skinned window as a pure plan: it reads one layout table and says, per
// control objectName, what the table sets (position, size, visibility, font, colours). The
// widget code applies the plan; keeping the arithmetic here lets it be tested without a screen.
// A missing or non-numeric key makes the whole plan an error naming the key, so a broken table
// is refused instead of leaving the window half laid out.

#include "common/result.h"
#include "ui/settings_text.h"

#include <map>
#include <optional>
#include <string>

namespace orln7a {

struct Rgb {
    int r = 0, g = 0, b = 0;
    // The platform colour value of the three channels.
    int Packed() const { return r + 256 * g + 65536 * b; }
    bool operator==(const Rgb&) const = default;
};

struct PixelSize {
    int width = 0, height = 0;
};

struct ControlPlan {
    std::optional<int> x, y, width, height;
    std::optional<bool> visible;
    std::optional<int> fontSize;
    std::optional<Rgb> textColour, background, border;
    std::optional<int> rangeMax; // sliders: upper end of the range, lower end is 0
};

// Values of the table that other parts of the window use later (restoring, highlighting).
struct LayoutColours {
    Rgb menuText, menuBack, menuHoverText, menuHoverBack;
    Rgb macro, macroListBack;
    Rgb dpiSelected, dpiNotSelected;
    Rgb macroText, macroButtonText, macroButtonBack;
    int menuFontSize = 0;
    int mainMenuWidth = 0, specialMenuWidth = 0, subMenuWidth = 0; // entries are 4 narrower
    int btnSpaceF = 0, btnSpaceB = 0;
    int macroNameHeight = 0;
    int macroButtonPanelWidth = 0; // its text buttons are 2 narrower
};

struct LayoutInputs {
    bool numOrderDescending = false; // OEM Num_Order = 1
    bool gdEnable = false;           // OEM GD_Enable = 1
    bool gamingProfile = false;      // the gaming profile (page button B2) is selected
    int dpiCount = 1;                // OEM DPI_Count
    // Pixel sizes of the skin images by resource name ("BtnS_01", "SetS_01", "Col_F", ...).
    std::map<std::string, PixelSize> imageSizes;
};

struct LayoutPlan {
    std::map<std::string, ControlPlan> controls;
    LayoutColours colours;
    bool comboKey3Enabled = false; // re-evaluated on every profile switch
    // Marco_Stop_Over_Lable_Wrap: the release-stop caption wraps at its "-" (the key names
    // cross over); Marco_Stop_Release_Lable_Wrap: the release-continue caption does.
    bool wrapReleaseStop = false;
    bool wrapReleaseContinue = false;
};

// The image sizes the plan needs, as the built-in artwork has them.
LayoutInputs DefaultLayoutInputs();

Result<LayoutPlan> PlanDisplaySet(const SettingsSection& table, const LayoutInputs& inputs);

} // namespace orln7a
