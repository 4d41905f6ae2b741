#include "keys/listener_keys.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <string>

namespace orln7a {
namespace {

// The listener's whole key table, written out run by run, so that every key is checked.
std::map<int, std::string> ListenerTable() {
    std::map<int, std::string> table;
    const auto run = [&](int first, std::initializer_list<const char*> names) {
        for (const char* name : names)
            table[first++] = name;
    };
    run(8, {"Backspace", "Tab"});
    run(12, {"Clear", "Enter"});
    run(16, {"Shift", "Ctrl", "Alt", "Pause", "Caps Lock"});
    run(27, {"Esc"});
    run(32, {"Space bar", "Page Up", "Page Down", "End", "Home", "Left Arrow", "Up Arrow",
             "Right Arrow", "Down Arrow", "Select"});
    run(44, {"Print Screen", "Insert", "Delete", "Help"});
    for (int i = 0; i < 10; ++i)
        table[48 + i] = std::to_string(i);
    for (int i = 0; i < 26; ++i)
        table[65 + i] = std::string(1, static_cast<char>('A' + i));
    run(91, {"Left Windows", "Right Windows", "Applications"});
    for (int i = 0; i < 10; ++i)
        table[96 + i] = std::to_string(i) + " (numeric pad)";
    run(106, {"Multiply (numeric pad)", "Add (numeric pad)", "Separator (numeric pad)",
              "Subtract (numeric pad)", "Decimal (numeric pad)", "Divide (numeric pad)"});
    for (int i = 0; i < 24; ++i)
        table[112 + i] = "F" + std::to_string(i + 1);
    run(144, {"Num Lock", "Scroll Lock"});
    run(160, {"Left Shift",       "Right Shift",         "Left Ctrl",      "Right Ctrl",
              "Left Alt",         "Right Alt",           "Browser_Back",   "Browser_Forward",
              "Browser_Refresh",  "Browser_Stop",        "Browser_Search", "Browser_Favorites",
              "Browser_Home",     "Volume_Mute",         "Volume_Down",    "Volume_Up",
              "Media_Next_Track", "Media_Prev_Track",    "Media_Stop",     "Media_Play_Pause",
              "Launch_Mail",      "Launch_Media_Select", "Launch_App1",    "Launch_App2"});
    run(186, {"OEM_1", "OEM_Plus", "OEM_Comma", "OEM_Minus", "OEM_Period", "OEM_2", "OEM_3"});
    run(219, {"OEM_4", "OEM_5", "OEM_6", "OEM_7", "OEM_8"});
    run(255, {"255"});
    return table;
}

TEST(ListenerKeys, EveryKeyHasItsListenerName) {
    const auto table = ListenerTable();
    ASSERT_EQ(table.size(), 142u); // guards the runs above against a slip
    for (int key = -2; key < 300; ++key) {
        const auto it = table.find(key);
        EXPECT_EQ(GetListenerKeyName(key), it == table.end() ? "None" : it->second) << key;
    }
    EXPECT_EQ(GetListenerKeyName(0x10041), "None"); // 'A' with bits above the 16-bit key
}

} // namespace
} // namespace orln7a
