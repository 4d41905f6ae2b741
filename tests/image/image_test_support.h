#pragma once

#include "image/default_images.h"
#include "image/image_layout.h"
#include "image/section_checks.h"

#include <gtest/gtest.h>

#include <random>

namespace orln7a::testing_support {

inline DataBuf Default(int imageNumber) {
    auto image = DefaultImage(imageNumber);
    EXPECT_TRUE(image) << (image ? "" : image.error().detail);
    return image ? *image : DataBuf{};
}

// Deterministic noise, so that a failure repeats.
inline DataBuf RandomImage(std::mt19937& random) {
    DataBuf image;
    for (auto& byte : image)
        byte = static_cast<std::uint8_t>(random());
    return image;
}

// Random sections that pass every check, so that no repair hides their bytes.
inline WorkingCopy RandomValidCopy(std::mt19937& random) {
    WorkingCopy copy = UnpackWorkingCopy(RandomImage(random));
    for (std::size_t pair = 0; pair < 3; ++pair)
        copy.parameterB[2 * pair + 1] = static_cast<std::uint8_t>(0xFF - copy.parameterB[2 * pair]);
    StampSectionChecks(copy);
    return copy;
}

} // namespace orln7a::testing_support
