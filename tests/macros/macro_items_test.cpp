#include "macros/macro_items.h"
#include "macros/macro_lines.h"

#include <gtest/gtest.h>

namespace orln7a {
namespace {

// Line -> item bytes -> line. The rebuilt line may name a key differently (names come from
// the usage table then), but never codes it differently.
TEST(MacroItemsTest, LinesRoundTripThroughTheirItems) {
    struct Case {
        std::string line;
        Bytes items;
        std::string rebuilt;
    };
    const Case cases[] = {
        {"0 0", {0xFE, 0x00}, "0 0"},
        {"0 3", {0xFE, 0x00}, "0 0"},
        {"0 7", {0xFE, 0x00}, "0 0"},
        {"0 1000", {0xFE, 0x7D}, "0 1000"},
        {"0 2040", {0xFE, 0xFF}, "0 2040"},
        {"0 2047", {0xFE, 0xFF, 0xFE, 0x00}, "0 2040"},
        {"0 5000", {0xFE, 0xFF, 0xFE, 0xFF, 0xFE, 0x73}, "0 5000"},
        {"1 A CODE:8204", {0x82, 0x04}, "1 A CODE:8204"},
        {"2 A CODE:0204", {0x02, 0x04}, "2 A CODE:0204"},
        {"1 Ctrl CODE:8101", {0x81, 0x01}, "1 Ctrl CODE:8101"},
        {"2 Shift CODE:0102", {0x01, 0x02}, "2 Shift CODE:0102"},
        {"1 Alt CODE:8104", {0x81, 0x04}, "1 Alt CODE:8104"},
        {"1 Left Windows CODE:8108", {0x81, 0x08}, "1 Left Windows CODE:8108"},
        {"2 Right Windows CODE:0180", {0x01, 0x80}, "2 Right Windows CODE:0180"},
        {"1 Ctrl CODE:82E0", {0x82, 0xE0}, "1 Left Ctrl CODE:82E0"},
        {"1 OEM_8 CODE:8200", {0x82, 0x00}, "1  CODE:8200"},
        {"1 LeftKey CODE:00A1", {0xA1}, "1 LeftKey CODE:00A1"},
        {"2 LeftKey CODE:0021", {0x21}, "2 LeftKey CODE:0021"},
        {"1 RightKey CODE:00A2", {0xA2}, "1 RightKey CODE:00A2"},
        {"2 RightKey CODE:0022", {0x22}, "2 RightKey CODE:0022"},
        {"1 MiddleKey CODE:00A4", {0xA4}, "1 MiddleKey CODE:00A4"},
        {"2 MiddleKey CODE:0024", {0x24}, "2 MiddleKey CODE:0024"},
        {"1 Forward CODE:00A8", {0xA8}, "1 Forward CODE:00A8"},
        {"2 Forward CODE:0028", {0x28}, "2 Forward CODE:0028"},
        {"1 Backward CODE:00B0", {0xB0}, "1 Backward CODE:00B0"},
        {"2 Backward CODE:0030", {0x30}, "2 Backward CODE:0030"},
        {"3 FB7F", {0xFB, 0x7F}, "3 FB7F"},
        {"4 FB00", {0xFB, 0x00}, "4 FB00"},
        {"4 FB80", {0xFB, 0x80}, "4 FB80"},
        {"5 FA0C", {0xFA, 0x0C}, "5 FA0C"},
        {"6 FAF4", {0xFA, 0xF4}, "6 FAF4"},
    };
    for (const auto& c : cases) {
        const Bytes items = LineToItems(c.line);
        EXPECT_EQ(items, c.items) << c.line;
        const auto back = BodyToLines(items);
        ASSERT_EQ(back.size(), 1u) << c.line;
        EXPECT_EQ(back[0], c.rebuilt);
    }
}

TEST(MacroItemsTest, LinesThatAreNoEventsGiveNoBytes) {
    // A mouse value outside the vocabulary would otherwise end the body where it stands.
    for (const char* line : {"10", "00", "0132", "", "garbage", "1 X CODE:8304", "1 X CODE:0000",
                             "1 X CODE:00A3", "3 FA01"})
        EXPECT_TRUE(LineToItems(line).empty()) << line;
}

TEST(MacroItemsTest, BodiesReadBackWithMergedDelaysAndStopAtForeignBytes) {
    struct Case {
        const char* what;
        Bytes body;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"six full delay items make two lines",
         {0xFE, 0xFF, 0xFE, 0xFF, 0xFE, 0xFF, 0xFE, 0xFF, 0xFE, 0xFF, 0xFE, 0xFF},
         {"0 10200", "0 2040"}},
        {"short delays merge", {0xFE, 0x01, 0xFE, 0x01, 0xA1}, {"0 16", "1 LeftKey CODE:00A1"}},
        {"the repeat wrapper gives no lines",
         {0xFD, 0x02, 0xA1, 0x21, 0xFC},
         {"1 LeftKey CODE:00A1", "2 LeftKey CODE:0021"}},
        {"a zero byte ends the body", {0xA1, 0x00, 0x21}, {"1 LeftKey CODE:00A1"}},
        {"a foreign byte ends the body", {0xA1, 0x77, 0x21}, {"1 LeftKey CODE:00A1"}},
        {"an item cut short by the end is dropped", {0xFE, 0x10, 0xFE}, {"0 128"}},
        {"a lone key class byte", {0x82}, {}},
        {"a lone move byte", {0xFB}, {}},
        {"a lone repeat start", {0xFD}, {}},
        {"other modifier values are named by usage", {0x81, 0x10}, {"1 M CODE:8110"}},
        {"moves keep their sign", {0xFB, 0x05, 0xFA, 0x80}, {"3 FB05", "6 FA80"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BodyToLines(c.body), c.lines) << c.what;
}

TEST(MacroItemsTest, ItemToLineReportsWhatItConsumed) {
    const Bytes body{0xFE, 0x01, 0xFE, 0x02, 0xFC, 0x82, 0x04};
    const ItemLine delay = ItemToLine(body, 0);
    EXPECT_EQ(delay.line, "0 24");
    EXPECT_EQ(delay.consumed, 4u);
    const ItemLine end = ItemToLine(body, 4);
    EXPECT_FALSE(end.line);
    EXPECT_EQ(end.consumed, 1u);
    EXPECT_EQ(ItemToLine(body, 5).consumed, 2u);
    EXPECT_EQ(ItemToLine(body, 7).consumed, 0u);
    EXPECT_EQ(ItemToLine(body, 1000).consumed, 0u);
}

} // namespace
} // namespace orln7a
