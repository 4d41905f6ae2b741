#include "fire/fire_operand_scan.h"

#include <gtest/gtest.h>

namespace orln7a {
namespace {

using Pos = std::optional<std::size_t>;

FireMacroRecord Record(std::uint8_t releaseMode, const Bytes& operations) {
    auto record = MakeFireMacroRecord(releaseMode, operations);
    EXPECT_TRUE(record);
    return *record;
}

const Bytes kRecoil{0xFD, 0xFF, 0xA1, 0x21, 0xFB, 0x00, 0xFA, 0x04, 0xFE, 0x01, 0xFC};

TEST(FireOperandScanTest, FindsEachOperandOfWellFormedPrograms) {
    struct Case {
        const char* what;
        std::uint8_t releaseMode;
        Bytes operations;
        int count, x, y, intervalMs;
        FireOperandPositions positions;
    };
    const Case cases[] = {
        {"recoil pattern", 1, kRecoil, 256, 0, 4, 8, {Pos{3}, Pos{7}, Pos{9}, Pos{11}}},
        {"signed steps, longest delay",
         0,
         {0xFD, 0x1D, 0xA1, 0xFB, 0xF6, 0xFA, 0xFF, 0xFE, 0xFF, 0x21, 0xFC},
         30,
         -10,
         -1,
         2040,
         {Pos{3}, Pos{6}, Pos{8}, Pos{10}}},
        // Only a delay after the Y move is the shot interval.
        {"delay before Y",
         0,
         {0xFE, 0x05, 0xFA, 0x03, 0xA1, 0xFE, 0x02},
         0,
         0,
         3,
         16,
         {Pos{}, Pos{}, Pos{5}, Pos{8}}},
        {"Y without delay", 0, {0xA1, 0xFA, 0x03, 0x21}, 0, 0, 3, 0, {Pos{}, Pos{}, Pos{4}, Pos{}}},
        {"later repeat wins",
         0,
         {0xFD, 0x01, 0xFC, 0xFD, 0x09, 0xFC},
         10,
         0,
         0,
         0,
         {Pos{6}, Pos{}, Pos{}, Pos{}}},
        {"no operations", 1, {}, 0, 0, 0, 0, {}},
    };
    for (const auto& c : cases) {
        const auto scan = ScanFireMacroRecord(Record(c.releaseMode, c.operations));
        EXPECT_TRUE(scan.releaseModeKnown) << c.what;
        EXPECT_EQ(scan.stopOnRelease, c.releaseMode == 1) << c.what;
        EXPECT_TRUE(scan.editable) << c.what;
        EXPECT_EQ(scan.count, c.count) << c.what;
        EXPECT_EQ(scan.x, c.x) << c.what;
        EXPECT_EQ(scan.y, c.y) << c.what;
        EXPECT_EQ(scan.intervalMs, c.intervalMs) << c.what;
        EXPECT_EQ(scan.positions, c.positions) << c.what;
        EXPECT_FALSE(scan.stoppedAt) << c.what;
    }
}

TEST(FireOperandScanTest, StopsAtBytesItDoesNotUnderstand) {
    struct Case {
        const char* what;
        Bytes operations;
        std::size_t stoppedAt;
        FireOperandPositions positions;
    };
    const Case cases[] = {
        {"unknown code", {0xFB, 0x02, 0x22, 0xFD, 0x04}, 4, {Pos{}, Pos{3}, Pos{}, Pos{}}},
        {"zero byte", {0x00, 0xFD, 0x04}, 2, {}},
        // The operand of a last FD would be the check byte.
        {"operation cut short", {0xA1, 0xFD}, 3, {}},
    };
    for (const auto& c : cases) {
        const auto scan = ScanFireMacroRecord(Record(0, c.operations));
        EXPECT_TRUE(scan.editable) << c.what;
        EXPECT_EQ(scan.stoppedAt, Pos{c.stoppedAt}) << c.what;
        EXPECT_EQ(scan.positions, c.positions) << c.what;
        EXPECT_EQ(scan.count, 0) << c.what;
    }
}

TEST(FireOperandScanTest, RecordsThatMayNotBeEditedShowZeros) {
    FireMacroRecord unknownMode = Record(1, kRecoil);
    unknownMode.releaseMode = 2;
    FireMacroRecord tooLong = Record(1, kRecoil);
    tooLong.length = 23;
    FireMacroRecord huge = Record(0, kRecoil);
    huge.length = 0xFF;
    const FireMacroRecord empty;

    struct Case {
        const char* what;
        FireMacroRecord record;
        bool releaseModeKnown;
    };
    const Case cases[] = {
        {"release mode 2", unknownMode, false},
        {"length 23", tooLong, true},
        {"length 255", huge, true},
        {"empty", empty, true},
    };
    for (const auto& c : cases) {
        const auto scan = ScanFireMacroRecord(c.record);
        EXPECT_EQ(scan.releaseModeKnown, c.releaseModeKnown) << c.what;
        EXPECT_FALSE(scan.editable) << c.what;
        EXPECT_EQ(scan.positions, FireOperandPositions{}) << c.what;
        EXPECT_EQ(scan.count + scan.x + scan.y + scan.intervalMs, 0) << c.what;

        // Even with positions from a sound record, nothing is written into them.
        FireMacroRecord record = c.record;
        const auto positions = ScanFireMacroRecord(Record(1, kRecoil)).positions;
        EXPECT_FALSE(SetFireOperand(record, positions, FireOperand::Count, 5)) << c.what;
        EXPECT_EQ(record, c.record) << c.what;
    }
}

TEST(FireOperandScanTest, EditsStoreTheNearestAllowedValueAndRestampTheCheck) {
    struct Case {
        FireOperand operand;
        int value;
        std::size_t at;
        std::uint8_t stored;
        int shown;
    };
    const Case cases[] = {
        {FireOperand::Count, 300, 3, 0xFF, 256},  {FireOperand::Count, 0, 3, 0x00, 1},
        {FireOperand::Count, 12, 3, 0x0B, 12},    {FireOperand::X, -128, 7, 0x80, -128},
        {FireOperand::X, 200, 7, 0x7F, 127},      {FireOperand::X, -5, 7, 0xFB, -5},
        {FireOperand::Y, 100, 9, 0x64, 100},      {FireOperand::Y, -3, 9, 0x00, 0},
        {FireOperand::Y, 500, 9, 0x7F, 127},      {FireOperand::Interval, 2045, 11, 0xFF, 2040},
        {FireOperand::Interval, 15, 11, 0x01, 8}, {FireOperand::Interval, 7, 11, 0x00, 0},
    };
    for (const auto& c : cases) {
        FireMacroRecord record = Record(1, kRecoil);
        const auto positions = ScanFireMacroRecord(record).positions;
        ASSERT_TRUE(SetFireOperand(record, positions, c.operand, c.value)) << c.value;
        EXPECT_EQ(record.ByteAt(c.at), c.stored) << c.value;
        EXPECT_EQ(record.ByteAt(13), FireMacroCheckByte(record)) << c.value;
        EXPECT_EQ(record.length, 12);
        const auto rescan = ScanFireMacroRecord(record);
        const int shown[] = {rescan.count, rescan.x, rescan.y, rescan.intervalMs};
        EXPECT_EQ(shown[static_cast<int>(c.operand)], c.shown) << c.value;
    }
}

TEST(FireOperandScanTest, EditsWithoutAPlaceToWriteAreRefused) {
    const FireMacroRecord noMoves =
        Record(0, {0xFD, 0x03, 0xA1, 0x21, 0xA1, 0x21, 0xA1, 0x21, 0xA1, 0x21, 0xFC});
    FireMacroRecord record = noMoves;
    const auto positions = ScanFireMacroRecord(record).positions;
    EXPECT_FALSE(SetFireOperand(record, positions, FireOperand::Y, 4));
    EXPECT_FALSE(SetFireOperand(record, positions, FireOperand::Interval, 80));
    // Positions found in another record of the same length point at bytes that are no
    // operands here.
    const auto stale = ScanFireMacroRecord(Record(1, kRecoil)).positions;
    EXPECT_FALSE(SetFireOperand(record, stale, FireOperand::X, 4));
    EXPECT_FALSE(SetFireOperand(record, stale, FireOperand::Interval, 80));
    EXPECT_EQ(record, noMoves);
    EXPECT_TRUE(SetFireOperand(record, positions, FireOperand::Count, 2));
}

TEST(FireOperandScanTest, ReleaseModeSwitchLeavesTheCheckAndAddressAlone) {
    FireMacroRecord record = Record(1, kRecoil);
    const FireMacroRecord before = record;
    FireMacroKey key = FireMacroKeyFor(3, true);
    SetFireReleaseMode(record, key, false);
    EXPECT_EQ(record.releaseMode, 0);
    EXPECT_EQ(key, (FireMacroKey{0x0B, 0x05, 0x31}));
    EXPECT_EQ(record.ByteAt(13), before.ByteAt(13));
    SetFireReleaseMode(record, key, true);
    EXPECT_EQ(record, before);
    EXPECT_EQ(key, (FireMacroKey{0x0E, 0x05, 0x31}));
}

TEST(FireOperandScanTest, YOffsetKeepsTheSumOfYAndOffsetInRange) {
    struct Case {
        long long offset;
        int y;
        int stored;
    };
    const Case cases[] = {
        {50, 100, 27}, {-128, 0, -128}, {-128, -10, -118}, {300, 0, 127},
        {1, 127, 0},   {-200, 5, -128}, {127, -128, 127},
    };
    for (const auto& c : cases) {
        YOffsetPair pair;
        EXPECT_EQ(SetFireYOffset(pair, c.offset, c.y), c.stored) << c.offset << " " << c.y;
        EXPECT_EQ(pair.Offset(), c.stored);
        EXPECT_EQ(pair.complement, static_cast<std::uint8_t>(~pair.value));
    }
}

TEST(FireOperandScanTest, EditBoxTextIsReplacedOnlyWhenNotAllowed) {
    struct Case {
        FireField field;
        const char* text;
        int y;
        bool typing, replace;
        int value;
    };
    const Case cases[] = {
        {FireField::Count, "300", 0, false, true, 256},
        {FireField::Count, "", 0, false, true, 1},
        {FireField::Count, "0", 0, false, true, 1},
        {FireField::Count, "12", 0, false, false, 12},
        {FireField::Count, "1a", 0, false, true, 1},
        {FireField::X, "-", 0, true, false, 0},
        {FireField::X, "-200", 0, false, true, -128},
        {FireField::X, "", 0, false, true, 0},
        {FireField::X, "-7", 0, false, false, -7},
        {FireField::Y, "-5", 0, false, true, 0},
        {FireField::Y, "128", 0, false, true, 127},
        {FireField::Y, "-", 0, false, true, 0},
        {FireField::YOffset, "50", 100, false, true, 27},
        {FireField::YOffset, "-", 100, true, false, 0},
        {FireField::YOffset, "-128", 0, false, false, -128},
        {FireField::Interval, "2045", 0, false, true, 2040},
        {FireField::Interval, "99999999999999999999999", 0, false, true, 2040},
        {FireField::Interval, "15", 0, false, false, 15},
    };
    for (const auto& c : cases) {
        const auto input = ReadFireField(c.field, c.text, c.y);
        EXPECT_EQ(input.typing, c.typing) << c.text;
        EXPECT_EQ(input.replace, c.replace) << c.text;
        if (!c.typing) {
            EXPECT_EQ(input.value, c.value) << c.text;
        }
    }
}

} // namespace
} // namespace orln7a
