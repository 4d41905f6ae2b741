#include "image/driver_image_layout.h"
#include "ui/resource_catalogue.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

namespace orln7a {
namespace {

TEST(ResourceCatalogue, NamesMatchWithoutCase) {
    const auto upper = OpenDataResource("ORG");
    const auto lower = OpenDataResource("org");
    ASSERT_TRUE(upper && lower);
    EXPECT_EQ(upper->data(), lower->data());
    EXPECT_FALSE(OpenDataResource("ORG4").has_value());
    EXPECT_FALSE(OpenDataResource("").has_value());
}

// Every resource the program asks for by name: a missing one fails here, not in front of a user.
// Code that opens a new resource adds its name here and to resources/catalogue.txt.
TEST(ResourceCatalogue, EveryNameTheProgramUsesExists) {
    std::vector<std::string> names = {"ORG",
                                      "ORG1",
                                      "ORG2",
                                      "ORG3",
                                      "LANG1",
                                      "LANG2",
                                      "LANG3",
                                      "ORLN5XData_Cfg1",
                                      "ORLN5XData_Cfg2",
                                      "ORLN5XData_Cfg3",
                                      "Driver_ORLN5xData_Cfg1",
                                      "Driver_ORLN5xData_Cfg2",
                                      "Driver_ORLN5xData_Cfg3",
                                      "PCMacroData",
                                      "BtnS_01",
                                      "BtnS_02",
                                      "BtnS_03",
                                      "SetS_01",
                                      "SetS_02",
                                      "SetS_03",
                                      "Lang_01",
                                      "Lang_02",
                                      "Lang_03",
                                      "ExitS_01",
                                      "ExitS_02",
                                      "ExitS_03",
                                      "MiniS_01",
                                      "MiniS_02",
                                      "WebS_01",
                                      "WebS_02",
                                      "WebS_03",
                                      "KeyS_01",
                                      "KeyS_02",
                                      "MacroS_01",
                                      "MacroS_02",
                                      "MacroS_03",
                                      "MacroS_04",
                                      "MacroBtnS_01",
                                      "MacroBtnS_02",
                                      "MacroBtnS_03",
                                      "CbS_D",
                                      "CbS_E",
                                      "RdS_D",
                                      "RdS_E",
                                      "Bar1_D",
                                      "Bar1_E",
                                      "Col_F",
                                      "Slider_Ruler",
                                      "Slider_Thumb",
                                      "InsertDelayBase",
                                      "InsertKeyBase",
                                      "MSG"};
    for (int set = 1; set <= 3; ++set) {
        const std::string l = "L" + std::to_string(set) + "_";
        names.push_back(l + "BackGround");
        for (int b = 1; b <= 5; ++b)
            names.push_back(l + "Back" + std::to_string(b));
    }
    for (int g = 1; g <= 7; ++g) {
        names.push_back("Gun" + std::to_string(g) + "_01");
        names.push_back("Gun" + std::to_string(g) + "_02");
    }
    for (int m = 1; m <= 5; ++m)
        names.push_back("GunMode" + std::to_string(m));
    for (const auto& name : names) {
        const auto r = OpenDataResource(name);
        ASSERT_TRUE(r.has_value()) << name;
#ifdef ORLN7A_WITH_ART
        EXPECT_FALSE(r->empty()) << name;
#endif
    }
}

TEST(ResourceCatalogue, SizesOfTheDataResources) {
    const std::pair<const char*, std::size_t> sizes[] = {{"ORLN5XData_Cfg1", 2048},
                                                         {"ORLN5XData_Cfg2", 2048},
                                                         {"ORLN5XData_Cfg3", 2048},
                                                         {"Driver_ORLN5xData_Cfg1", 40960},
                                                         {"Driver_ORLN5xData_Cfg2", 40960},
                                                         {"Driver_ORLN5xData_Cfg3", 40960},
                                                         {"PCMacroData", 27200}};
    for (const auto& [name, size] : sizes)
        EXPECT_EQ(OpenDataResource(name)->size(), size) << name;
    const auto macros = *OpenDataResource("PCMacroData");
    for (std::uint8_t b : macros)
        ASSERT_EQ(b, 0);
}

TEST(ResourceCatalogue, LanguageTablesAreUtf16WithMark) {
    for (const char* name : {"LANG1", "LANG2", "LANG3"}) {
        const auto r = OpenDataResource(name);
        ASSERT_GE(r->size(), 2u);
        EXPECT_EQ((*r)[0], 0xFF) << name;
        EXPECT_EQ((*r)[1], 0xFE) << name;
        EXPECT_EQ(r->size() % 2, 0u) << name;
    }
}

TEST(ResourceCatalogue, DefaultImageBytes) {
    const auto cfg1 = *OpenDataResource("ORLN5XData_Cfg1");
    const auto cfg2 = *OpenDataResource("ORLN5XData_Cfg2");
    const auto cfg3 = *OpenDataResource("ORLN5XData_Cfg3");
    EXPECT_EQ(cfg1[0x00], 0x45);
    EXPECT_EQ(cfg1[0x2F], 0xF0);
    EXPECT_EQ(cfg1[0xFA], 0x96);
    EXPECT_EQ(cfg1[0xFF], 0x00);
    EXPECT_TRUE(std::equal(cfg2.begin(), cfg2.end(), cfg3.begin()));
    const std::set<std::size_t> differing = {0x24, 0x2F, 0x32, 0x33, 0x4F, 0x52, 0x55, 0x58,
                                             0x5A, 0x6A, 0x6D, 0x70, 0x73, 0x75, 0x76, 0xFF};
    for (std::size_t i = 0; i < 2048; ++i) {
        if (i >= 0x100) {
            ASSERT_EQ(cfg1[i] | cfg2[i], 0) << i;
        }
        EXPECT_EQ(cfg1[i] != cfg2[i], differing.count(i) == 1) << std::hex << i;
    }
}

TEST(ResourceCatalogue, DriverDefaultImagesFollowTheirParameterImages) {
    for (int n = 1; n <= 3; ++n) {
        const auto image = *OpenDataResource("ORLN5XData_Cfg" + std::to_string(n));
        const auto driver = *OpenDataResource("Driver_ORLN5xData_Cfg" + std::to_string(n));
        EXPECT_TRUE(std::equal(image.begin(), image.begin() + 0x38, driver.begin()));
        EXPECT_TRUE(std::equal(image.begin() + 0x40, image.begin() + 0x77, driver.begin() + 64));
        EXPECT_TRUE(std::equal(image.begin() + 0xF0, image.begin() + 0xFB, driver.begin() + 242));
        EXPECT_EQ(driver[240] | driver[241], 0);
        // Level 2 (0-based 1), smoothing on (0x01 bit 5), LED state, DPI index of level 2.
        EXPECT_EQ(driver[160], 0x81);
        EXPECT_EQ(driver[161], image[0x32]);
        EXPECT_EQ(driver[162], 0x00);
        EXPECT_EQ(driver[163], image[0x07]);
        std::size_t nonZeroAfter = 0;
        for (std::size_t i = 256; i < driver.size(); ++i)
            nonZeroAfter += driver[i] != 0;
        EXPECT_EQ(nonZeroAfter, 0u);
    }
}

TEST(ResourceCatalogue, PngSizesAreThoseOfTheCatalogue) {
#ifndef ORLN7A_WITH_ART
    GTEST_SKIP() << "built without the artwork";
#endif
    std::ifstream catalogue(ORLN7A_SOURCE_DIR "/resources/catalogue.txt");
    ASSERT_TRUE(catalogue);
    std::string line;
    int pngs = 0;
    while (std::getline(catalogue, line)) {
        std::istringstream words(line.substr(0, line.find('#')));
        std::string name, kind, size;
        if (!(words >> name >> kind >> size) || kind != "png")
            continue;
        ++pngs;
        const auto r = OpenDataResource(name);
        ASSERT_TRUE(r && r->size() > 24) << name;
        // Width and height of the PNG header (IHDR), big-endian.
        auto be32 = [&](std::size_t at) {
            return ((*r)[at] << 24) | ((*r)[at + 1] << 16) | ((*r)[at + 2] << 8) | (*r)[at + 3];
        };
        EXPECT_EQ(std::to_string(be32(16)) + "x" + std::to_string(be32(20)), size) << name;
    }
    EXPECT_EQ(pngs, 75);
}

} // namespace
} // namespace orln7a
