#include "keys/english_names.h"
#include "keys/key_function_name.h"
#include "keys/key_function_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orln7a {
namespace {

struct NameCase {
    std::string_view code;
    std::string_view name;
};

void ExpectNames(std::initializer_list<NameCase> cases, const KeyNameSources& sources = {}) {
    for (const auto& c : cases)
        EXPECT_EQ(GetKeyFunctionName(c.code, EnglishNames(), sources), c.name) << c.code;
}

TEST(KeyFunctionName, FixedCodes) {
    ExpectNames({
        {"010100", "Left Click"},
        {"010200", "Right Click"},
        {"010400", "Wheel Click"},
        {"010800", "Back"},
        {"011000", "Forward"},
        {"0600F0", "Fire Key"},
        {"090000", "LED ON/OFF"},
        {"0A0000", "AIM"},
        {"0D0000", "Gun Key Fn"},
        {"000000", "Key Off"},
        {"0F0000", "Key Mode Switch"},
        {"100000", "LED Mode"},
        {"030194", "My Computer"},
        {"030192", "Calculator"},
        {"03018A", "E-Mail"},
        {"020807", "Desktop"},
        {"0300CD", "Play/Pause"},
        {"0300B7", "Stop"},
        {"0300B6", "Previous Track"},
        {"0300B5", "Next Track"},
        {"0300E9", "Volume +"},
        {"0300EA", "Volume -"},
        {"0300E2", "Mute"},
        {"030223", "Home"},
        {"030221", "Search"},
        {"030224", "Web Back"},
        {"030225", "Web Forward"},
        {"030226", "Stop"},
        {"030227", "Refresh"},
        {"03022A", "Favorites"},
        {"050000", "DPI Loop"},
        {"070000", "DPI +"},
        {"080000", "DPI -"},
    });
}

TEST(KeyFunctionName, CodesNamedByType) {
    ExpectNames({
        // Mouse buttons, consumer usages and the parameterless types only by exact match.
        {"010300", ""},
        {"010000", ""},
        {"0300CE", ""},
        {"050001", ""},
        {"0F0100", ""},
        // Keyboard codes.
        {"020100", "Ctrl+"},
        {"020004", "A"},
        {"020F29", "Ctrl+Shift+Alt+Win+Esc"},
        {"020007", "D"},
        {"020107", "Ctrl+D"},
        {"020A2C", "Shift+Win+Space bar"},
        {"02F004", "A"},
        {"02F804", "Win+A"},
        {"020000", ""},
        {"020232", "Shift+"},
        {"0200E3", "Win"},
        {"0200C0", "Media_Next_Track"},
        // AIM whatever its index.
        {"0A0500", "AIM"},
        {"0A0B00", "AIM"},
        {"0AFFFF", "AIM"},
        // Built-in gun presets while no gun-key list is loaded.
        {"0C0101", "AKM"},
        {"0C0505", "SCAR-L"},
        {"0C0606", "5.56mm Fire"},
        {"0C0607", "5.56mm Fire"},
        {"0C0808", "7.62mm Fire"},
        {"0C080A", "7.62mm Fire"},
        {"0C0707", ""},
        {"0C0B0B", ""},
        // Types the editor never produces, and text that is no code.
        {"040000", ""},
        {"0B0501", ""},
        {"110000", ""},
        {"FF0000", ""},
        {"0101", ""},
        {"01010Z", ""},
    });
}

TEST(KeyFunctionName, NamesComeFromTheGivenLanguage) {
    const MapLanguage other({{"Str210", "左键"}, {"Str222", "狙击"}, {"Str605", "5.56"}});
    const struct {
        std::string_view code;
        std::string_view name;
    } cases[] = {
        {"010100", "左键"},   {"0A0300", "狙击"},
        {"0C0607", "5.56"},   {"010200", ""}, // a key the table lacks gives the empty name
        {"020104", "Ctrl+A"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetKeyFunctionName(c.code, other), c.name) << c.code;
}

TEST(KeyFunctionName, MacrosOfTheMouseSlots) {
    const std::vector<std::string> slotNames = {"One", "", "Three", "", "Five", "Six"};
    std::vector<int> asked;
    KeyNameSources sources;
    sources.macroNames = slotNames;
    sources.deviceSlotName = [&](int slot) {
        asked.push_back(slot);
        return "Stored" + std::to_string(slot);
    };
    ExpectNames(
        {
            {"060121", "One"},
            {"0E0121", "One"},
            {"060221", "Stored2"},
            {"0E0421", "Stored4"},
            {"060521", ""}, // no slot has this identifier
            {"060621", "Five"},
            {"0E0721", "Six"},
            {"060120", ""}, // a driver reference
            {"0600F0", "Fire Key"},
            {"0E00F0", ""},
        },
        sources);
    EXPECT_EQ(asked, (std::vector<int>{2, 4})); // the mouse is asked only for unnamed slots

    const std::vector<std::string> fewNames = {"One"};
    sources.macroNames = fewNames;
    ExpectNames({{"060621", "Stored5"}}, sources);
    sources.deviceSlotName = nullptr;
    ExpectNames({{"060221", ""}, {"060121", "One"}}, sources);
}

TEST(KeyFunctionName, MacrosOfTheDriver) {
    std::vector<std::string> assigned = {"First", "Second"};
    KeyNameSources sources;
    sources.eepromMode = false;
    sources.macroNames = assigned;
    ExpectNames(
        {
            {"060120", "First"},
            {"0E0920", "Second"},
            {"061120", ""}, // third position, not assigned
            {"060121", ""}, // a slot identifier
            {"060100", ""},
            {"0600F0", "Fire Key"},
        },
        sources);

    // Positions beyond 31 have no reference, so they never shadow the first macro.
    assigned.clear();
    for (int n = 0; n < 40; ++n)
        assigned.push_back("M" + std::to_string(n));
    sources.macroNames = assigned;
    ExpectNames({{"060120", "M0"}, {"06F920", "M31"}}, sources);
}

TEST(KeyFunctionName, FireMacrosOfTheGunKeyList) {
    const std::vector<std::string> slots = {"0C0101", "000000", "0C0303", "0C0707", "000000",
                                            "000000", "000000", "000000", "000000", "0C0303"};
    KeyNameSources sources;
    sources.gunKeyListLoaded = true;
    sources.gunKeySlots = slots;
    ExpectNames(
        {
            {"0C0101", "Fire Macro1"},
            {"0C0303", "Fire Macro10"}, // the last slot holding it
            {"0C0707", "Fire Macro4"},
            {"0C0202", ""}, // built-in names are not used while a list is loaded
            {"000000", "Key Off"},
        },
        sources);
}

} // namespace
} // namespace orln7a
