#include "image/image_layout.h"

#include "image_test_support.h"

#include <gtest/gtest.h>

#include <random>

namespace orln7a {
namespace {

using testing_support::RandomImage;

bool InASection(std::size_t offset) {
    for (const auto& place : kSectionTable) {
        if (offset >= place.imageOffset && offset < place.imageOffset + place.length)
            return true;
    }
    return false;
}

TEST(ImageLayout, SectionsAndGapsCoverTheFirst256BytesExactlyOnce) {
    for (std::size_t offset = 0; offset < 0x100; ++offset) {
        bool inGap = false;
        for (const auto& gap : kUnsectionedRanges)
            inGap = inGap || (offset >= gap.first && offset <= gap.last);
        EXPECT_NE(InASection(offset), inGap) << "offset " << offset;
    }
}

TEST(ImageLayout, PackingAnotherCopyChangesOnlyTheSections) {
    std::mt19937 random(7);
    const DataBuf target = RandomImage(random);
    const DataBuf source = RandomImage(random);
    DataBuf image = target;
    PackWorkingCopy(UnpackWorkingCopy(source), image);
    for (std::size_t offset = 0; offset < kDataBufSize; ++offset) {
        const std::uint8_t expected = InASection(offset) ? source[offset] : target[offset];
        ASSERT_EQ(image[offset], expected) << "offset " << offset;
    }
}

TEST(ImageLayout, PackedRecordHoldsTheSectionsBackToBack) {
    std::mt19937 random(11);
    const DataBuf image = RandomImage(random);
    const WorkingCopy copy = UnpackWorkingCopy(image);
    const auto packed = WorkingCopyBytes(copy);

    Bytes expected;
    for (const auto& place : kSectionTable)
        expected.insert(expected.end(), image.begin() + place.imageOffset,
                        image.begin() + place.imageOffset + place.length);
    EXPECT_EQ(Bytes(packed.begin(), packed.end()), expected);
    EXPECT_EQ(WorkingCopyFromBytes(packed), copy);
    // The fire key section starts 191 bytes in: parameter A 48, B 8, profile 55, tables 80.
    EXPECT_EQ(packed[191], image[0xF0]);
}

TEST(ImageLayout, ShortInputsFillOnlyWhatTheyHave) {
    const Bytes three = {1, 2, 3};
    const WorkingCopy copy = WorkingCopyFromBytes(three);
    EXPECT_EQ(copy.parameterA[2], 3);
    EXPECT_EQ(copy.parameterA[3], 0);
    EXPECT_EQ(WorkingCopyFromBytes(Bytes{}), WorkingCopy{});

    const DataBuf image = DataBufFromBytes(three);
    EXPECT_EQ(image[2], 3);
    EXPECT_EQ(image[3], 0xFF);
    EXPECT_EQ(image[kDataBufSize - 1], 0xFF);
    const Bytes longer(kDataBufSize + 10, 0x11);
    EXPECT_EQ(DataBufFromBytes(longer)[kDataBufSize - 1], 0x11);
}

} // namespace
} // namespace orln7a
