#include "image/image_codec.h"

#include "image/section_checks.h"
#include "image_test_support.h"

#include <gtest/gtest.h>

#include <random>

namespace orln7a {
namespace {

using testing_support::Default;
using testing_support::RandomValidCopy;

WorkingCopy Cfg1() {
    return LoadWorkingCopy(Default(0));
}

SettingsStore Read(const WorkingCopy& copy) {
    SettingsStore store;
    ReadImageIntoStore(copy, store);
    return store;
}

WorkingCopy Build(const SettingsStore& store, WorkingCopy copy) {
    BuildImageFromStore(store, copy);
    return copy;
}

TEST(ImageCodec, RadioPairsFollowTheirBitAndNeitherLeavesIt) {
    struct Case {
        RadioPair SettingsStore::*pair;
        std::size_t offset; // in parameter A
        std::uint8_t mask;
    };
    const Case cases[] = {
        {&SettingsStore::b4CpiSwitch, 0x00, 0x01},
        {&SettingsStore::fireFn, 0x00, 0x02},
        {&SettingsStore::lCpiSwitch, 0x00, 0x04},
        {&SettingsStore::keyModeNotSaved, 0x00, 0x08},
        {&SettingsStore::mcuLedFullBrightness, 0x03, 0x08},
    };
    for (const Case& c : cases) {
        for (const bool bitSet : {false, true}) {
            WorkingCopy copy = Cfg1();
            std::uint8_t& byte = copy.parameterA[c.offset];
            byte = static_cast<std::uint8_t>(bitSet ? byte | c.mask : byte & ~c.mask);
            SettingsStore store = Read(copy);
            EXPECT_EQ(store.*c.pair, RadioPair(bitSet)) << c.offset << "/" << int(c.mask);

            store.*c.pair = !bitSet;
            const WorkingCopy flipped = Build(store, copy);
            EXPECT_EQ(flipped.parameterA[c.offset], byte ^ c.mask);

            store.*c.pair = std::nullopt;
            EXPECT_EQ(Build(store, copy).parameterA[c.offset], byte);
        }
    }
    // The LED flashing pair lives in the LED state byte.
    WorkingCopy copy = Cfg1();
    SettingsStore store = Read(copy);
    EXPECT_EQ(store.ledFlashOff, RadioPair(false));
    store.ledFlashOff = true;
    EXPECT_EQ(Build(store, copy).parameterB[2], 0x2A);
    copy.parameterB[2] = 0x2A;
    store.ledFlashOff = std::nullopt;
    EXPECT_EQ(Build(store, copy).parameterB[2], 0x2A);
}

TEST(ImageCodec, SensorOrientationItemsAndCodes) {
    const std::uint8_t codes[] = {7, 2, 4, 1, 6, 5, 0, 3};
    for (int item = 0; item < 8; ++item) {
        WorkingCopy copy = Cfg1();
        SettingsStore store = Read(copy);
        store.sensorOrientation = item;
        copy = Build(store, copy);
        EXPECT_EQ((copy.parameterA[0] >> 4) & 7, codes[item]) << item;
        EXPECT_EQ(copy.parameterA[0] & 0x8F, 0x45 & 0x8F); // the other bits of 0x45 stay
        EXPECT_EQ(Read(copy).sensorOrientation, item);
    }
}

TEST(ImageCodec, LedTypeTableBothWays) {
    struct Case {
        std::uint8_t switchBits;
        std::uint8_t pressBits;
        LedType type;
    };
    // Decoding: bit 7 of 0x00 clear is the flowing light whatever 0x01 says.
    const Case decode[] = {
        {0x00, 0x00, LedType::MCULED},  {0x00, 0x18, LedType::MCULED},
        {0x80, 0x08, LedType::RBLED},   {0x80, 0x18, LedType::RBLED},
        {0x80, 0x00, LedType::SyncLED}, {0x80, 0x10, LedType::BreLED},
    };
    for (const Case& c : decode)
        EXPECT_EQ(DecodeLedType(c.switchBits, c.pressBits), c.type) << int(c.pressBits);

    // Encoding into a byte pair that starts as each of the types.
    const Case encode[] = {
        {0x00, 0x08, LedType::MCULED}, // bit 4 kept (0 here)
        {0x80, 0x08, LedType::RBLED},
        {0x80, 0x00, LedType::SyncLED},
        {0x80, 0x10, LedType::BreLED},
    };
    const std::uint8_t starts[][2] = {{0x00, 0x08}, {0x80, 0x08}, {0x80, 0x00}, {0x80, 0x10}};
    for (const auto& start : starts) {
        for (const Case& c : encode) {
            WorkingCopy copy = Cfg1();
            copy.parameterA[0] = static_cast<std::uint8_t>((0x45 & 0x7F) | start[0]);
            copy.parameterA[1] = static_cast<std::uint8_t>((0xF8 & ~0x18) | start[1]);
            SettingsStore store = Read(copy);
            store.ledType = c.type;
            const WorkingCopy built = Build(store, copy);
            EXPECT_EQ(built.parameterA[0] & 0x80, c.switchBits);
            const std::uint8_t keptBit4 = c.type == LedType::MCULED || c.type == LedType::RBLED
                                              ? (start[1] & 0x10)
                                              : (c.pressBits & 0x10);
            EXPECT_EQ(built.parameterA[1] & 0x18, (c.pressBits & 0x08) | keptBit4)
                << LedTypeName(c.type) << " from " << int(start[1]);
            EXPECT_EQ(built.parameterA[1] & ~0x18, 0xF8 & ~0x18);
        }
    }

    // A flowing light read from bits 0x00/0x00 goes back with exactly those bits.
    WorkingCopy odd = Cfg1();
    odd.parameterA[1] = 0xE0;
    EXPECT_EQ(Build(Read(odd), odd).parameterA[1], 0xE0);
}

TEST(ImageCodec, LedCountNibble) {
    struct Case {
        std::uint8_t byte3;
        const char* shown; // with "7" in the holder before reading
    };
    const Case reads[] = {{0x08, "13"}, {0x38, "10"}, {0x98, "4"},
                          {0xA8, "7"},  {0xF0, "7"},  {0x90, "4"}};
    for (const Case& c : reads) {
        WorkingCopy copy = Cfg1();
        copy.parameterA[3] = c.byte3;
        SettingsStore store;
        store.mcuLedNum = "7";
        ReadImageIntoStore(copy, store);
        EXPECT_EQ(store.mcuLedNum, c.shown) << int(c.byte3);
    }

    struct Write {
        const char* text;
        std::uint8_t byte3; // starting from 0x3F
    };
    const Write writes[] = {{"4", 0x9F},  {"13", 0x0F}, {"10", 0x3F}, {"3", 0x3F},
                            {"14", 0x3F}, {"", 0x3F},   {"x", 0x3F}};
    for (const Write& w : writes) {
        WorkingCopy copy = Cfg1();
        copy.parameterA[3] = 0x3F;
        SettingsStore store = Read(copy);
        store.mcuLedNum = w.text;
        EXPECT_EQ(Build(store, copy).parameterA[3], w.byte3) << w.text;
    }
}

TEST(ImageCodec, DpiLevelsCountAndCurrentLevel) {
    WorkingCopy copy = Cfg1();
    copy.parameterA[0x08] = 0xFF; // level 3 without a value
    copy.parameterA[0x0C] = 0x0C; // level 7 beyond the list
    SettingsStore store = Read(copy);
    EXPECT_EQ(store.cpiStep, 4); // six levels
    EXPECT_EQ(store.cpi[0], 1);
    EXPECT_EQ(store.cpi[1], 4);
    EXPECT_EQ(store.cpi[2], kNoItem);
    EXPECT_EQ(store.cpi[6], kNoItem);
    EXPECT_EQ(store.currentCpi, 1);
    EXPECT_EQ(Build(store, copy), copy);

    store.cpi[2] = 11;
    store.cpi[3] = 12; // no such value: left as it was
    store.cpiStep = 0;
    store.currentCpi = 6;
    const WorkingCopy built = Build(store, copy);
    EXPECT_EQ(built.parameterA[0x08], 11);
    EXPECT_EQ(built.parameterA[0x09], copy.parameterA[0x09]);
    EXPECT_EQ(built.parameterA[0x02], 2);
    EXPECT_EQ(built.parameterB[0], 6);
    EXPECT_EQ(built.parameterB[1], 0xF9);

    copy.parameterA[0x02] = 9;
    copy.parameterB[0] = 0x80;
    copy.parameterB[1] = 0x7F;
    store = Read(copy);
    EXPECT_EQ(store.cpiStep, kNoItem);
    EXPECT_EQ(store.currentCpi, kNoItem);
    EXPECT_EQ(Build(store, copy), copy);
}

TEST(ImageCodec, ColourTextsClampAndNonNumbersLeaveTheByte) {
    struct Case {
        const char* text;
        std::uint8_t byte; // starting from 0x42
    };
    const Case cases[] = {{"0", 0},  {"255", 255}, {"17", 17},    {"300", 255},
                          {"-4", 0}, {"", 0x42},   {"12a", 0x42}, {"99999999999", 255}};
    for (const Case& c : cases) {
        WorkingCopy copy = Cfg1();
        copy.parameterA[0x1A + 3 * 6 + 2] = 0x42; // level 7 blue
        copy.fireMacroColorTable[3 * 9] = 0x42;   // fire macro 10 red
        SettingsStore store = Read(copy);
        store.cpiColor[6].b = c.text;
        store.fireMacroColor[9].r = c.text;
        const WorkingCopy built = Build(store, copy);
        EXPECT_EQ(built.parameterA[0x2E], c.byte) << c.text;
        EXPECT_EQ(built.fireMacroColorTable[27], c.byte) << c.text;
    }
}

TEST(ImageCodec, LedStateByType) {
    struct Case {
        LedType type;
        int mcuMode, rbMode;
        const char* step;
        bool flashOff;
        std::uint8_t state;
    };
    const Case cases[] = {
        {LedType::MCULED, 1, 5, "1", false, 0x22},
        {LedType::MCULED, 6, 0, "7", true, 0xEF},
        {LedType::MCULED, kNoItem, 0, "0", false, 0x00},
        {LedType::MCULED, 0, 0, "9", false, 0xE1}, // step clamped to 7
        {LedType::RBLED, 1, 3, "5", false, 0x04},  // no step for the two-colour light
        {LedType::SyncLED, 3, 3, "5", true, 0x08},
        {LedType::BreLED, 3, 3, "5", false, 0x00},
    };
    for (const Case& c : cases) {
        WorkingCopy copy = Cfg1();
        copy.parameterB[2] = 0x10; // bit 4 is always written as 0
        copy.parameterB[3] = 0xEF;
        SettingsStore store = Read(copy);
        store.ledType = c.type;
        store.mcuLedCurrentMode = c.mcuMode;
        store.rbLedCurrentMode = c.rbMode;
        store.mcuLedCrtStep = c.step;
        store.ledFlashOff = c.flashOff;
        const WorkingCopy built = Build(store, copy);
        EXPECT_EQ(built.parameterB[2], c.state) << LedTypeName(c.type) << " " << c.step;
        EXPECT_EQ(built.parameterB[3], 0xFF - c.state);
    }
    // A step that is no number keeps the step that was read.
    WorkingCopy copy = Cfg1();
    copy.parameterB[2] = 0x62;
    SettingsStore store = Read(copy);
    store.mcuLedCrtStep = "";
    EXPECT_EQ(Build(store, copy).parameterB[2], 0x62);
}

TEST(ImageCodec, FlowingLightExampleDecodes) {
    WorkingCopy copy = Cfg1(); // 0x00 45, 0x01 F8, 0x03 38, 0x04 FF, 0x32 22
    const SettingsStore store = Read(copy);
    EXPECT_EQ(store.ledType, LedType::MCULED);
    EXPECT_EQ(store.mcuLedFullBrightness, RadioPair(true));
    EXPECT_EQ(store.mcuLedNum, "10");
    for (const bool offered : store.mcuLedModes)
        EXPECT_TRUE(offered);
    EXPECT_EQ(store.mcuLedCurrentMode, 1);
    EXPECT_EQ(store.ledFlashOff, RadioPair(false));
    EXPECT_EQ(store.mcuLedCrtStep, "1");
}

TEST(ImageCodec, OfferedModesAreWrittenOnlyForTheFlowingLight) {
    WorkingCopy copy = Cfg1();
    copy.parameterA[4] = 0xF6; // bit 0 clear, mode 3 (bit 3) missing
    SettingsStore store = Read(copy);
    EXPECT_FALSE(store.mcuLedModes[2]);
    EXPECT_TRUE(store.mcuLedModes[0]);
    EXPECT_EQ(Build(store, copy).parameterA[4], 0xF7);
    store.mcuLedModes[6] = false;
    EXPECT_EQ(Build(store, copy).parameterA[4], 0x77);

    store.ledType = LedType::RBLED;
    EXPECT_EQ(Build(store, copy).parameterA[4], 0xF6);
}

TEST(ImageCodec, FieldsWithoutAnEditorGoBackAsRead) {
    WorkingCopy copy = Cfg1();
    copy.parameterA[0] = static_cast<std::uint8_t>((copy.parameterA[0] & 0x8F) | (4 << 4) | 0x02);
    copy.parameterA[1] |= 0x20 | 0xC0; // smoothing, and the two kept bits
    copy.parameterB[6] = 7;
    copy.parameterB[7] = 9;
    const SettingsStore store = Read(copy);
    EXPECT_EQ(store.sensorOrientation, 2);
    EXPECT_EQ(store.fireFn, RadioPair(true));
    EXPECT_TRUE(store.smooth);
    EXPECT_EQ(Build(store, copy), copy);
}

TEST(ImageCodec, KeyModeWithComplement) {
    struct Case {
        int keyMode;
        std::uint8_t bits, complement;
    };
    const Case cases[] = {{0, 0x00, 0xFF}, {1, 0x80, 0x7F}, {kNoItem, 0x80, 0x7F}};
    for (const Case& c : cases) {
        WorkingCopy copy = Cfg1();
        copy.parameterB[4] = 0x80;
        copy.parameterB[5] = 0x7F;
        SettingsStore store = Read(copy);
        EXPECT_EQ(store.keyMode, 1);
        store.keyMode = c.keyMode;
        const WorkingCopy built = Build(store, copy);
        EXPECT_EQ(built.parameterB[4], c.bits);
        EXPECT_EQ(built.parameterB[5], c.complement);
    }
}

TEST(ImageCodec, IdentifierTexts) {
    struct Case {
        const char* text;
        const char* normalised;
        std::uint8_t byte;
    };
    const Case cases[] = {{"7", "7", 7},       {"255", "255", 255}, {"0", "0", 0},
                          {"256", "255", 255}, {"", "255", 255},    {"abc", "255", 255},
                          {"007", "007", 7},   {"-1", "255", 255},  {"1000", "255", 255}};
    for (const Case& c : cases) {
        EXPECT_EQ(NormaliseIdentifierText(c.text), c.normalised) << c.text;
        WorkingCopy copy = Cfg1();
        SettingsStore store = Read(copy);
        EXPECT_EQ(store.vendorId, "255");
        store.vendorId = c.text;
        store.productId = c.text;
        const WorkingCopy built = Build(store, copy);
        EXPECT_EQ(built.parameterB[6], c.byte) << c.text;
        EXPECT_EQ(built.parameterB[7], c.byte) << c.text;
    }
}

TEST(ImageCodec, YOffsetsAreSignedWithComplement) {
    struct Case {
        const char* text;
        std::uint8_t value, complement; // starting from 05 FA
    };
    const Case cases[] = {{"0", 0x00, 0xFF},    {"-1", 0xFF, 0x00},  {"127", 0x7F, 0x80},
                          {"-128", 0x80, 0x7F}, {"200", 0x7F, 0x80}, {"-999", 0x80, 0x7F},
                          {"", 0x05, 0xFA},     {"--1", 0x05, 0xFA}};
    for (const Case& c : cases) {
        WorkingCopy copy = Cfg1();
        copy.yOffsetTable[18] = 0x05;
        copy.yOffsetTable[19] = 0xFA;
        SettingsStore store = Read(copy);
        EXPECT_EQ(store.yOffset[9], "5");
        store.yOffset[9] = c.text;
        const WorkingCopy built = Build(store, copy);
        EXPECT_EQ(built.yOffsetTable[18], c.value) << c.text;
        EXPECT_EQ(built.yOffsetTable[19], c.complement) << c.text;
    }
    WorkingCopy copy = Cfg1();
    copy.yOffsetTable[0] = 0x80;
    copy.yOffsetTable[2] = 0xFF;
    const SettingsStore store = Read(copy);
    EXPECT_EQ(store.yOffset[0], "-128");
    EXPECT_EQ(store.yOffset[1], "-1");
}

TEST(ImageCodec, RapidFireCountAndInterval) {
    WorkingCopy copy = Cfg1(); // 0xF2 = 02, 0xF8 = 06
    SettingsStore store = Read(copy);
    EXPECT_FALSE(store.isFireContinue);
    EXPECT_EQ(store.fireCount, 2); // three shots
    EXPECT_EQ(store.fireTime, "6");

    store.isFireContinue = true;
    EXPECT_EQ(Build(store, copy).fireKey[2], 0xFF);

    copy.fireKey[2] = 0xFF;
    store = Read(copy);
    EXPECT_TRUE(store.isFireContinue);
    EXPECT_EQ(store.fireCount, 255);

    struct Case {
        int count;
        const char* time;
        std::uint8_t f2, f8; // starting from 0xFF, 0x06
    };
    const Case cases[] = {{0, "0", 0x00, 0x00},
                          {254, "255", 0xFE, 0xFF},
                          {9, "300", 0x09, 0xFF},
                          {kNoItem, "", 0xFF, 0x06},
                          {256, "x", 0xFF, 0x06}};
    for (const Case& c : cases) {
        store.isFireContinue = false;
        store.fireCount = c.count;
        store.fireTime = c.time;
        const WorkingCopy built = Build(store, copy);
        EXPECT_EQ(built.fireKey[2], c.f2) << c.count;
        EXPECT_EQ(built.fireKey[8], c.f8) << c.time;
    }
}

TEST(ImageCodec, ProfileKeyTexts) {
    WorkingCopy copy = Cfg1();
    SettingsStore store = Read(copy);
    EXPECT_EQ(store.profile1KeyTexts[0], "010100");
    EXPECT_EQ(store.profile1KeyTexts[5], "070000");
    EXPECT_EQ(store.profile2KeyTexts[8], "080000");

    store.profile1KeyTexts[1] = "0a0500"; // either case
    store.profile2KeyTexts[8] = "0600F0";
    store.profile2KeyTexts[0] = "01010"; // no code: left as it was
    store.profile2KeyTexts[2] = "0G0000";
    const WorkingCopy built = Build(store, copy);
    EXPECT_EQ(ProfileKey(built, 0, 1), (KeyCode{0x0A, 0x05, 0x00}));
    EXPECT_EQ(ProfileKey(built, 1, 8), (KeyCode{0x06, 0x00, 0xF0}));
    EXPECT_EQ(ProfileKey(built, 1, 0), ProfileKey(copy, 1, 0));
    EXPECT_EQ(ProfileKey(built, 1, 2), ProfileKey(copy, 1, 2));
    EXPECT_EQ(built.profile[0x1B + 3 * 8], 0x06); // image offset 0x73
}

TEST(ImageCodec, AimAndDriverFireKeyRewrites) {
    WorkingCopy copy = Cfg1();
    SetProfileKey(copy, 0, 2, {0x0A, 0x01, 0x00});
    SetProfileKey(copy, 1, 4, {0x0A, 0x09, 0x00});
    SetProfileKey(copy, 0, 3, {0x06, 0x00, 0xF0});
    SetProfileKey(copy, 1, 3, {0x06, 0x01, 0x21}); // a macro, not the rapid-fire key
    ApplyAimIndex(copy, 4);
    EXPECT_EQ(ProfileKey(copy, 0, 2), (KeyCode{0x0A, 0x04, 0x00}));
    EXPECT_EQ(ProfileKey(copy, 1, 4), (KeyCode{0x0A, 0x04, 0x00}));

    ApplyDriverFireKeyTypes(copy, true);
    EXPECT_EQ(ProfileKey(copy, 0, 3), (KeyCode{0x0E, 0x00, 0xF0}));
    EXPECT_EQ(ProfileKey(copy, 1, 3), (KeyCode{0x06, 0x01, 0x21}));
    RestoreDriverFireKeys(copy);
    EXPECT_EQ(ProfileKey(copy, 0, 3), kRapidFireKey);
    ApplyDriverFireKeyTypes(copy, true);
    ApplyDriverFireKeyTypes(copy, false);
    EXPECT_EQ(ProfileKey(copy, 0, 3), kRapidFireKey);
}

// Whatever the image, reading what was built gives the same holders, building again changes
// nothing, and the bytes no holder covers keep their values.
TEST(ImageCodec, AnyImageSettlesAfterOneBuildAndKeepsItsReservedBytes) {
    std::mt19937 random(2024);
    const SettingsStore other = Read(LoadWorkingCopy(Default(1)));
    for (int round = 0; round < 300; ++round) {
        const WorkingCopy copy = RandomValidCopy(random);
        const SettingsStore store = Read(copy);
        WorkingCopy built = Build(store, copy);
        ASSERT_EQ(Read(built), store) << round;
        ASSERT_EQ(Build(store, built), built) << round;

        const WorkingCopy overwritten = Build(other, copy);
        for (std::size_t i = 0x0D; i <= 0x19; ++i)
            ASSERT_EQ(overwritten.parameterA[i], copy.parameterA[i]);
        ASSERT_EQ(overwritten.parameterA[0x05], copy.parameterA[0x05]);
        ASSERT_EQ(overwritten.parameterA[0x01] & 0xC0, copy.parameterA[0x01] & 0xC0);
        ASSERT_EQ(overwritten.parameterA[0x03] & 0x07, copy.parameterA[0x03] & 0x07);
        for (const std::size_t i : {0, 1, 3, 4, 5, 6, 7, 9})
            ASSERT_EQ(overwritten.fireKey[i], copy.fireKey[i]);
        ASSERT_EQ(overwritten.fireMacroKeyTable, copy.fireMacroKeyTable);
    }
}

} // namespace
} // namespace orln7a
