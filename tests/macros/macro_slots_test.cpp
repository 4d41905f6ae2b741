#include "macros/macro_slots.h"

#include <gtest/gtest.h>

#include <set>

namespace orln7a {
namespace {

TEST(MacroSlotsTest, SlotTable) {
    struct Case {
        int slot;
        std::uint16_t area, id, block;
    };
    const Case cases[] = {
        {1, 0x0100, 0x0121, 0x0120}, {2, 0x0200, 0x0221, 0x0220}, {3, 0x0300, 0x0321, 0x0320},
        {4, 0x0400, 0x0421, 0x0420}, {5, 0x0600, 0x0621, 0x0620}, {6, 0x0700, 0x0721, 0x0720},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BaseMacroSlotArea(c.slot), c.area);
        EXPECT_EQ(BaseMacroSlotIds[c.slot - 1], c.id);
        EXPECT_EQ(BaseMacroSlotBlockAddress(c.slot), c.block);
    }
    EXPECT_EQ(BaseMacroSlotArea(0), 0);
    EXPECT_EQ(BaseMacroSlotArea(7), 0);
    EXPECT_EQ(BaseMacroSlotCode(5, true), "0E0621");
    EXPECT_EQ(BaseMacroSlotCode(1, false), "060121");
    EXPECT_EQ(BaseMacroSlotCode(7, false), "");
}

struct SlotFixture {
    std::vector<std::string> codes = std::vector<std::string>(18, "010100");
    MacroSlots slots{};

