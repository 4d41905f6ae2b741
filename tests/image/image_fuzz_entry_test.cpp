#include "image/image_fuzz_entry.h"

#include "image/default_images.h"

#include <gtest/gtest.h>

#include <random>

namespace orln7a {
namespace {

Bytes Noise(std::mt19937& random, std::size_t size) {
    Bytes bytes(size);
    for (auto& b : bytes)
        b = static_cast<std::uint8_t>(random());
    return bytes;
}

TEST(ImageFuzzEntry, AnyBytesKeepTheInvariants) {
    std::mt19937 random(99);
    const std::size_t sizes[] = {0, 1, 3, 6, 48, 100, 202, 252, 253, 255, 2047, 2048, 2049, 40960};
    for (const std::size_t size : sizes) {
        for (int round = 0; round < 5; ++round) {
            const Bytes bytes = Noise(random, size);
            EXPECT_TRUE(ExerciseParameterImage(bytes)) << size;
            EXPECT_TRUE(ExerciseDriverImage(bytes)) << size;
            EXPECT_TRUE(ExerciseProfileAndTexts(bytes)) << size;
        }
    }
    for (int n = 0; n < kDefaultImageCount; ++n) {
        EXPECT_TRUE(ExerciseParameterImage(*DefaultImage(n)));
        EXPECT_TRUE(ExerciseDriverImage(*DriverDefaultImage(n)));
    }
    for (const char* text : {"255", "0600F0", "-128", "+", "9999999999"}) {
        const std::string s(text);
        EXPECT_TRUE(ExerciseProfileAndTexts(Bytes(s.begin(), s.end()))) << text;
    }
}

} // namespace
} // namespace orln7a
