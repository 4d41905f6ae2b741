#pragma once

// The controls of each page, created in their designed places under their exact names. The
// layout pass of the display set then moves and styles them; the page controllers give them
// their behaviour.

#include <array>
#include <string>

class QWidget;

namespace orln7a {

class SkinControls;

// The seven assignment menus of page 1, as panels that float over it.
inline constexpr std::array<const char*, 7> kMenuPanels = {
    "Pnl_Main", "Pnl_Special", "Pnl_CPIKey", "Pnl_MseKey", "Pnl_Media", "Pnl_MyPC", "Pnl_WWW"};

// One copy of the window chrome (action, page and language buttons, close, minimise, web link)
// on page n = 1..4, with the suffix _n.
void BuildWindowChrome(SkinControls& controls, QWidget* page, int n);
// Page 1: the nine button labels, the hints and the assignment menus.
void BuildAssignmentPage(SkinControls& controls, QWidget* page);
// Places the special-function entries the brand lists (`Special_Config`), in its order.
void ApplySpecialKeyList(SkinControls& controls, const std::string& specialConfig);
// Page 2: rapid fire, the system's mouse settings, the DPI levels.
void BuildSettingsPage(SkinControls& controls, QWidget* page);
// Page 3: the lighting.
void BuildLightingPage(SkinControls& controls, QWidget* page);
// Page 4: the macros.
void BuildMacroPage(SkinControls& controls, QWidget* page);
// Page 5: the gun presets.
void BuildGunPage(SkinControls& controls, QWidget* page);

} // namespace orln7a