    // Uses slots through buttons of both key modes, with both macro types.
    void Use(const std::set<int>& used) {
        std::size_t button = 0;
        for (int slot : used) {
            codes[button] = BaseMacroSlotCode(slot, slot % 2 == 0);
            button += 3; // spreads over both key modes
        }
    }
    void Name(int slot, std::string_view name) {
        slots[slot - 1].name = MacroNameStrToUnicode(name);
    }
};

TEST(MacroSlotsTest, FindBaseMacroCountChoosesAFreeOrSharedSlot) {
    struct Case {
        const char* what;
        std::set<int> used;
        std::vector<int> sameNameSlots; // slots that already hold a macro named like the chosen
        int expected;
    };
    const Case cases[] = {
        {"no slot used", {}, {}, 1},
        {"next after the lowest", {1}, {}, 2},
        {"shared by name", {1, 2}, {2}, 2},
        {"same name in two slots is no match", {1, 2}, {1, 2}, 3},
        {"gap between used slots", {1, 3}, {}, 2},
        {"count when no gap rule holds", {3, 4}, {}, 2},
        {"gap before slot 2", {2}, {}, 1},
        {"no name reuse outside the lowest slots", {2}, {2}, 1},
        {"all used", {1, 2, 3, 4, 5, 6}, {}, kNoFreeMacroSlot},
        {"all used but shared by name", {1, 2, 3, 4, 5, 6}, {4}, 4},
        // Where the gap rules would name a slot another button plays, the lowest free one.
        {"count names a used slot", {3, 4, 5}, {}, 1},
        {"count names a used slot behind a gap", {1, 4, 5, 6}, {}, 2},
        {"count names a used slot at the top", {3, 4, 5, 6}, {}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SlotFixture f;
        f.Use(c.used);
        for (int slot : c.sameNameSlots)
            f.Name(slot, "Combo");
        EXPECT_EQ(FindBaseMacroCount(f.codes, MacroNameStrToUnicode("Combo"), f.slots), c.expected);
    }
}

TEST(MacroSlotsTest, FindBaseMacroCountNeverTakesAPlayedSlot) {
    for (int mask = 0; mask < 64; ++mask) {
        std::set<int> used;
        for (int slot = 1; slot <= 6; ++slot)
            if (mask & (1 << (slot - 1)))
                used.insert(slot);
        SlotFixture f;
        f.Use(used);
        const int slot = FindBaseMacroCount(f.codes, MacroNameStrToUnicode("New"), f.slots);
        const bool fine = used.size() == 6 ? slot == kNoFreeMacroSlot
                                           : slot >= 1 && slot <= 6 && !used.count(slot);
        EXPECT_TRUE(fine) << mask << " -> " << slot;
    }
}

TEST(MacroSlotsTest, OnlyMacroCodesWithSlotIdentifiersUseSlots) {
    SlotFixture f;
    f.codes[0] = "0600F0"; // rapid fire
    f.codes[1] = "060521"; // the fire macro area is no slot
    f.codes[2] = "070121"; // not a macro type
    f.codes[3] = "06012";  // broken text
    f.codes[4] = "000000";
    EXPECT_EQ(FindBaseMacroCount(f.codes, MacroNameStrToUnicode("X"), f.slots), 1);
}

MacroSlots SampleSlots() {
    MacroSlots slots{};
    for (int slot = 1; slot <= kBaseMacroSlotCount; ++slot) {
        MacroLines lines;
        lines.events = {"1 A CODE:8204", "0 " + std::to_string(slot * 8), "2 A CODE:0204"};
        slots[slot - 1].name = MacroNameStrToUnicode("Slot " + std::to_string(slot));
        EXPECT_TRUE(EncodeMacroLines(lines, {}, slots[slot - 1].block));
    }
    return slots;
}

TEST(MacroSlotsTest, SlotsRoundTripThroughTheImageAndLeaveTheFireAreaAlone) {
    Bytes image(2048, 0x77);
    const MacroSlots slots = SampleSlots();
    RefreshBaseMacroBuf(slots, image);
    EXPECT_EQ(image[0x0500], 0x77);
    EXPECT_EQ(image[0x05FF], 0x77);
    EXPECT_EQ(image[0x00FF], 0x77);
    EXPECT_EQ(image[0x0321], slots[2].block[1]);
    EXPECT_EQ(ReadAndRefreshMacro(image), slots);
    const auto names = RefreshMacroName(slots);
    EXPECT_EQ(names[0], "Slot 1");
    EXPECT_EQ(names[5], "Slot 6");
}

TEST(MacroSlotsTest, DamagedBlocksOfTheFirstFourSlotsAreEmptied) {
    const MacroSlots slots = SampleSlots();
    Bytes image(2048, 0);
    RefreshBaseMacroBuf(slots, image);
    image[0x0320 + 2] ^= 0x01; // slot 3 body
    image[0x0620 + 2] ^= 0x01; // slot 5 body: not checked
    const MacroSlots read = ReadAndRefreshMacro(image);
    EXPECT_EQ(read[2].block, MacroBlock{});
    EXPECT_EQ(read[2].name, slots[2].name);
    EXPECT_NE(read[4].block, slots[4].block);
    EXPECT_EQ(read[4].block[2], slots[4].block[2] ^ 0x01);
    EXPECT_EQ(RefreshMacroName(read)[2], "Slot 3");

    // Erased memory: length 255 fails the check.
    Bytes erased(2048, 0xFF);
    const MacroSlots blank = ReadAndRefreshMacro(erased);
    for (int slot = 0; slot < 4; ++slot)
        EXPECT_EQ(blank[slot].block, MacroBlock{});
    EXPECT_EQ(blank[4].block[1], 0xFF);
}

TEST(MacroSlotsTest, ShortImagesAreReadAndWrittenOnlyAsFarAsTheyReach) {
    const MacroSlots slots = SampleSlots();
    Bytes image(0x0310, 0);
    RefreshBaseMacroBuf(slots, image); // slots 1 and 2 fit, the rest is skipped
    const MacroSlots read = ReadAndRefreshMacro(image);
    EXPECT_EQ(read[0], slots[0]);
    EXPECT_EQ(read[1], slots[1]);
    EXPECT_EQ(read[2], MacroEntry{});
    EXPECT_EQ(ReadAndRefreshMacro({}), MacroSlots{});
}

} // namespace
} // namespace orln7a
