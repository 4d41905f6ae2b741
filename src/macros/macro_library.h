#pragma once

// The PC's macro libraries and their byte layouts. In EEPROM mode the library is a fixed table
// of 100 named macros (256-byte records); in driver mode an open list of 2048-byte records.
// Library files and exports are plain concatenations of records with no header of their own,
// so every reader here takes any bytes: whole records only, nameless records dropped, and
// imports that would bring in damaged macros refused.

#include "common/bytes.h"
#include "common/result.h"
#include "macros/macro_content.h"

#include <array>
#include <cstddef>
#include <vector>

namespace orln7a {

inline constexpr std::size_t kMacroLibrarySize = 100;
inline constexpr std::size_t kMacroLibraryBytes = kMacroLibrarySize * kMacroRecordSize;
// Single imports stop one short of the table (new macros may still fill it), and at 9999 in
// driver mode.
inline constexpr std::size_t kMaxMacrosForImportOne = 99;
inline constexpr std::size_t kMaxDriverMacrosForImportOne = 9999;

// `MacroLibrary`: present macros occupy entries 0 .. count - 1 without gaps; the rest are zero.
using MacroLibrary = std::array<MacroEntry, kMacroLibrarySize>;
// `DriverMacroLibrary` in display order; `AssignedDriverMacros` has the same form.
using DriverMacroLibrary = std::vector<DriverMacroRecord>;

// Number of present macros, counted from entry 0 up to the first one without a name.
std::size_t MacroLibraryCount(const MacroLibrary& library);
// Moves the present macros to the front in their order and zeroes the rest, so that list row i
// is always entry i.
void CompactMacroLibrary(MacroLibrary& library);

Bytes MacroEntryBytes(const MacroEntry& entry);
Bytes DriverMacroRecordBytes(const DriverMacroRecord& record);
// A record from the start of `bytes`; bytes the view does not reach read as zero.
MacroEntry MacroEntryFromBytes(ByteView bytes);
DriverMacroRecord DriverMacroRecordFromBytes(ByteView bytes);

// "Macro.bin" and the whole-library export: 100 records, 25600 bytes.
Bytes MacroLibraryBytes(const MacroLibrary& library);
// "Driver_Macro.bin" and its whole-library export: one record after another.
Bytes DriverMacroLibraryBytes(const DriverMacroLibrary& library);

// Reads the library's own file (or the built-in default): record i from offset 256 * i for the
// whole records the bytes hold; entries beyond keep their data. Nameless records leave no gap.
void ReadMacroLibraryBytes(ByteView bytes, MacroLibrary& library);
// Every whole named record of the bytes, in order; a trailing part record is ignored.
DriverMacroLibrary ReadDriverMacroLibraryBytes(ByteView bytes);

// One-macro exports: the first record of the bytes. It must be whole, carry a name and have
// intact content (an empty macro is fine); anything else, such as a record of the other storage
// mode, is refused with "Str102". Bytes after the record are ignored.
Result<MacroEntry> ParseOneMacroExport(ByteView bytes);
Result<DriverMacroRecord> ParseOneDriverMacroExport(ByteView bytes);

bool CanImportOneMacro(const MacroLibrary& library);
bool CanImportOneDriverMacro(const DriverMacroLibrary& library);

// Import one: appends the export's macro and returns its index. A macro whose 32 name bytes
// equal those of a library macro is refused with "Str106"; a full library is refused without a
// message key (the window shows nothing then). The library is unchanged on every refusal.
Result<std::size_t> ImportOneMacro(MacroLibrary& library, ByteView bytes);
Result<std::size_t> ImportOneDriverMacro(DriverMacroLibrary& library, ByteView bytes);

// Import all: EEPROM mode replaces entry i by record i for each whole record of the bytes and
// keeps the others; driver mode replaces the list. Bytes that hold no named record, or a named
// record whose content is damaged, are refused with "Str102" and the library stays as it was.
Status ImportMacroLibrary(MacroLibrary& library, ByteView bytes);
Status ImportDriverMacroLibrary(DriverMacroLibrary& library, ByteView bytes);

// `RefreshDriverWriteMacro`: each assigned copy takes the content of the first library record
// with the same 32 name bytes; copies whose name left the library keep their content.
void RefreshDriverWriteMacro(const DriverMacroLibrary& library, DriverMacroLibrary& assigned);

} // namespace orln7a
