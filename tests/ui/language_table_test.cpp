#include "ui/language_table.h"

#include <gtest/gtest.h>

namespace orln7a {
namespace {

// UTF-16LE bytes of a UTF-8 test text (ASCII and BMP characters only).
Bytes Utf16(std::u16string_view text, bool mark = true) {
    Bytes out;
    if (mark)
        out = {0xFF, 0xFE};
    for (char16_t c : text) {
        out.push_back(static_cast<std::uint8_t>(c & 0xFF));
        out.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    return out;
}

TEST(LanguageTokens, QuotesBlanksAndMark) {
    const auto tokens = LanguageTokens(
        Utf16(u"comment line here\r\n\"[lang1]\"\t\"Str001=Apply now\" FontName=Segoe UI "
              u"\"Q=say \"\"hi\"\"\" \"open"));
    const std::vector<std::string> expected = {
        "comment",        "line", "here",         "[lang1]", "Str001=Apply now",
        "FontName=Segoe", "UI",   "Q=say \"hi\"", "open"};
    EXPECT_EQ(tokens, expected);
    EXPECT_EQ(LanguageTokens(Utf16(u"\"a b\"", false)), std::vector<std::string>{"a b"});
}

TEST(LanguageTokens, NonAsciiAndBrokenInput) {
    EXPECT_EQ(LanguageTokens(Utf16(u"\"T=简体\"")), std::vector<std::string>{"T=简体"});
    // A lone surrogate and an odd last byte do not break the text.
    Bytes broken = Utf16(u"A\xD800 B");
    broken.push_back(0x41);
    EXPECT_EQ(LanguageTokens(broken), (std::vector<std::string>{"A\xEF\xBF\xBD", "B"}));
    EXPECT_TRUE(LanguageTokens(Bytes{}).empty());
    EXPECT_TRUE(LanguageTokens(Bytes{0xFF}).empty());
}

TEST(LanguageTable, ReadsOnlyItsOwnSection) {
    const Bytes text =
        Utf16(u"\"[lang2]\" \"Str001=Two\" \"[lang1]\" \"str001=One\" \"Str001=Dup\" "
              u"FontName=Segoe UI");
    const auto one = LanguageTable::Parse(1, text);
    EXPECT_EQ(one.Text("Str001"), "One"); // case-insensitive, first occurrence wins
    EXPECT_EQ(one.Text("FontName"), "Segoe");
    EXPECT_EQ(LanguageTable::Parse(2, text).Text("Str001"), "Two");
    EXPECT_EQ(LanguageTable::Parse(3, text).Text("Str001"), "");
}

TEST(LanguageTable, BuiltInTables) {
    const auto& tables = BuiltInLanguageTables();
    EXPECT_EQ(tables[0].Text("Title"), "Corvane Gaming Mouse");
    EXPECT_EQ(tables[0].Text("Str020"), "Finding the specified device");
    EXPECT_EQ(tables[0].Text("Str102"), "BIN file type error");
    EXPECT_EQ(tables[0].Text("FontName"), "Segoe UI");
    for (const auto& t : tables) {
        EXPECT_FALSE(t.Text("Str109").empty());
        EXPECT_FALSE(t.Text("FontName").empty());
    }
    EXPECT_EQ(LoadLanguageTable(4).size(), 0u);
}

TEST(FindLanguageKey, LastMatchOfKeysOneHundredToSevenHundred) {
    std::array<LanguageTable, 3> tables = {
        LanguageTable::Parse(1, Utf16(u"\"[lang1]\" \"Str050=Stop\" \"Str251=Stop\" "
                                      u"\"Str401=Stop\" \"Str701=Left\"")),
        LanguageTable::Parse(2, Utf16(u"\"[lang2]\" \"Str210=Left\"")),
        LanguageTable::Parse(3, Utf16(u"\"[lang3]\""))};
    EXPECT_EQ(FindLanguageKey("Stop", tables), "Str401");
    EXPECT_EQ(FindLanguageKey("Left", tables), "Str210"); // Str701 is beyond the range
    EXPECT_FALSE(FindLanguageKey("Nothing like it", tables).has_value());
    // Str050 is written with a leading zero, which the lookup never forms.
    tables[0] = LanguageTable::Parse(1, Utf16(u"\"[lang1]\" \"Str050=Mid\""));
    EXPECT_FALSE(FindLanguageKey("Mid", tables).has_value());
}

} // namespace
} // namespace orln7a
