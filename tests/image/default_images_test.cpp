#include "image/default_images.h"

#include "image/driver_image_layout.h"
#include "image/image_codec.h"
#include "image/section_checks.h"
#include "image_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace orln7a {
namespace {

using testing_support::Default;

TEST(DefaultImages, PassEveryCheckUnchanged) {
    const auto images = DefaultImages();
    ASSERT_TRUE(images);
    for (const DataBuf& image : *images) {
        SectionCheckReport report;
        const WorkingCopy copy = LoadWorkingCopy(image, &report);
        EXPECT_EQ(report.parameterA, CheckOutcome::Ok);
        EXPECT_EQ(report.parameterB, CheckOutcome::Ok);
        EXPECT_EQ(report.profile, CheckOutcome::Ok);
        EXPECT_EQ(report.fireKey, CheckOutcome::Ok);
        EXPECT_EQ(copy, UnpackWorkingCopy(image));
        EXPECT_TRUE(
            std::all_of(image.begin() + 0x100, image.end(), [](std::uint8_t b) { return b == 0; }));
    }
    EXPECT_FALSE(DefaultImage(3));
    EXPECT_FALSE(DefaultImage(-1));
}

TEST(DefaultImages, SecondAndThirdDifferFromTheFirstOnlyWhereListed) {
    const std::map<std::size_t, std::uint8_t> differences = {
        {0x24, 0x00}, {0x2F, 0x70}, {0x32, 0x42}, {0x33, 0xBD}, {0x4F, 0x05}, {0x52, 0x07},
        {0x55, 0x08}, {0x58, 0x06}, {0x5A, 0xF0}, {0x6A, 0x05}, {0x6D, 0x07}, {0x70, 0x08},
        {0x73, 0x06}, {0x75, 0xF0}, {0x76, 0x06}, {0xFF, 0xFF}};
    const DataBuf first = Default(0);
    EXPECT_EQ(Default(1), Default(2));
    const DataBuf second = Default(1);
    for (std::size_t i = 0; i < kDataBufSize; ++i) {
        const auto listed = differences.find(i);
        EXPECT_EQ(second[i], listed == differences.end() ? first[i] : listed->second) << i;
    }
}

// What the editors show of a default image and build back from it is the image itself.
TEST(DefaultImages, RoundTripByteForByteThroughTheHolders) {
    for (int n = 0; n < kDefaultImageCount; ++n) {
        const DataBuf image = Default(n);
        WorkingCopy copy = LoadWorkingCopy(image);
        SettingsStore store;
        ReadImageIntoStore(copy, store);
        BuildImageFromStore(store, copy);
        StampSectionChecks(copy);
        DataBuf back = image;
        PackWorkingCopy(copy, back);
        EXPECT_EQ(back, image) << "image " << n;
    }
}

// The holders alone carry every field: building image k's holders over image j's working copy
// gives image k's working copy, since the defaults differ only in fields that have holders.
TEST(DefaultImages, HoldersOfOneImageTurnAnotherIntoIt) {
    for (int from = 0; from < kDefaultImageCount; ++from) {
        const WorkingCopy source = LoadWorkingCopy(Default(from));
        SettingsStore store;
        ReadImageIntoStore(source, store);
        for (int onto = 0; onto < kDefaultImageCount; ++onto) {
            WorkingCopy copy = LoadWorkingCopy(Default(onto));
            BuildImageFromStore(store, copy);
            StampSectionChecks(copy);
            EXPECT_EQ(copy, source) << from << " onto " << onto;
        }
    }
}

TEST(DefaultImages, DriverImagesCarryTheSectionsAtDriverOffsets) {
    for (int n = 0; n < kDefaultImageCount; ++n) {
        const auto driver = DriverDefaultImage(n);
        ASSERT_TRUE(driver);
        ASSERT_EQ(driver->size(), driver_layout::kImageSize);
        const DataBuf image = Default(n);
        const auto same = [&](std::size_t from, std::size_t length, std::size_t to) {
            return std::equal(image.begin() + from, image.begin() + from + length,
                              driver->begin() + to);
        };
        EXPECT_TRUE(same(0x00, 48, driver_layout::kParameterA));
        EXPECT_TRUE(same(0x30, 8, driver_layout::kParameterB));
        EXPECT_TRUE(same(0x40, 55, driver_layout::kProfile));
        EXPECT_TRUE(same(0xF0, 11, driver_layout::kFireKey));
        EXPECT_EQ((*driver)[240], 0);
        EXPECT_EQ((*driver)[241], 0);
    }
    EXPECT_EQ(*DriverDefaultImage(5), *DriverDefaultImage(0));
    EXPECT_EQ(*DriverDefaultImage(-1), *DriverDefaultImage(0));
}

} // namespace
} // namespace orln7a
