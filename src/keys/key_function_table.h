#pragma once

// The fixed functions the assignment menus offer: each menu entry's tag selects one code, and
// the code's display name is the language text of its key. Also the names of the built-in gun
// presets, used while no gun-key list file is loaded.

#include "keys/key_function_code.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace orln7a {

struct KeyFunctionEntry {
    KeyFunctionCode code; // for AIM, p1 is the current AIM index instead
    int menuTag;
    std::string_view menuItem; // the menu entry that offers the function
    std::string_view nameKey;  // language key of the function's name
};

inline constexpr int kAimMenuTag = 1002;

inline constexpr std::array<KeyFunctionEntry, 33> KeyFunctionTable = {{
    {{0x01, 0x01, 0x00}, 900, "Key_Left", "Str210"},
    {{0x01, 0x02, 0x00}, 901, "Key_Right", "Str211"},
    {{0x01, 0x04, 0x00}, 902, "Key_Middle", "Str212"},
    {{0x01, 0x08, 0x00}, 903, "Key_B4", "Str213"},
    {{0x01, 0x10, 0x00}, 904, "Key_B5", "Str214"},
    {kRapidFireKeyCode, 1000, "Key_Fire", "Str220"},
    {{0x09, 0x00, 0x00}, 1001, "Key_LEDSwitch", "Str221"},
    {AimKeyFunctionCode(0), kAimMenuTag, "Key_AIMKey", "Str222"},
    {{0x0D, 0x00, 0x00}, 1003, "Key_FnFire", "Str223"},
    {{0x00, 0x00, 0x00}, 1004, "Key_KeyOff", "Str224"},
    {{0x0F, 0x00, 0x00}, 1005, "Key_KeyMode", "Str225"},
    {{0x10, 0x00, 0x00}, 1006, "Key_LEDMode", "Str226"},
    {{0x03, 0x01, 0x94}, 1100, "Key_Computer", "Str240"},
    {{0x03, 0x01, 0x92}, 1101, "Key_Calculator", "Str241"},
    {{0x03, 0x01, 0x8A}, 1102, "Key_EMail", "Str242"},
    {{0x02, kModifierWin, 0x07}, 1103, "Key_Desktop", "Str243"}, // Win + D
    {{0x03, 0x00, 0xCD}, 1300, "Key_PlayPause", "Str250"},
    {{0x03, 0x00, 0xB7}, 1301, "Key_Stop", "Str251"},
    {{0x03, 0x00, 0xB6}, 1302, "Key_PreviousTrack", "Str252"},
    {{0x03, 0x00, 0xB5}, 1303, "Key_NextTrack", "Str253"},
    {{0x03, 0x00, 0xE9}, 1304, "Key_VolumePlus", "Str254"},
    {{0x03, 0x00, 0xEA}, 1305, "Key_VolumeMinus", "Str255"},
    {{0x03, 0x00, 0xE2}, 1306, "Key_Mute", "Str256"},
    {{0x03, 0x02, 0x23}, 1400, "Key_WWWHome", "Str260"},
    {{0x03, 0x02, 0x21}, 1401, "Key_WWWSearch", "Str261"},
    {{0x03, 0x02, 0x24}, 1402, "Key_WWWBack", "Str262"},
    {{0x03, 0x02, 0x25}, 1403, "Key_WWWForward", "Str263"},
    {{0x03, 0x02, 0x26}, 1404, "Key_WWWStop", "Str264"},
    {{0x03, 0x02, 0x27}, 1405, "Key_WWWRefresh", "Str265"},
    {{0x03, 0x02, 0x2A}, 1406, "Key_WWWFavorites", "Str266"},
    {{0x05, 0x00, 0x00}, 2000, "Key_CPI", "Str231"},
    {{0x07, 0x00, 0x00}, 2001, "Key_CPII", "Str232"},
    {{0x08, 0x00, 0x00}, 2002, "Key_CPID", "Str233"},
}};

// The entry of a menu tag; nullptr for a tag that selects no function.
const KeyFunctionEntry* FindKeyFunctionByTag(int tag);

// The code text a menu tag selects ("010100"); the AIM tag takes `aimIndex` as its p1. Any other
// tag gives the empty text.
std::string GetKeyFunctionCodeByTag(int tag, std::uint8_t aimIndex);

struct FireMacroPresetName {
    KeyFunctionCode code; // 0C, first record, last record
    std::string_view nameKey;
};

// Guns 6 and 7 come in two and three record ranges, which share one name.
inline constexpr std::array<FireMacroPresetName, 10> BuiltInFireMacroNames = {{
    {{0x0C, 0x01, 0x01}, "Str600"},
    {{0x0C, 0x02, 0x02}, "Str601"},
    {{0x0C, 0x03, 0x03}, "Str602"},
    {{0x0C, 0x04, 0x04}, "Str603"},
    {{0x0C, 0x05, 0x05}, "Str604"},
    {{0x0C, 0x06, 0x06}, "Str605"},
    {{0x0C, 0x06, 0x07}, "Str605"},
    {{0x0C, 0x08, 0x08}, "Str606"},
    {{0x0C, 0x08, 0x09}, "Str606"},
    {{0x0C, 0x08, 0x0A}, "Str606"},
}};

} // namespace orln7a
