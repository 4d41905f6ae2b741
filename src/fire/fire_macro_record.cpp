#include "fire/fire_macro_record.h"

#include <algorithm>
#include <string>

namespace orln7a {

std::uint8_t FireMacroRecord::ByteAt(std::size_t offset) const {
    if (offset == 0)
        return releaseMode;
    if (offset == 1)
        return length;
    if (offset < kFireMacroRecordSize)
        return program[offset - 2];
    return 0;
}

bool FireMacroRecord::SetByteAt(std::size_t offset, std::uint8_t value) {
    if (offset == 0)
        releaseMode = value;
    else if (offset == 1)
        length = value;
    else if (offset < kFireMacroRecordSize)
        program[offset - 2] = value;
    else
        return false;
    return true;
}

FireMacroRecord FireMacroRecordFromBytes(ByteView bytes) {
    FireMacroRecord record;
    const std::size_t n = std::min(bytes.size(), kFireMacroRecordSize);
    for (std::size_t i = 0; i < n; ++i)
        record.SetByteAt(i, bytes[i]);
    return record;
}

std::array<std::uint8_t, kFireMacroRecordSize> FireMacroRecordBytes(const FireMacroRecord& record) {
    std::array<std::uint8_t, kFireMacroRecordSize> out{};
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = record.ByteAt(i);
    return out;
}

Result<FireMacroRecord> MakeFireMacroRecord(std::uint8_t releaseMode, ByteView operations) {
    if (operations.size() + 1 > kFireMacroMaxLength)
        return MakeError("", std::to_string(operations.size()) +
                                 " operation bytes do not fit a fire macro record (at most " +
                                 std::to_string(kFireMacroMaxLength - 1) + ")");
    FireMacroRecord record;
    record.releaseMode = releaseMode;
    record.length = static_cast<std::uint8_t>(operations.size() + 1);
    std::copy(operations.begin(), operations.end(), record.program.begin());
    if (auto stamped = FireMacroChecksum(record); !stamped)
        return stamped.error();
    return record;
}

std::optional<std::uint8_t> FireMacroCheckByte(const FireMacroRecord& record) {
    if (!record.HasUsableLength())
        return std::nullopt;
    unsigned sum = 0;
    for (std::size_t i = 1; i <= record.length; ++i)
        sum += record.ByteAt(i);
    return static_cast<std::uint8_t>((sum & 0xFF) ^ 0x5A);
}

Status FireMacroChecksum(FireMacroRecord& record) {
    const auto check = FireMacroCheckByte(record);
    if (!check) {
        if (record.IsEmpty())
            return MakeError("", "an empty fire macro record has no check byte");
        return MakeError("", "fire macro record length " + std::to_string(record.length) +
                                 " runs past the record");
    }
    record.SetByteAt(record.length + 1u, *check);
    return Ok();
}

FireMacroRecords SplitFireMacroArea(const FireMacroArea& area) {
    FireMacroRecords records;
    for (std::size_t r = 0; r < kFireMacroRecordCount; ++r)
        records[r] = FireMacroRecordFromBytes(
            ByteView(area).subspan(r * kFireMacroRecordSize, kFireMacroRecordSize));
    return records;
}

void JoinFireMacroArea(const FireMacroRecords& records, FireMacroArea& area) {
    for (std::size_t r = 0; r < kFireMacroRecordCount; ++r) {
        const auto bytes = FireMacroRecordBytes(records[r]);
        std::copy(bytes.begin(), bytes.end(), area.begin() + r * kFireMacroRecordSize);
    }
}

Result<FireMacroArea> FireMacroAreaFromImage(ByteView image) {
    if (image.size() < kFireMacroAreaAddress + kFireMacroAreaSize)
        return MakeError("", "a parameter image of " + std::to_string(image.size()) +
                                 " bytes does not reach the fire macro area");
    FireMacroArea area;
    std::copy_n(image.begin() + kFireMacroAreaAddress, kFireMacroAreaSize, area.begin());
    return area;
}

Status StoreFireMacroArea(const FireMacroArea& area, std::span<std::uint8_t> image) {
    if (image.size() < kFireMacroAreaAddress + kFireMacroAreaSize)
        return MakeError("", "a parameter image of " + std::to_string(image.size()) +
                                 " bytes does not reach the fire macro area");
    std::copy(area.begin(), area.end(), image.begin() + kFireMacroAreaAddress);
    return Ok();
}

} // namespace orln7a
