#pragma once

// Finding and editing the values the gun page shows for one fire macro record: shot count,
// X step, Y step and shot interval live as operands inside the record's program, so the page
// scans the program once when a gun is loaded, remembers where each operand sits and later
// writes new values there. The Y offset and the release mode live outside the program (the
// Y offset table and the key table) and never touch the check byte.

#include "common/result.h"
#include "fire/fire_macro_record.h"
#include "fire/fire_macro_tables.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace orln7a {

enum class FireOperand { Count, X, Y, Interval };

// Record offsets of the editable operands of one record; absent when the program lacks the
// operation (or, for the interval, lacks a delay after the Y move).
struct FireOperandPositions {
    std::optional<std::size_t> count;
    std::optional<std::size_t> x;
    std::optional<std::size_t> y;
    std::optional<std::size_t> interval;

    std::optional<std::size_t> Of(FireOperand operand) const;
    bool operator==(const FireOperandPositions&) const = default;
};

struct FireRecordScan {
    // ReleaseMode is 0 or 1. Any other value stops the scan: the page shows zeros and leaves
    // its stop-on-release box as it was.
    bool releaseModeKnown = false;
    bool stopOnRelease = false;
    // The program was walked and its operands may be edited: a known release mode and a
    // Length of 1..22. Empty records and records whose Length runs past the record are shown
    // as zeros and never edited.
    bool editable = false;
    int count = 0;      // 1..256 when found
    int x = 0;          // -128..127
    int y = 0;          // -128..127 as stored; the page only writes 0..127
    int intervalMs = 0; // 0..2040
    FireOperandPositions positions;
    // Record offset of the byte that ended the walk early: a code that is not a fire macro
    // operation, or an operation whose operand would fall on the check byte.
    std::optional<std::size_t> stoppedAt;
};

// Walks offsets 2..Length. A later operation of the same kind replaces an earlier one; the
// interval is the first delay after each Y move.
FireRecordScan ScanFireMacroRecord(const FireMacroRecord& record);

// Writes a value as the gun page shows it (shots, X, Y, milliseconds) into the record at its
// remembered position and re-stamps the check byte. The value is first brought into its range
// (ClampFireValue). Refused, leaving the record untouched, when the record may not be edited,
// the program lacks the operation or the position no longer holds one (a stale scan).
// After a Y edit the page resets the record's Y offset to 0 (SetFireYOffset).
Status SetFireOperand(FireMacroRecord& record, const FireOperandPositions& positions,
                      FireOperand operand, int value);

// Nearest allowed value: count 1..256, X -128..127, Y 0..127, interval 0..2040 ms.
int ClampFireValue(FireOperand operand, long long value);
// Nearest allowed Y offset for a Y step y: within -128..127 and with y + offset within
// -128..127.
int ClampFireYOffset(long long offset, int y);

// Stores a Y offset (after ClampFireYOffset) with its complement and returns the stored
// offset.
int SetFireYOffset(YOffsetPair& pair, long long offset, int y);

// Switching stop-on-release sets ReleaseMode and the type byte of the record's key table
// entry; the check byte does not cover ReleaseMode and stays as it is.
void SetFireReleaseMode(FireMacroRecord& record, FireMacroKey& key, bool stopOnRelease);

// The numeric edit boxes of the gun page never refuse input; they replace it by the nearest
// allowed value.
enum class FireField { Count, X, Y, YOffset, Interval };
struct FireFieldInput {
    // A lone "-" in the X or Y offset box while the user is still typing: leave it alone.
    bool typing = false;
    int value = 0;
    // The text is not the allowed value and the box must show std::to_string(value).
    bool replace = false;
};
// Reads the text of a box. Empty or unreadable text counts as 0 (so a count becomes 1); y is
// the column's Y step, used by the Y offset box only.
FireFieldInput ReadFireField(FireField field, std::string_view text, int y = 0);

} // namespace orln7a
