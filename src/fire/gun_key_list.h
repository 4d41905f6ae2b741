#pragma once

// The gun-key list: a 30-byte file beside the program that names fire macro codes after the
// slot holding them ("Fire Macro1" .. "Fire Macro10") instead of after the built-in guns. The
// editor only reads it, once at start-up.

#include "common/bytes.h"
#include "common/result.h"
#include "fire/fire_macro_tables.h"

#include <array>
#include <string>
#include <string_view>

namespace orln7a {

inline constexpr std::string_view kGunKeyListFileName = "ORLN7A Fire Macro.bin";
inline constexpr std::size_t kGunKeySlotCount = 10;
inline constexpr std::size_t kGunKeyListSize = 3 * kGunKeySlotCount;

struct GunKeyList {
    // The file was found and read; while true, fire macro codes take their slot names.
    bool loaded = false;
    // Slot i + 1 as six upper-case hex digits: a fire macro code, or "000000" when empty.
    std::array<std::string, kGunKeySlotCount> slots;

    GunKeyList();
    // The slot (1..10) holding `codeText`, the last one when several do; 0 when none does or
    // the list is not loaded. Empty slots never match.
    int SlotOf(std::string_view codeText) const;
};

// Reads the file's content: exactly 30 bytes, each 3-byte slot 00 00 00 or a fire macro code
// 0C ss ee with 1 <= ss <= ee <= 10. Any other content is damaged and refused with an Error
// that names what is wrong; the caller then names codes as if there were no file.
Result<GunKeyList> ParseGunKeyList(ByteView bytes);

// Reads "ORLN7A Fire Macro.bin" from `programFolder` (which ends with a separator). A missing
// file is not an error: the list comes back with `loaded` false.
Result<GunKeyList> LoadGunKeyList(std::string_view programFolder);

} // namespace orln7a
