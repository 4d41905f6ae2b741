#pragma once

// The ten fire macro ("gun") records of the mouse. Each record is a short program of left-button
// and pointer-move operations that the mouse replays while the button assigned to it is used.
// The mouse keeps them in one 256-byte area at device address 0x0500: ten 24-byte records and
// 16 spare bytes that the editor writes back exactly as it read them.

#include "common/bytes.h"
#include "common/result.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace orln7a {

inline constexpr std::size_t kFireMacroRecordCount = 10;
inline constexpr std::size_t kFireMacroRecordSize = 24;
inline constexpr std::size_t kFireMacroAreaSize = 256;
inline constexpr std::uint16_t kFireMacroAreaAddress = 0x0500;
// Operations run from offset 2 to offset Length and the check byte follows, so the longest
// program that fits a record has Length 22.
inline constexpr std::size_t kFireMacroMaxLength = 22;

// Operation codes that occur in fire macros (a subset of the device macro event codes).
namespace fire_op {
inline constexpr std::uint8_t kLeftDown = 0xA1;
inline constexpr std::uint8_t kLeftUp = 0x21;
inline constexpr std::uint8_t kMoveX = 0xFB;       // one signed operand
inline constexpr std::uint8_t kMoveY = 0xFA;       // one signed operand
inline constexpr std::uint8_t kDelay = 0xFE;       // operand t: t x 8 ms
inline constexpr std::uint8_t kRepeatStart = 0xFD; // operand n: the block runs n + 1 times
inline constexpr std::uint8_t kRepeatEnd = 0xFC;
} // namespace fire_op

struct FireMacroRecord {
    // 1: the mouse stops when the button is released; 0: the program plays to its end.
    std::uint8_t releaseMode = 0;
    // Bytes from offset 1 through the last operation byte; 0 is an empty record.
    std::uint8_t length = 0;
    // Record offsets 2..23: operations up to offset `length`, the check byte after them, then
    // bytes nobody interprets.
    std::array<std::uint8_t, kFireMacroRecordSize - 2> program{};

    // Byte at a record offset (0..23); offsets past the record read as 0.
    std::uint8_t ByteAt(std::size_t offset) const;
    // Stores a byte at a record offset; false (and nothing stored) past the record.
    bool SetByteAt(std::size_t offset, std::uint8_t value);

    bool IsEmpty() const { return length == 0; }
    // A record whose operations and check byte lie inside its 24 bytes; only such a record
    // may be scanned, edited or re-stamped.
    bool HasUsableLength() const { return length >= 1 && length <= kFireMacroMaxLength; }

    bool operator==(const FireMacroRecord&) const = default;
};
static_assert(sizeof(FireMacroRecord) == kFireMacroRecordSize);

using FireMacroArea = std::array<std::uint8_t, kFireMacroAreaSize>;
using FireMacroRecords = std::array<FireMacroRecord, kFireMacroRecordCount>;

// The first 24 bytes of `bytes` as a record; a shorter view is padded with zeros.
FireMacroRecord FireMacroRecordFromBytes(ByteView bytes);
std::array<std::uint8_t, kFireMacroRecordSize> FireMacroRecordBytes(const FireMacroRecord& record);

// A record holding `operations` (Length = operations + 1) with its check byte stamped. Refused
// when the operations do not fit a record.
Result<FireMacroRecord> MakeFireMacroRecord(std::uint8_t releaseMode, ByteView operations);

// (sum of the bytes at offsets 1..Length, modulo 256) XOR 0x5A; none for an empty record or
// one whose Length runs past the record.
std::optional<std::uint8_t> FireMacroCheckByte(const FireMacroRecord& record);

// Recomputes and stores the check byte at offset Length + 1 after an edit. ReleaseMode is
// outside the checked range and is left alone. An empty record is refused rather than stamped:
// stamping it would write 0x5A into its Length byte and turn it into garbage; so is a record
// whose check byte would land past its 24 bytes.
Status FireMacroChecksum(FireMacroRecord& record);

// Record r (1..10) is area bytes 24(r - 1) .. 24(r - 1) + 23.
FireMacroRecords SplitFireMacroArea(const FireMacroArea& area);
// Copies the records back into the area; the 16 spare bytes at the end stay as they are.
void JoinFireMacroArea(const FireMacroRecords& records, FireMacroArea& area);

// The area inside a parameter image (offset 0x500); refused when the image is too short.
Result<FireMacroArea> FireMacroAreaFromImage(ByteView image);
Status StoreFireMacroArea(const FireMacroArea& area, std::span<std::uint8_t> image);

} // namespace orln7a
