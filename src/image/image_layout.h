#pragma once

// The mouse's 2048-byte configuration memory (DataBuf) and the packed 202-byte working copy of
// its first seven sections that the editors change. Offsets are named here once; everything
// else refers to these names.

#include "common/bytes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace orln7a {

inline constexpr std::size_t kDataBufSize = 2048;
using DataBuf = std::array<std::uint8_t, kDataBufSize>;

enum class ImageSection {
    ParameterA,
    ParameterB,
    Profile,
    FireMacroKeyTable,
    YOffsetTable,
    FireMacroColorTable,
    FireKey,
};

struct SectionPlace {
    ImageSection section;
    std::size_t imageOffset; // device address
    std::size_t length;
    std::size_t copyOffset; // place in the packed working copy
};

inline constexpr std::array<SectionPlace, 7> kSectionTable = {{
    {ImageSection::ParameterA, 0x000, 48, 0},
    {ImageSection::ParameterB, 0x030, 8, 48},
    {ImageSection::Profile, 0x040, 55, 56},
    {ImageSection::FireMacroKeyTable, 0x080, 30, 111},
    {ImageSection::YOffsetTable, 0x0B0, 20, 141},
    {ImageSection::FireMacroColorTable, 0x0D0, 30, 161},
    {ImageSection::FireKey, 0x0F0, 11, 191},
}};

inline constexpr std::size_t kWorkingCopySize = 202;

constexpr bool SectionTableIsPacked() {
    std::size_t next = 0;
    for (std::size_t i = 0; i < kSectionTable.size(); ++i) {
        if (static_cast<std::size_t>(kSectionTable[i].section) != i ||
            kSectionTable[i].copyOffset != next || kSectionTable[i].imageOffset >= 0x100)
            return false;
        next += kSectionTable[i].length;
    }
    return next == kWorkingCopySize;
}
static_assert(SectionTableIsPacked());

// Bytes between the sections below 0x100: no field lives there, but the mouse may use them, so
// they are written back exactly as they were read or loaded.
struct ByteRange {
    std::size_t first;
    std::size_t last; // inclusive
};
inline constexpr std::array<ByteRange, 6> kUnsectionedRanges = {{
    {0x038, 0x03F},
    {0x077, 0x07F},
    {0x09E, 0x0AF},
    {0x0C4, 0x0CF},
    {0x0EE, 0x0EF},
    {0x0FB, 0x0FF},
}};

// Where the areas with buffers of their own sit in DataBuf.
inline constexpr std::size_t kMacroSlots1To4 = 0x100; // 4 x 256 bytes
inline constexpr std::size_t kFireMacroArea = 0x500;  // 256 bytes
inline constexpr std::size_t kMacroSlots5To6 = 0x600; // 2 x 256 bytes

// Field offsets relative to the start of their section (the image offset in the comment).
namespace param_a {
inline constexpr std::size_t kSwitchBits = 0x00;     // 0x00
inline constexpr std::size_t kPressBits = 0x01;      // 0x01
inline constexpr std::size_t kDpiLevelCount = 0x02;  // 0x02
inline constexpr std::size_t kLedCountBits = 0x03;   // 0x03
inline constexpr std::size_t kMcuLedModeMask = 0x04; // 0x04
inline constexpr std::size_t kDpiLevelValue = 0x06;  // 0x06..0x0C, one per level
inline constexpr std::size_t kDpiLevelColor = 0x1A;  // 0x1A..0x2E, R G B per level
inline constexpr std::size_t kCheck = 0x2F;          // 0x2F
inline constexpr std::size_t kDpiLevels = 7;
} // namespace param_a

namespace param_b {
inline constexpr std::size_t kCurrentDpiLevel = 0; // 0x30, complement at 0x31
inline constexpr std::size_t kLedState = 2;        // 0x32, complement at 0x33
inline constexpr std::size_t kKeyModeBits = 4;     // 0x34, complement at 0x35
inline constexpr std::size_t kManufacturerId = 6;  // 0x36
inline constexpr std::size_t kProductId = 7;       // 0x37
} // namespace param_b

namespace profile {
inline constexpr std::size_t kKeysPerMode = 9;
inline constexpr std::size_t kKeySize = 3;
inline constexpr std::size_t kProfile1Keys = 0x00; // 0x40 + 3i
inline constexpr std::size_t kProfile2Keys = 0x1B; // 0x5B + 3i
inline constexpr std::size_t kCheck = 0x36;        // 0x76
} // namespace profile

namespace fire_tables {
inline constexpr std::size_t kFireMacros = 10;
} // namespace fire_tables

namespace fire_key {
inline constexpr std::size_t kFireCount = 2; // 0xF2
inline constexpr std::size_t kFireTime = 8;  // 0xF8
inline constexpr std::size_t kCheck = 10;    // 0xFA
inline constexpr std::uint8_t kContinuous = 0xFF;
} // namespace fire_key

// The working copy: the seven sections back to back, without the gaps between them.
struct WorkingCopy {
    std::array<std::uint8_t, 48> parameterA{};
    std::array<std::uint8_t, 8> parameterB{};
    std::array<std::uint8_t, 55> profile{};
    std::array<std::uint8_t, 30> fireMacroKeyTable{};
    std::array<std::uint8_t, 20> yOffsetTable{};
    std::array<std::uint8_t, 30> fireMacroColorTable{};
    std::array<std::uint8_t, 11> fireKey{};

    friend bool operator==(const WorkingCopy&, const WorkingCopy&) = default;
};
static_assert(sizeof(WorkingCopy) == kWorkingCopySize);
static_assert(param_a::kDpiLevelValue + param_a::kDpiLevels <= 0x0D);
static_assert(param_a::kDpiLevelColor + 3 * param_a::kDpiLevels == param_a::kCheck);
static_assert(profile::kProfile2Keys + profile::kKeysPerMode * profile::kKeySize ==
              profile::kCheck);
static_assert(param_b::kProductId < 8 && fire_key::kCheck < 11);

constexpr const SectionPlace& PlaceOf(ImageSection section) {
    return kSectionTable[static_cast<std::size_t>(section)];
}

std::span<std::uint8_t> SectionBytes(WorkingCopy& copy, ImageSection section);
std::span<const std::uint8_t> SectionBytes(const WorkingCopy& copy, ImageSection section);

// The sections of `image` as they stand, without any check.
WorkingCopy UnpackWorkingCopy(const DataBuf& image);
// Writes the sections into `image`; the gaps and everything from 0x100 on keep their bytes.
void PackWorkingCopy(const WorkingCopy& copy, DataBuf& image);

// The packed 202-byte record, and back (a shorter record fills as many bytes as it has).
std::array<std::uint8_t, kWorkingCopySize> WorkingCopyBytes(const WorkingCopy& copy);
WorkingCopy WorkingCopyFromBytes(ByteView bytes);

// A DataBuf from any bytes: the first 2048 bytes, a shorter input filling only as many.
DataBuf DataBufFromBytes(ByteView bytes, std::uint8_t fill = 0xFF);

} // namespace orln7a
