#pragma once

// The brand owner's settings, section "[org]" of the built-in text "ORG". Read once at start-up
// and kept for the life of the program; nothing writes them back.

#include "common/result.h"
#include "ui/settings_text.h"

#include <string>
#include <string_view>
#include <vector>

namespace orln7a {

struct OemSettings {
    bool webEnable = false;
    std::string web;
    int webX = 0;
    int webY = 0;
    int revManuId = 0;
    int revProId = 0;
    std::string path;
    bool trEnable = false; // captions roll under the pointer
    bool gdEnable = false; // gun-key entry offered in the gaming profile
    bool dpiLedStatus = false;
    int gun6Num = 1;  // 1..2
    int gun7Num = 1;  // 1..3
    int numOrder = 0; // 0 ascending, 1 descending
    int apMode = 0;   // 0 EEPROM, 1 driver, 2 EEPROM+driver
    int dpiCount = 0;
    std::string specialConfig;
    int mainPnlHeightWithGun = 190;
    int mainPnlHeightWithNoGun = 170;
};

struct LoadedOemSettings {
    OemSettings settings;
    // True for Ap_Mode 0 and 2 (and any value other than 1): configuration lives in the mouse.
    bool eepromMode = true;
};

// Reads the "[org]" section. A key that has no default and is missing or not a number is an
// error naming the key; the program does not start with it.
Result<LoadedOemSettings> LoadOemSettings(const SettingsText& text);
// Reads the built-in "ORG" resource.
Result<LoadedOemSettings> LoadOemSettings();

// Placement of the special-key menu labels from Special_Config.
struct SpecialKeyPlacement {
    struct Label {
        std::string name;
        int top;
    };
    std::vector<Label> labels;      // listed labels, in list order
    std::optional<int> cpiArrowTop; // top of ST_CPIKey when Key_CPIKey is listed
    int panelHeight = 2;
};

// The eight labels of the special-key panel, in design order.
const std::vector<std::string>& SpecialKeyLabelNames();

// Splits Special_Config at commas; each name that is one of the eight labels takes the next
// 25-pixel slot. Names that match no label are skipped and take no slot.
SpecialKeyPlacement PlanSpecialKeyList(std::string_view specialConfig);

} // namespace orln7a
