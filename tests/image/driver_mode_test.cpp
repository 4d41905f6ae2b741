#include "image/driver_mode.h"

#include "common/files.h"
#include "image/default_images.h"
#include "image/driver_image_layout.h"
#include "image/image_codec.h"
#include "image_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace orln7a {
namespace {

using testing_support::Default;

Bytes DriverDefault(int n) {
    auto image = DriverDefaultImage(n);
    EXPECT_TRUE(image);
    return image ? *image : Bytes(driver_layout::kImageSize, 0);
}

TEST(DriverMode, ProbeAnswerGivesTheLedType) {
    const std::pair<std::uint8_t, LedType> cases[] = {
        {0x00, LedType::SyncLED}, {0x3F, LedType::SyncLED}, {0x40, LedType::BreLED},
        {0x7F, LedType::BreLED},  {0x80, LedType::RBLED},   {0xBF, LedType::RBLED},
        {0xC0, LedType::MCULED},  {0xFF, LedType::MCULED}};
    for (const auto& [answer, type] : cases)
        EXPECT_EQ(LedTypeFromDriverProbe(answer), type) << int(answer);
}

TEST(DriverMode, ModeBytesEncodeAndDecode) {
    struct Case {
        LedType type;
        int mode;
        bool flashOff;
        const char* step;
        int level;
        bool smooth;
        DriverModeBytes previous;
        DriverModeBytes expected;
    };
    const Case cases[] = {
        // Flowing light: mode 2, step 3, level 3 whose DPI index is 6, smoothing on.
        {LedType::MCULED, 1, false, "3", 2, true, {0, 0xFF, 0xAB, 0}, {0x82, 0x62, 0xAB, 6}},
        {LedType::RBLED, 6, true, "0", 0, false, {0x0F, 0, 0x01, 9}, {0x00, 0x0F, 0x01, 1}},
        // Seven-colour lights keep byte 1 apart from the flashing bit and the step.
        {LedType::SyncLED, 4, true, "2", 6, false, {0, 0xF5, 0, 0}, {0x06, 0x5D, 0, 7}},
        {LedType::BreLED, 4, false, "x", kNoItem, true, {0x03, 0x7D, 0, 4}, {0x83, 0x75, 0, 4}},
    };
    for (const Case& c : cases) {
        SettingsStore store;
        store.ledType = c.type;
        store.mcuLedCurrentMode = c.mode;
        store.rbLedCurrentMode = c.mode;
        store.ledFlashOff = c.flashOff;
        store.mcuLedCrtStep = c.step;
        store.currentCpi = c.level;
        store.smooth = c.smooth;
        store.cpi = {1, 4, 6, 7, 9, 10, 7};
        const DriverModeBytes bytes = EncodeDriverModeBytes(store, c.previous);
        EXPECT_EQ(bytes, c.expected) << LedTypeName(c.type);

        SettingsStore back;
        back.ledType = c.type;
        DecodeDriverModeBytes(bytes, back);
        EXPECT_EQ(back.ledFlashOff, RadioPair(c.flashOff));
        EXPECT_EQ(back.smooth, c.smooth);
        if (c.level != kNoItem) {
            EXPECT_EQ(back.currentCpi, c.level);
        }
        if (c.type == LedType::MCULED) {
            EXPECT_EQ(back.mcuLedCurrentMode, c.mode);
        }
        if (c.type == LedType::RBLED) {
            EXPECT_EQ(back.rbLedCurrentMode, c.mode);
        }
    }
}

TEST(DriverMode, StartingBytesComeFromTheFirstUsableSource) {
    const Bytes image = DriverDefault(0);
    const DriverModeBytes builtIn = {image[160], image[161], image[162], image[163]};
    Bytes other(200, 0);
    other[160] = 1, other[161] = 2, other[162] = 3, other[163] = 4;

    EXPECT_EQ(ChooseDriverModeBytes(Bytes{9, 8, 7, 6, 5}, other), (DriverModeBytes{9, 8, 7, 6}));
    EXPECT_EQ(ChooseDriverModeBytes(Bytes{9, 8, 7}, other), (DriverModeBytes{1, 2, 3, 4}));
    EXPECT_EQ(ChooseDriverModeBytes(std::nullopt, other), (DriverModeBytes{1, 2, 3, 4}));
    EXPECT_EQ(ChooseDriverModeBytes(std::nullopt, Bytes(163, 0)), builtIn);
    EXPECT_EQ(ChooseDriverModeBytes(std::nullopt, std::nullopt), builtIn);
    // The built-in image holds the bytes its parameter image implies.
    EXPECT_EQ(builtIn, driver_layout::ModeBytesFromImage(Default(0)));
}

TEST(DriverMode, TheModeBytesFileWinsOverTheImageFileOnceWritten) {
    const auto dir =
        std::filesystem::temp_directory_path() /
        ("orln7a-driver-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    std::filesystem::create_directories(dir);
    const std::string folder = dir.string() + "/";
    Bytes image = DriverDefault(1);
    image[160] = 0x44;
    ASSERT_TRUE(WriteFileAtomically(folder + kDriverImageFileName, image));
    EXPECT_EQ(LoadDriverModeBytes(folder)[0], 0x44);

    ASSERT_TRUE(SaveDriverModeBytes(folder, {5, 6, 7, 8}));
    EXPECT_EQ(*ReadWholeFile(folder + kDriverModeBytesFileName, 100), (Bytes{5, 6, 7, 8}));
    EXPECT_EQ(LoadDriverModeBytes(folder), (DriverModeBytes{5, 6, 7, 8}));
    std::filesystem::remove_all(dir);
}

TEST(DriverMode, LoadingTheDriverImageChecksSectionsAndRestoresTheRapidFireKey) {
    Bytes image = DriverDefault(0);
    // Key mode 2, button 4 holds the continuous rapid-fire key as the driver keeps it.
    image[driver_layout::kProfile + 0x1B + 9] = 0x0E;
    image[driver_layout::kProfile + 0x1B + 10] = 0x00;
    image[driver_layout::kProfile + 0x1B + 11] = 0xF0;
    std::span<std::uint8_t> profile(image.data() + driver_layout::kProfile, 55);
    StampSectionCheck(profile);
    image[driver_layout::kFireKey + 10] = 0; // the driver does not keep this check

    WorkingCopy copy = LoadWorkingCopy(Default(1));
    const WorkingCopy before = copy;
    const auto report = LoadDriverImageIntoWorkingCopy(image, copy);
    ASSERT_TRUE(report);
    EXPECT_EQ(report->parameterA, CheckOutcome::Ok);
    EXPECT_EQ(report->profile, CheckOutcome::Ok);
    EXPECT_EQ(ProfileKey(copy, 1, 3), kRapidFireKey);
    EXPECT_EQ(copy.fireKey[10], 0);
    EXPECT_EQ(copy.fireMacroColorTable, before.fireMacroColorTable);

    SettingsStore store;
    store.ledType = LedType::MCULED;
    ReadDriverImageIntoStore(copy, {0x81, 0x2B, 0, 4}, store);
    EXPECT_EQ(store.profile2KeyTexts[3], "0600F0");
    EXPECT_EQ(store.currentCpi, 1);
    EXPECT_TRUE(store.smooth);
    EXPECT_EQ(store.mcuLedCurrentMode, 2);
    EXPECT_EQ(store.ledFlashOff, RadioPair(true));
    EXPECT_EQ(store.mcuLedCrtStep, "1");
    EXPECT_EQ(store.fireCount, 2);
    EXPECT_EQ(store.fireTime, "6");
    EXPECT_EQ(store.cpiStep, 4);
    EXPECT_EQ(store.keyMode, 0);

    EXPECT_FALSE(LoadDriverImageIntoWorkingCopy(Bytes(252, 0), copy));
}

TEST(DriverMode, WritingTakesOnlyTheDriverFieldsAndStampsTheChecks) {
    WorkingCopy copy;
    ASSERT_TRUE(LoadDriverImageIntoWorkingCopy(DriverDefault(0), copy));
    SettingsStore store;
    store.ledType = LedType::MCULED;
    DriverModeBytes modeBytes = {0x01, 0x22, 0x5C, 0x04};
    ReadDriverImageIntoStore(copy, modeBytes, store);

    // Only the LED switches change; the next load must still find parameter A intact.
    store.lCpiSwitch = false;
    store.b4CpiSwitch = false;
    store.isFireContinue = true;
    store.profile1KeyTexts[2] = "0600F0";
    store.profile1KeyTexts[3] = "0A0000";
    store.keyMode = 1;
    store.smooth = true;
    store.sensorOrientation = 0; // no driver field: must not reach the image
    store.vendorId = "12";
    DriverCopies copies;
    const WorkingCopy before = copy;
    const DriverSections sections = BuildDriverSections(copy, store, 7, copies, modeBytes);

    EXPECT_TRUE(SectionCheckPasses(sections.parameterA));
    EXPECT_EQ(sections.parameterA[0], before.parameterA[0] & ~0x05);
    EXPECT_EQ(sections.parameterA.begin()[1], before.parameterA[1]);
    EXPECT_TRUE(SectionCheckPasses(sections.profile));
    EXPECT_EQ(ProfileKey(copy, 0, 2), (KeyCode{0x0E, 0x00, 0xF0}));
    EXPECT_EQ(ProfileKey(copy, 0, 3), (KeyCode{0x0A, 0x07, 0x00}));
    EXPECT_EQ(sections.profile, copy.profile);
    EXPECT_EQ(copies.profile, copy.profile);

    // Key mode 2, current level 1 with smoothing in bit 7, identifiers untouched.
    EXPECT_EQ(sections.parameterB[4], 0x80);
    EXPECT_EQ(sections.parameterB[5], 0x7F);
    EXPECT_EQ(sections.parameterB[0], 0x81);
    EXPECT_EQ(sections.parameterB[1], 0x7E);
    EXPECT_EQ(sections.parameterB[6], before.parameterB[6]);
    EXPECT_EQ(copies.parameterB, sections.parameterB);

    EXPECT_EQ(sections.fireKey[0], 0);
    EXPECT_EQ(sections.fireKey[1], 0);
    EXPECT_EQ(sections.fireKey[2 + 2], 0xFF);
    EXPECT_EQ(sections.fireKey[2 + 10], 0);

    EXPECT_EQ(modeBytes, (DriverModeBytes{0x81, 0x22, 0x5C, 0x04}));

    // Loaded again, the rapid-fire key shows as type 06 and parameter A passes.
    Bytes image = DriverDefault(0);
    std::copy(sections.parameterA.begin(), sections.parameterA.end(),
              image.begin() + driver_layout::kParameterA);
    std::copy(sections.profile.begin(), sections.profile.end(),
              image.begin() + driver_layout::kProfile);
    WorkingCopy again;
    const auto report = LoadDriverImageIntoWorkingCopy(image, again);
    ASSERT_TRUE(report);
    EXPECT_EQ(report->parameterA, CheckOutcome::Ok);
    EXPECT_EQ(ProfileKey(again, 0, 2), kRapidFireKey);
}

TEST(DriverMode, DefaultAndFileLoadsFillTheDriverCopies) {
    Bytes source = DriverDefault(2);
    source[160] = 0x03, source[161] = 0x42, source[162] = 0x99, source[163] = 0x0A;
    WorkingCopy copy = LoadWorkingCopy(Default(0));
    const WorkingCopy before = copy;
    DriverCopies copies;
    const auto modeBytes = LoadDriverSourceSections(source, copy, copies);
    ASSERT_TRUE(modeBytes);
    EXPECT_EQ(*modeBytes, (DriverModeBytes{0x03, 0x42, 0x99, 0x0A}));
    EXPECT_EQ(copy.parameterA, LoadWorkingCopy(Default(2)).parameterA);
    EXPECT_EQ(copy.parameterB, before.parameterB);
    EXPECT_EQ(copy.profile, before.profile);
    EXPECT_EQ(copies.profile, LoadWorkingCopy(Default(2)).profile);

    const DriverSections sections = DriverSectionsFromCopies(copy, copies);
    EXPECT_EQ(sections.parameterB, copies.parameterB);
    EXPECT_TRUE(std::equal(copy.fireKey.begin(), copy.fireKey.end(), sections.fireKey.begin() + 2));
    EXPECT_FALSE(LoadDriverSourceSections(Bytes(100, 0), copy, copies));
}

TEST(DriverMode, ProfileImageCarriesTheModeBytes) {
    const auto image = DriverProfileImage(DriverDefault(0), {1, 2, 3, 4});
    ASSERT_TRUE(image);
    EXPECT_EQ((*image)[160], 1);
    EXPECT_EQ((*image)[163], 4);
    EXPECT_EQ((*image)[0], DriverDefault(0)[0]);
    EXPECT_FALSE(DriverProfileImage(Bytes(2048, 0), {1, 2, 3, 4}));
}

} // namespace
} // namespace orln7a
