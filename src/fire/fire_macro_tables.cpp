#include "fire/fire_macro_tables.h"

#include <algorithm>
#include <string>

namespace orln7a {

namespace {

constexpr std::size_t kTablesEnd = kFireMacroColorTableAddress + kFireMacroColorTableSize;

constexpr std::array<FireMacroColor, kFireMacroRecordCount> kDefaultColors{{
    {0xFF, 0x00, 0x00},
    {0x00, 0xFF, 0x00},
    {0x00, 0x00, 0xFF},
    {0xFF, 0xFF, 0x00},
    {0xFF, 0x00, 0xFF},
    {0x00, 0xFF, 0xFF},
    {0xFF, 0x80, 0x00},
    {0xFF, 0x00, 0x80},
    {0x00, 0xFF, 0x80},
    {0xFF, 0xFF, 0xFF},
}};

Error TooShort(std::size_t size) {
    return MakeError("", "a parameter image of " + std::to_string(size) +
                             " bytes does not reach the fire macro tables");
}

} // namespace

YOffsetPair YOffsetPair::FromOffset(int offset) {
    const auto value = static_cast<std::uint8_t>(std::clamp(offset, -128, 127));
    return {value, static_cast<std::uint8_t>(~value)};
}

FireMacroKey FireMacroKeyFor(int record, bool stopOnRelease) {
    const int r = std::clamp(record, 1, static_cast<int>(kFireMacroRecordCount));
    const unsigned address = kFireMacroAreaAddress + kFireMacroRecordSize * (r - 1) + 1;
    return {FireMacroKeyType(stopOnRelease), static_cast<std::uint8_t>(address >> 8),
            static_cast<std::uint8_t>(address & 0xFF)};
}

FireMacroTables DefaultFireMacroTables() {
    FireMacroTables tables;
    for (std::size_t i = 0; i < kFireMacroRecordCount; ++i) {
        tables.keys[i] = FireMacroKeyFor(static_cast<int>(i) + 1, true);
        tables.yOffsets[i] = YOffsetPair::FromOffset(0);
    }
    tables.colors = kDefaultColors;
    return tables;
}

Result<FireMacroTables> DecodeFireMacroTables(ByteView image) {
    if (image.size() < kTablesEnd)
        return TooShort(image.size());
    FireMacroTables tables;
    for (std::size_t i = 0; i < kFireMacroRecordCount; ++i) {
        const std::size_t key = kFireMacroKeyTableAddress + 3 * i;
        tables.keys[i] = {image[key], image[key + 1], image[key + 2]};
        const std::size_t y = kYOffsetTableAddress + 2 * i;
        tables.yOffsets[i] = {image[y], image[y + 1]};
        const std::size_t c = kFireMacroColorTableAddress + 3 * i;
        tables.colors[i] = {image[c], image[c + 1], image[c + 2]};
    }
    return tables;
}

Status EncodeFireMacroTables(const FireMacroTables& tables, std::span<std::uint8_t> image) {
    if (image.size() < kTablesEnd)
        return TooShort(image.size());
    const auto keys = FireMacroKeyTableBytes(tables);
    const auto offsets = YOffsetTableBytes(tables);
    const auto colors = FireMacroColorTableBytes(tables);
    std::copy(keys.begin(), keys.end(), image.begin() + kFireMacroKeyTableAddress);
    std::copy(offsets.begin(), offsets.end(), image.begin() + kYOffsetTableAddress);
    std::copy(colors.begin(), colors.end(), image.begin() + kFireMacroColorTableAddress);
    return Ok();
}

std::array<std::uint8_t, kFireMacroKeyTableSize> FireMacroKeyTableBytes(const FireMacroTables& t) {
    std::array<std::uint8_t, kFireMacroKeyTableSize> out{};
    for (std::size_t i = 0; i < kFireMacroRecordCount; ++i)
        std::copy(t.keys[i].begin(), t.keys[i].end(), out.begin() + 3 * i);
    return out;
}

std::array<std::uint8_t, kYOffsetTableSize> YOffsetTableBytes(const FireMacroTables& t) {
    std::array<std::uint8_t, kYOffsetTableSize> out{};
    for (std::size_t i = 0; i < kFireMacroRecordCount; ++i) {
        out[2 * i] = t.yOffsets[i].value;
        out[2 * i + 1] = t.yOffsets[i].complement;
    }
    return out;
}

std::array<std::uint8_t, kFireMacroColorTableSize>
FireMacroColorTableBytes(const FireMacroTables& t) {
    std::array<std::uint8_t, kFireMacroColorTableSize> out{};
    for (std::size_t i = 0; i < kFireMacroRecordCount; ++i) {
        out[3 * i] = t.colors[i].red;
        out[3 * i + 1] = t.colors[i].green;
        out[3 * i + 2] = t.colors[i].blue;
    }
    return out;
}

std::vector<FireMacroBlock> FireMacroWriteBlocks(const FireMacroTables& tables,
                                                 const FireMacroArea& area) {
    const auto keys = FireMacroKeyTableBytes(tables);
    const auto offsets = YOffsetTableBytes(tables);
    const auto colors = FireMacroColorTableBytes(tables);
    return {
        {kFireMacroKeyTableAddress, Bytes(keys.begin(), keys.end())},
        {kYOffsetTableAddress, Bytes(offsets.begin(), offsets.end())},
        {kFireMacroColorTableAddress, Bytes(colors.begin(), colors.end())},
        {kFireMacroAreaAddress, Bytes(area.begin(), area.end())},
    };
}

} // namespace orln7a
