#pragma once

// Where the sections of the 2048-byte parameter image sit inside the 40960-byte image that the
// PC filter driver keeps, and how the four driver-mode bytes follow from a parameter image.
// Header-only and free of dependencies: the resource generator builds the driver default images
// with it at build time.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace orln7a::driver_layout {

inline constexpr std::size_t kImageSize = 40960;
inline constexpr std::size_t kParameterA = 0;      // 48 bytes
inline constexpr std::size_t kParameterB = 48;     // 8 bytes
inline constexpr std::size_t kProfile = 64;        // 55 bytes
inline constexpr std::size_t kModeBytes = 160;     // 4 bytes, in files and default images
inline constexpr std::size_t kFireKeyPrefix = 240; // 2 zero bytes before the fire key section
inline constexpr std::size_t kFireKey = 242;       // 11 bytes
inline constexpr std::size_t kMacros = 256;        // n records of 2048 bytes

// The four bytes the mouse receives with command 0x09 in driver mode, as a parameter image
// encodes them: current level with smoothing in bit 7, LED state, a byte the editor never
// changes (0 here), and the DPI value index of the current level.
inline std::array<std::uint8_t, 4> ModeBytesFromImage(std::span<const std::uint8_t> image) {
    const std::uint8_t level = image[0x30] & 0x0F;
    const bool smoothing = (image[0x01] & 0x20) != 0;
    const std::uint8_t dpiIndex = level < 7 ? image[0x06 + level] : 0;
    return {static_cast<std::uint8_t>(level | (smoothing ? 0x80 : 0x00)), image[0x32], 0x00,
            dpiIndex};
}

// A driver image laid out from a 2048-byte parameter image; every other byte is zero.
inline std::vector<std::uint8_t>
DriverImageFromParameterImage(std::span<const std::uint8_t> image) {
    std::vector<std::uint8_t> out(kImageSize, 0);
    auto copy = [&](std::size_t from, std::size_t length, std::size_t to) {
        for (std::size_t i = 0; i < length; ++i)
            out[to + i] = image[from + i];
    };
    copy(0x00, 48, kParameterA);
    copy(0x30, 8, kParameterB);
    copy(0x40, 55, kProfile);
    copy(0xF0, 11, kFireKey);
    const auto mode = ModeBytesFromImage(image);
    for (std::size_t i = 0; i < mode.size(); ++i)
        out[kModeBytes + i] = mode[i];
    return out;
}

} // namespace orln7a::driver_layout
