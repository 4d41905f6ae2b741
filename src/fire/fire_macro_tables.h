#pragma once

// The three per-record tables that sit beside the fire macro area in the parameter image: the
// button function the mouse runs for each record (0x080), the Y offset of each record (0x0B0)
// and the colour the mouse shows while a record plays (0x0D0). None of them carries a check;
// they are taken and written back as they are.

#include "common/bytes.h"
#include "common/result.h"
#include "fire/fire_macro_record.h"

#include <array>
#include <cstdint>
#include <vector>

namespace orln7a {

inline constexpr std::uint16_t kFireMacroKeyTableAddress = 0x0080;   // 10 x 3 bytes
inline constexpr std::uint16_t kYOffsetTableAddress = 0x00B0;        // 10 x 2 bytes
inline constexpr std::uint16_t kFireMacroColorTableAddress = 0x00D0; // 10 x 3 bytes
inline constexpr std::size_t kFireMacroKeyTableSize = 30;
inline constexpr std::size_t kYOffsetTableSize = 20;
inline constexpr std::size_t kFireMacroColorTableSize = 30;

// Type byte of a record's key table entry: 0x0E plays the record while the button is held,
// 0x0B plays it to its end.
inline constexpr std::uint8_t kFireKeyTypeStopOnRelease = 0x0E;
inline constexpr std::uint8_t kFireKeyTypePlayToEnd = 0x0B;

// A button function code [type, address high, address low]; the address is that of the
// record's Length byte.
using FireMacroKey = std::array<std::uint8_t, 3>;

struct YOffsetPair {
    std::uint8_t value = 0;         // signed byte
    std::uint8_t complement = 0xFF; // bitwise complement of value when written by the editor

    // The offset as a signed number: 128..255 read as -128..-1.
    int Offset() const { return static_cast<std::int8_t>(value); }
    // The pair the editor writes for an offset in -128..127 (other values are clamped).
    static YOffsetPair FromOffset(int offset);

    bool operator==(const YOffsetPair&) const = default;
};

struct FireMacroColor {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    // The colour as one number, red + 256 x green + 65536 x blue.
    std::uint32_t Value() const { return red + 256u * green + 65536u * blue; }

    bool operator==(const FireMacroColor&) const = default;
};

// Entry r - 1 of each array belongs to record r.
struct FireMacroTables {
    std::array<FireMacroKey, kFireMacroRecordCount> keys{};     // FireMacroKeyTable
    std::array<YOffsetPair, kFireMacroRecordCount> yOffsets{};  // YOffsetTable
    std::array<FireMacroColor, kFireMacroRecordCount> colors{}; // FireMacroColorTable

    bool operator==(const FireMacroTables&) const = default;
};

// The key table entry that points at record r (1..10; other numbers are taken as the nearest
// record), with the type for its release mode.
FireMacroKey FireMacroKeyFor(int record, bool stopOnRelease);
// The key type byte for a record's ReleaseMode: 0x0E for 1, 0x0B for 0.
inline std::uint8_t FireMacroKeyType(bool stopOnRelease) {
    return stopOnRelease ? kFireKeyTypeStopOnRelease : kFireKeyTypePlayToEnd;
}

// The tables as the shipped default images carry them.
FireMacroTables DefaultFireMacroTables();

// Reads the tables from a parameter image (offsets 0x080..0x0ED); refused when it is too short.
Result<FireMacroTables> DecodeFireMacroTables(ByteView image);
// Writes the tables into a parameter image; the gaps between them are left untouched.
Status EncodeFireMacroTables(const FireMacroTables& tables, std::span<std::uint8_t> image);

std::array<std::uint8_t, kFireMacroKeyTableSize> FireMacroKeyTableBytes(const FireMacroTables& t);
std::array<std::uint8_t, kYOffsetTableSize> YOffsetTableBytes(const FireMacroTables& t);
std::array<std::uint8_t, kFireMacroColorTableSize>
FireMacroColorTableBytes(const FireMacroTables& t);

// One block of a fire macro write: the bytes and the device address they go to.
struct FireMacroBlock {
    std::uint16_t address = 0;
    Bytes bytes;
};
// What confirming a gun writes to the mouse, in order: key table, Y offset table, colour
// table, then the whole area.
std::vector<FireMacroBlock> FireMacroWriteBlocks(const FireMacroTables& tables,
                                                 const FireMacroArea& area);

} // namespace orln7a
