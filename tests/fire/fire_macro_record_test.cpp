#include "fire/fire_macro_record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

namespace orln7a {
namespace {

TEST(FireMacroRecordTest, CheckByteCoversLengthAndOperationsOnly) {
    struct Case {
        std::uint8_t releaseMode;
        Bytes operations;
        std::uint8_t check;
    };
    const Case cases[] = {
        // 256 shots of press, release, Y step 4, 8 ms.
        {1, {0xFD, 0xFF, 0xA1, 0x21, 0xFB, 0x00, 0xFA, 0x04, 0xFE, 0x01, 0xFC}, 0xE4},
        {0, {0xFD, 0xFF, 0xA1, 0x21, 0xFB, 0x00, 0xFA, 0x04, 0xFE, 0x01, 0xFC}, 0xE4},
        // Length 0x0A plus these bytes sum to 0x52A.
        {0, {0xFD, 0x02, 0xA1, 0xFE, 0x03, 0x21, 0xFE, 0x64, 0xFC}, 0x70},
        {1, {}, 0x01 ^ 0x5A},
    };
    for (const auto& c : cases) {
        auto record = MakeFireMacroRecord(c.releaseMode, c.operations);
        ASSERT_TRUE(record);
        const std::size_t length = c.operations.size() + 1;
        EXPECT_EQ(record->length, length);
        EXPECT_EQ(record->ByteAt(length + 1), c.check) << "length " << length;
        EXPECT_EQ(FireMacroCheckByte(*record), c.check);
    }
}

TEST(FireMacroRecordTest, ChecksumRefusesRecordsItWouldCorrupt) {
    FireMacroRecord longest;
    longest.length = 22;
    longest.program.fill(0xA1);
    ASSERT_TRUE(FireMacroChecksum(longest));
    EXPECT_EQ(longest.ByteAt(23), FireMacroCheckByte(longest));

    for (const std::uint8_t length : {0, 23, 0x5A, 0xFF}) {
        FireMacroRecord record;
        record.length = length;
        record.program.fill(0x11);
        const FireMacroRecord before = record;
        EXPECT_FALSE(FireMacroChecksum(record)) << int(length);
        EXPECT_EQ(record, before) << int(length);
        EXPECT_FALSE(FireMacroCheckByte(record));
    }
    EXPECT_FALSE(MakeFireMacroRecord(0, Bytes(22, 0xA1)));
    EXPECT_TRUE(MakeFireMacroRecord(0, Bytes(21, 0xA1)));
}

TEST(FireMacroRecordTest, SplitAndJoinKeepEveryByteAndTheSpareTail) {
    FireMacroArea area;
    std::iota(area.begin(), area.end(), std::uint8_t{3});
    FireMacroRecords records = SplitFireMacroArea(area);
    for (std::size_t r = 0; r < kFireMacroRecordCount; ++r)
        for (std::size_t i = 0; i < kFireMacroRecordSize; ++i)
            ASSERT_EQ(records[r].ByteAt(i), area[24 * r + i]) << r << " " << i;

    // Joining into an area with other spare bytes keeps them; only the edited record changes.
    records[9].SetByteAt(5, 0xEE);
    FireMacroArea target;
    target.fill(0x77);
    JoinFireMacroArea(records, target);
    for (std::size_t i = 0; i < kFireMacroAreaSize; ++i) {
        const std::uint8_t expected = i >= 240 ? 0x77 : (i == 24 * 9 + 5 ? 0xEE : area[i]);
        EXPECT_EQ(target[i], expected) << i;
    }
}

TEST(FireMacroRecordTest, ZeroAreaIsTenEmptyRecordsAndShortInputIsPadded) {
    for (const auto& record : SplitFireMacroArea(FireMacroArea{}))
        EXPECT_TRUE(record.IsEmpty());

    const Bytes few{1, 3, 0xA1, 0x21};
    const auto record = FireMacroRecordFromBytes(few);
    const auto bytes = FireMacroRecordBytes(record);
    EXPECT_TRUE(std::equal(few.begin(), few.end(), bytes.begin()));
    EXPECT_TRUE(std::all_of(bytes.begin() + 4, bytes.end(), [](auto b) { return b == 0; }));
    EXPECT_EQ(record.ByteAt(24), 0);
    FireMacroRecord copy = record;
    EXPECT_FALSE(copy.SetByteAt(24, 1));
    EXPECT_EQ(copy, record);
}

TEST(FireMacroRecordTest, AreaMovesInAndOutOfTheImageAtItsAddress) {
    Bytes image(2048, 0);
    image[0x500] = 0x42;
    image[0x5FF] = 0x43;
    auto area = FireMacroAreaFromImage(image);
    ASSERT_TRUE(area);
    EXPECT_EQ((*area)[0], 0x42);
    EXPECT_EQ((*area)[255], 0x43);

    (*area)[1] = 0x99;
    ASSERT_TRUE(StoreFireMacroArea(*area, image));
    EXPECT_EQ(image[0x501], 0x99);
    EXPECT_EQ(image[0x4FF], 0);
    EXPECT_EQ(image[0x600], 0);

    Bytes shortImage(0x5FF, 0);
    EXPECT_FALSE(FireMacroAreaFromImage(shortImage));
    EXPECT_FALSE(StoreFireMacroArea(*area, shortImage));
}

} // namespace
} // namespace orln7a
