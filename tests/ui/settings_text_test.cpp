#include "ui/settings_text.h"

#include <gtest/gtest.h>

namespace orln7a {
namespace {

TEST(SettingsText, LinesSectionsAndEntries) {
    const auto text = SettingsText::Parse("  ; a comment\r\n"
                                          "Outside=1\r\n"
                                          "[ org ]\r\n"
                                          "\t Web_X =  391 \r\n"
                                          "//Web_Y=5\r\n"
                                          "// just a remark\r\n"
                                          "Formula=a=b\r\n"
                                          "web_x=999\r\n"
                                          "Empty=\r\n"
                                          "[other]\n"
                                          "Web_X=7\r");
    const SettingsSection* org = text.Section("ORG");
    ASSERT_NE(org, nullptr);
    EXPECT_EQ(org->Number("WEB_X"), 391);         // case-insensitive, first occurrence wins
    EXPECT_FALSE(org->Find("Web_Y").has_value()); // "//" lines never match
    EXPECT_EQ(org->Text("Formula"), "a=b");       // split at the first '='
    EXPECT_EQ(org->Find("Empty"), std::string_view(""));
    EXPECT_FALSE(org->Find("Outside").has_value()); // lines before any section belong to none
    EXPECT_EQ(text.Section("other")->Number("Web_X"), 7);
    EXPECT_EQ(text.Section("missing"), nullptr);
}

TEST(SettingsText, RepeatedSectionIsIgnored) {
    const auto text = SettingsText::Parse("[a]\nK=1\n[A]\nK=2\nL=3\n");
    ASSERT_EQ(text.sections().size(), 1u);
    EXPECT_EQ(text.Section("a")->Number("K"), 1);
    EXPECT_FALSE(text.Section("a")->Find("L").has_value());
}

TEST(SettingsText, EightBitBytesPassThrough) {
    // A GBK comment and a GBK value: never decoded, never an error.
    const std::string gbk = "\xC4\xAC\xC8\xCF";
    const auto text = SettingsText::Parse("[org]\r\n//" + gbk + "\r\nName=" + gbk + "\r\n");
    EXPECT_EQ(text.Section("org")->Text("Name"), gbk);
}

TEST(SettingsText, NumbersAndFlags) {
    const auto text =
        SettingsText::Parse("[s]\nA=12\nB=-3\nC=+4\nD=1x\nE=\nF=2\nG=1\nH=99999999999\nI=0x10\n");
    const auto* s = text.Section("s");
    EXPECT_EQ(s->Number("A"), 12);
    EXPECT_EQ(s->Number("B"), -3);
    EXPECT_EQ(s->Number("C"), 4);
    for (const char* bad : {"D", "E", "H", "I", "Nope"})
        EXPECT_FALSE(s->Number(bad).has_value()) << bad;
    EXPECT_FALSE(s->Flag("F")); // only exactly 1 is on
    EXPECT_TRUE(s->Flag("G"));
}

} // namespace
} // namespace orln7a
