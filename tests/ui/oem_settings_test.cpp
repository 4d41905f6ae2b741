#include "ui/data_folders.h"
#include "ui/oem_settings.h"

#include <gtest/gtest.h>

namespace orln7a {
namespace {

const char* const kShipped =
    "[org]\r\nWeb_Enable=0\r\nWeb=blank\r\nWeb_X=391\r\nWeb_Y=0\r\nRev_Manu_ID=0\r\n"
    "Rev_Pro_ID=0\r\nPath=\r\nTR_Enable=0\r\nGD_Enable=0\r\nDPILED_Status=1\r\nGun6_Num=2\r\n"
    "Gun7_Num=3\r\nNum_Order=0\r\nAp_Mode=0\r\nDPI_Count=11\r\n"
    "Special_Config=Key_CPIKey,Key_Fire,Key_AIMKey,Key_LEDMode,Key_LEDSwitch\r\n"
    "Main_Pnl_Height_With_Gun=195\r\nMain_Pnl_Height_WithNo_Gun=165\r\n";

// The shipped text with some entries put in front, so that they win over the shipped ones.
Result<LoadedOemSettings> LoadWith(const std::string& overrides) {
    std::string text = kShipped;
    text.insert(text.find('\n') + 1, overrides);
    return LoadOemSettings(SettingsText::Parse(text));
}

TEST(OemSettings, BuiltInResourceHasTheShippedValues) {
    const auto oem = LoadOemSettings();
    ASSERT_TRUE(oem) << oem.error().detail;
    const OemSettings& s = oem->settings;
    EXPECT_FALSE(s.webEnable);
    EXPECT_EQ(s.web, "blank");
    EXPECT_EQ(s.webX, 391);
    EXPECT_EQ(s.webY, 0);
    EXPECT_EQ(s.path, "");
    EXPECT_TRUE(s.dpiLedStatus);
    EXPECT_EQ(s.gun6Num, 2);
    EXPECT_EQ(s.gun7Num, 3);
    EXPECT_EQ(s.apMode, 0);
    EXPECT_EQ(s.dpiCount, 11);
    EXPECT_EQ(s.specialConfig, "Key_CPIKey,Key_Fire,Key_AIMKey,Key_LEDMode,Key_LEDSwitch");
    EXPECT_EQ(s.mainPnlHeightWithGun, 195);
    EXPECT_EQ(s.mainPnlHeightWithNoGun, 165);
    EXPECT_TRUE(oem->eepromMode);
}

TEST(OemSettings, Clamps) {
    struct Case {
        const char* entry;
        int gun6, gun7, numOrder;
    } cases[] = {
        {"Gun6_Num=0\r\n", 1, 3, 0}, {"Gun6_Num=5\r\n", 2, 3, 0},   {"Gun7_Num=-3\r\n", 2, 1, 0},
        {"Gun7_Num=9\r\n", 2, 3, 0}, {"Num_Order=-1\r\n", 2, 3, 0}, {"Num_Order=7\r\n", 2, 3, 1},
    };
    for (const auto& c : cases) {
        const auto oem = LoadWith(c.entry);
        ASSERT_TRUE(oem) << c.entry;
        EXPECT_EQ(oem->settings.gun6Num, c.gun6) << c.entry;
        EXPECT_EQ(oem->settings.gun7Num, c.gun7) << c.entry;
        EXPECT_EQ(oem->settings.numOrder, c.numOrder) << c.entry;
    }
}

TEST(OemSettings, StorageModeAndGunDisplay) {
    struct Case {
        const char* entries;
        bool eeprom, gunDisplay;
    } cases[] = {
        {"GD_Enable=1\r\nAp_Mode=1\r\n", false, false},
        {"GD_Enable=1\r\nAp_Mode=2\r\n", true, true},
        {"GD_Enable=1\r\nAp_Mode=5\r\n", true, true},
        {"GD_Enable=2\r\nAp_Mode=0\r\n", true, false}, // a flag of 2 is off
    };
    for (const auto& c : cases) {
        const auto oem = LoadWith(c.entries);
        ASSERT_TRUE(oem) << c.entries;
        EXPECT_EQ(oem->eepromMode, c.eeprom) << c.entries;
        EXPECT_EQ(oem->settings.gdEnable, c.gunDisplay) << c.entries;
    }
}

TEST(OemSettings, DefaultsAndRefusals) {
    const auto noHeights = LoadOemSettings(SettingsText::Parse(
        "[org]\nWeb_Enable=0\nWeb_X=1\nWeb_Y=2\nRev_Manu_ID=0\nRev_Pro_ID=0\nTR_Enable=0\n"
        "GD_Enable=0\nDPILED_Status=0\nGun6_Num=1\nGun7_Num=1\nNum_Order=0\nAp_Mode=0\n"
        "DPI_Count=11\n"));
    ASSERT_TRUE(noHeights);
    EXPECT_EQ(noHeights->settings.mainPnlHeightWithGun, 190);
    EXPECT_EQ(noHeights->settings.mainPnlHeightWithNoGun, 170);
    EXPECT_EQ(noHeights->settings.specialConfig, "11111110");

    // A key without a default that is missing or not a number: refused, naming the key.
    std::string missing = kShipped;
    missing.erase(missing.find("DPI_Count=11\r\n"), 14);
    const auto refusedMissing = LoadOemSettings(SettingsText::Parse(missing));
    ASSERT_FALSE(refusedMissing);
    EXPECT_NE(refusedMissing.error().detail.find("DPI_Count"), std::string::npos);

    const auto refusedText = LoadWith("Web_X=left\r\n");
    ASSERT_FALSE(refusedText);
    EXPECT_NE(refusedText.error().detail.find("Web_X"), std::string::npos);

    EXPECT_FALSE(LoadOemSettings(SettingsText::Parse("[other]\nWeb_X=1\n")));
}

TEST(SpecialKeyList, PlacesListedLabelsAndSkipsUnknownNames) {
    const auto plan = PlanSpecialKeyList("Key_Fire,Key_CPIKey");
    ASSERT_EQ(plan.labels.size(), 2u);
    EXPECT_EQ(plan.labels[0].name, "Key_Fire");
    EXPECT_EQ(plan.labels[0].top, 0);
    EXPECT_EQ(plan.labels[1].name, "Key_CPIKey");
    EXPECT_EQ(plan.labels[1].top, 25);
    EXPECT_EQ(plan.cpiArrowTop, 25);
    EXPECT_EQ(plan.panelHeight, 52);

    const auto fallback = PlanSpecialKeyList("11111110");
    EXPECT_TRUE(fallback.labels.empty());
    EXPECT_FALSE(fallback.cpiArrowTop.has_value());
    EXPECT_EQ(fallback.panelHeight, 2);

    const auto mixed = PlanSpecialKeyList("Key_KeyOff,Bogus,,Key_FnFire");
    ASSERT_EQ(mixed.labels.size(), 2u);
    EXPECT_EQ(mixed.labels[1].top, 25);
}

TEST(DataFolders, Choice) {
    DataFolderInputs in;
    in.programFolder = "/opt/orln7a/";
    in.home = "/home/ann";
    in.oemPath = "D:\\data";
    EXPECT_EQ(ChooseDataFolder(in) + "Macro.bin", "D:\\dataMacro.bin"); // no separator added
    in.oemPath.clear();
    in.programFolderWritable = true;
    EXPECT_EQ(ChooseDataFolder(in) + "Macro.bin", "/opt/orln7a/Macro.bin");
    in.programFolderWritable = false;
    EXPECT_EQ(ChooseDataFolder(in), "/home/ann/.local/share/orln7a-editor/");
    in.xdgDataHome = "/xdg";
    EXPECT_EQ(ChooseDataFolder(in), "/xdg/orln7a-editor/");
    in.xdgDataHome = "relative";
    EXPECT_EQ(ChooseDataFolder(in), "/home/ann/.local/share/orln7a-editor/");
}

TEST(DataFolders, ProgramFolderEndsWithSeparator) {
    const std::string folder = ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
}

} // namespace
} // namespace orln7a
