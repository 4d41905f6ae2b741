#include "keys/key_function_code.h"
#include "keys/key_function_table.h"

#include <gtest/gtest.h>

#include <string>

namespace orln7a {
namespace {

TEST(KeyFunctionCode, TextFormRoundTrip) {
    const struct {
        KeyFunctionCode code;
        std::string_view text;
    } cases[] = {
        {{0x00, 0x00, 0x00}, "000000"}, {{0x01, 0x01, 0x00}, "010100"},
        {{0x06, 0x00, 0xF0}, "0600F0"}, {{0x03, 0x01, 0x8A}, "03018A"},
        {{0x0E, 0x07, 0x21}, "0E0721"}, {{0xFF, 0xAB, 0x0C}, "FFAB0C"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatKeyFunctionCode(c.code), c.text);
        EXPECT_EQ(ParseKeyFunctionCode(c.text), c.code) << c.text;
    }
    // Every digit value in every position.
    for (int v = 0; v < 256; ++v) {
        const KeyFunctionCode code{static_cast<std::uint8_t>(v),
                                   static_cast<std::uint8_t>(v ^ 0x5A),
                                   static_cast<std::uint8_t>(255 - v)};
        const std::string text = FormatKeyFunctionCode(code);
        ASSERT_EQ(text.size(), 6u);
        EXPECT_EQ(text.find_first_not_of("0123456789ABCDEF"), std::string::npos) << text;
        EXPECT_EQ(ParseKeyFunctionCode(text), code) << text;
    }
    EXPECT_EQ(MakeKeyFunctionCode(KeyFunctionType::Consumer, 0x0223).Parameter(), 0x0223);
}

TEST(KeyFunctionCode, ParsingTakesOnlySixHexDigits) {
    EXPECT_EQ(ParseKeyFunctionCode("03018a"), (KeyFunctionCode{0x03, 0x01, 0x8A}));
    const std::string_view bad[] = {
        "",
        "0",
        "01010",
        "0101000",
        "01010G",
        "0x0101",
        " 10100",
        "010100 ",
        "01 100",
        "+10100",
        "-10100",
        "0G0100",
        "\xEF\xBC\x90\xEF\xBC\x90",
        "\xFF\xFF\xFF\xFF\xFF\xFF",
        std::string_view("01\0"
                         "100",
                         6),
    };
    for (const auto text : bad)
        EXPECT_FALSE(ParseKeyFunctionCode(text).has_value()) << text;
}

TEST(KeyFunctionCode, MacroReferences) {
    const struct {
        std::uint16_t id;
        std::optional<int> slot;
    } slots[] = {{0x0121, 1},
                 {0x0221, 2},
                 {0x0321, 3},
                 {0x0421, 4},
                 {0x0621, 5},
                 {0x0721, 6},
                 {0x0521, std::nullopt},
                 {0x0120, std::nullopt},
                 {0x00F0, std::nullopt}};
    for (const auto& s : slots)
        EXPECT_EQ(BaseMacroSlotOfId(s.id), s.slot) << s.id;

    EXPECT_EQ(DriverMacroReference(0), 0x0120);
    EXPECT_EQ(DriverMacroReference(1), 0x0920);
    EXPECT_EQ(DriverMacroReference(31), 0xF920);
    EXPECT_FALSE(DriverMacroReference(32).has_value()); // would wrap onto macro 0
    for (std::size_t n = 0; n < kDriverMacroReferenceCount; ++n)
        EXPECT_EQ(DriverMacroPosition(*DriverMacroReference(n)), n);
    for (const std::uint16_t notOne : {0x0000, 0x00F0, 0x011F, 0x0121, 0x0520, 0xF921, 0xFFFF})
        EXPECT_FALSE(DriverMacroPosition(notOne).has_value()) << notOne;

    EXPECT_EQ(FormatKeyFunctionCode(MacroKeyFunctionCode(false, 0x0321)), "060321");
    EXPECT_EQ(FormatKeyFunctionCode(MacroKeyFunctionCode(true, 0x0920)), "0E0920");
}

TEST(KeyFunctionCode, DriverRapidFireKeyReadsAsType06) {
    const struct {
        std::string_view stored, read;
    } cases[] = {
        {"0E00F0", "0600F0"}, {"0600F0", "0600F0"}, {"0E0121", "0E0121"}, {"0E00F1", "0E00F1"}};
    for (const auto& c : cases)
        EXPECT_EQ(FormatKeyFunctionCode(DriverCodeAsRead(*ParseKeyFunctionCode(c.stored))), c.read);
}

TEST(KeyFunctionTable, MenuTagsSelectCodes) {
    const struct {
        int tag;
        std::string_view code;
    } cases[] = {
        {900, "010100"},
        {901, "010200"},
        {902, "010400"},
        {903, "010800"},
        {904, "011000"},
        {1000, "0600F0"},
        {1001, "090000"},
        {1002, "0A0000"},
        {1003, "0D0000"},
        {1004, "000000"},
        {1005, "0F0000"},
        {1006, "100000"},
        {1100, "030194"},
        {1101, "030192"},
        {1102, "03018A"},
        {1103, "020807"},
        {1300, "0300CD"},
        {1301, "0300B7"},
        {1302, "0300B6"},
        {1303, "0300B5"},
        {1304, "0300E9"},
        {1305, "0300EA"},
        {1306, "0300E2"},
        {1400, "030223"},
        {1401, "030221"},
        {1402, "030224"},
        {1403, "030225"},
        {1404, "030226"},
        {1405, "030227"},
        {1406, "03022A"},
        {2000, "050000"},
        {2001, "070000"},
        {2002, "080000"},
        // Tags of menus and other entries select no function.
        {0, ""},
        {1, ""},
        {6, ""},
        {7, ""},
        {11, ""},
        {899, ""},
        {905, ""},
        {1007, ""},
        {1104, ""},
        {1307, ""},
        {1407, ""},
        {2003, ""},
        {-900, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetKeyFunctionCodeByTag(c.tag, 0), c.code) << c.tag;
    EXPECT_EQ(GetKeyFunctionCodeByTag(kAimMenuTag, 5), "0A0500");
    EXPECT_EQ(GetKeyFunctionCodeByTag(kAimMenuTag, 11), "0A0B00");
    EXPECT_EQ(GetKeyFunctionCodeByTag(900, 5), "010100"); // only AIM takes the index
    EXPECT_EQ(FindKeyFunctionByTag(1406)->menuItem, "Key_WWWFavorites");
}

} // namespace
} // namespace orln7a
