#include "macros/macro_lines.h"

#include <gtest/gtest.h>

namespace orln7a {
namespace {

TEST(MacroLinesTest, BuildersWriteTheExactLineTexts) {
    struct Case {
        std::string built;
        std::string expected;
    };
    const Case cases[] = {
        {DelayLine(0), "0 0"},
        {DelayLine(1000), "0 1000"},
        {KeyLine(true, "A", 0x82, 0x04), "1 A CODE:8204"},
        {KeyLine(false, "", 0x02, 0x00), "2  CODE:0200"},
        {MouseLine(MacroMouseButton::Left, true), "1 LeftKey CODE:00A1"},
        {MouseLine(MacroMouseButton::Left, false), "2 LeftKey CODE:0021"},
        {MouseLine(MacroMouseButton::Right, true), "1 RightKey CODE:00A2"},
        {MouseLine(MacroMouseButton::Right, false), "2 RightKey CODE:0022"},
        {MouseLine(MacroMouseButton::Middle, true), "1 MiddleKey CODE:00A4"},
        {MouseLine(MacroMouseButton::Middle, false), "2 MiddleKey CODE:0024"},
        {MouseLine(MacroMouseButton::Forward, true), "1 Forward CODE:00A8"},
        {MouseLine(MacroMouseButton::Forward, false), "2 Forward CODE:0028"},
        {MouseLine(MacroMouseButton::Backward, true), "1 Backward CODE:00B0"},
        {MouseLine(MacroMouseButton::Backward, false), "2 Backward CODE:0030"},
        // Zero and negative moves take the second kind of their axis.
        {MoveLine(MacroAxis::X, 0), "4 FB00"},
        {MoveLine(MacroAxis::X, -12), "4 FBF4"},
        {MoveLine(MacroAxis::X, -128), "4 FB80"},
        {MoveLine(MacroAxis::X, 127), "3 FB7F"},
        {MoveLine(MacroAxis::Y, 1), "5 FA01"},
        {MoveLine(MacroAxis::Y, -1), "6 FAFF"},
        {MoveLine(MacroAxis::X, 300), "3 FB7F"},
        {MoveLine(MacroAxis::Y, -200), "6 FA80"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.built, c.expected);
}

TEST(MacroLinesTest, RecordedKeysUseListenerNamesAndModifierOrUsageCodes) {
    struct Case {
        bool press;
        int virtualKey;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        {true, 65, "1 A CODE:8204"},
        {false, 65, "2 A CODE:0204"},
        {true, 17, "1 Ctrl CODE:8101"},
        {false, 16, "2 Shift CODE:0102"},
        {true, 18, "1 Alt CODE:8104"},
        {true, 91, "1 Left Windows CODE:8108"},
        {false, 92, "2 Right Windows CODE:0180"},
        {true, 112, "1 F1 CODE:823A"},
        {true, 223, "1 OEM_8 CODE:8200"}, // named, but produces no usage
        {true, 7, "1 None CODE:8200"},    // unknown to the listener
        {true, 255, std::nullopt},        // ignored by every consumer
    };
    for (const auto& c : cases)
        EXPECT_EQ(RecordedKeyLine(c.press, c.virtualKey), c.expected) << c.virtualKey;
}

TEST(MacroLinesTest, RowTextAndIcon) {
    struct Case {
        std::string line;
        std::string text;
        int icon;
    };
    const Case cases[] = {
        {"0 1000", "1000 ms", 0},
        {"1 LeftKey CODE:00A1", "LeftKey", 1},
        {"2 Left Windows CODE:0108", "Left Windows", 2},
        {"1  CODE:8200", "", 1},
        {"3 FB7F", "X-Axis  127", 3},
        {"4 FB80", "X-Axis  -128", 4},
        {"4 FBF4", "X-Axis  -12", 4},
        {"4 FB00", "X-Axis  0", 4}, // a zero move reads 0, not -256
        {"5 FA01", "Y-Axis  1", 5},
        {"6 FA00", "Y-Axis  0", 6},
        // Text that is no event line is drawn without crashing.
        {"1", "", 1},
        {"4", "X-Axis  ", 4},
        {"9 FB00", "9 FB00", -1},
        {"", "", -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MacroRowText(c.line), c.text) << c.line;
        EXPECT_EQ(MacroRowIcon(c.line), c.icon) << c.line;
    }
}

TEST(MacroLinesTest, ParsingRefusesTextThatIsNoEventLine) {
    for (const char* bad :
         {"", "1", "0 ", "0 -5", "0 1x", "0 99999999999", "1 A CODE:82G4", "1 A CODE 8204",
          "1 CODE:8204", "3 FA01", "5 FB01", "3 FB0", "3 FB001", "7 FB00", "0x10", "10"})
        EXPECT_FALSE(ParseMacroEventLine(bad)) << bad;

    const auto key = ParseMacroEventLine("2 Page Up CODE:024B");
    ASSERT_TRUE(key);
    EXPECT_EQ(key->kind, MacroEventKind::KeyUp);
    EXPECT_EQ(key->keyName, "Page Up");
    EXPECT_EQ(key->codeClass, 0x02);
    EXPECT_EQ(key->codeValue, 0x4B);
    const auto move = ParseMacroEventLine("6 FAF4");
    ASSERT_TRUE(move);
    EXPECT_EQ(move->Amount(), -12);
}

TEST(MacroLinesTest, DelayModeHeaders) {
    struct Case {
        DelayModeHeader header;
        std::string text;
    };
    const Case cases[] = {
        {{DelayMode::Recorded, 0}, "10"},
        {{DelayMode::None, 0}, "00"},
        {{DelayMode::Fixed, 32}, "0132"},
        {{DelayMode::Fixed, 2040}, "012040"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DelayModeHeaderText(c.header), c.text);
        EXPECT_EQ(ParseDelayModeHeader(c.text), c.header) << c.text;
    }
    for (const char* bad : {"", "01", "01x", "11", "1 A CODE:8204"})
        EXPECT_FALSE(ParseDelayModeHeader(bad)) << bad;
}

TEST(MacroLinesTest, LinesKeepTheHeaderApartFromTheRows) {
    const std::vector<std::string> text{"00", "1 A CODE:8204", "2 A CODE:0204"};
    const MacroLines lines = MacroLines::FromLines(text);
    EXPECT_EQ(lines.header, "00");
    EXPECT_EQ(lines.events.size(), 2u);
    EXPECT_EQ(lines.Lines(), text);
    EXPECT_TRUE(MacroLines::FromLines({}).Empty());
    EXPECT_TRUE(MacroLines{}.Lines().empty());
    EXPECT_EQ(MacroLineNamePart("2 LeftKey CODE:0021"), "LeftKey");
}

} // namespace
} // namespace orln7a
