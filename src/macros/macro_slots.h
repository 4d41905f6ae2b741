#pragma once

// The six macro slots of the mouse's own memory. A button can only play a macro that sits in a
// slot; the button's function code carries the slot identifier, which is the device address of
// the slot block's length byte. Area 0x0500 holds the fire macros, so no slot lives there.

#include "common/bytes.h"
#include "keys/key_function_code.h"
#include "macros/macro_content.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace orln7a {

inline constexpr int kBaseMacroSlotCount = static_cast<int>(BaseMacroSlotIds.size());
// Returned by FindBaseMacroCount when every slot is taken.
inline constexpr int kNoFreeMacroSlot = 7;

// Each slot is a 256-byte area: the name at +0x00, the block at +0x20. The identifier is the
// address of the block's length byte, so the name lies at identifier - 33 and the block at
// identifier - 1. 0 for a slot number out of range.
inline constexpr std::uint16_t kSlotBlockOffset = 0x20;
inline constexpr std::size_t kSlotAreaSize = 0x100;
constexpr std::uint16_t BaseMacroSlotArea(int slot) {
    return slot >= 1 && slot <= kBaseMacroSlotCount
               ? static_cast<std::uint16_t>(BaseMacroSlotIds[slot - 1] - kSlotBlockOffset - 1)
               : 0;
}
constexpr std::uint16_t BaseMacroSlotBlockAddress(int slot) {
    return slot >= 1 && slot <= kBaseMacroSlotCount
               ? static_cast<std::uint16_t>(BaseMacroSlotIds[slot - 1] - 1)
               : 0;
}

// The six slots, each a name and a block, as the editor keeps them between reads and writes.
using MacroSlots = std::array<MacroEntry, kBaseMacroSlotCount>;

// The code that makes a button play slot `slot` (1..6): "06" + identifier for ReleaseMode 0,
// "0E" + identifier for ReleaseMode 1.
std::string BaseMacroSlotCode(int slot, bool releaseStop);

// `FindBaseMacroCount`: the slot (1..6) for the chosen macro, or 7 when there is no room. The
// caller has already set the code of the button being assigned to "000000", so that its old
// slot counts as free. `buttonCodes` are the 18 codes of both key modes.
//
// When the used slots are exactly the lowest ones the next slot is taken, unless a slot already
// holds a macro of the same name, which the buttons then share. Otherwise a gap is filled. The
// result is never a slot another button plays: where the gap rules would name one, the lowest
// free slot is taken instead.
int FindBaseMacroCount(std::span<const std::string> buttonCodes, const MacroName& chosenName,
                       const MacroSlots& slots);

// `RefreshBaseMacroBuf`: the slots into their regions of the parameter image (name, then block,
// exactly as in the mouse). Regions beyond a short image are skipped.
void RefreshBaseMacroBuf(const MacroSlots& slots, std::span<std::uint8_t> image);

// `ReadAndRefreshMacro`: the slots out of the parameter image. Blocks of slots 1..4 that fail
// their check are emptied (their names are kept); slots 5 and 6 are taken as they are. Bytes
// beyond a short image read as zero.
MacroSlots ReadAndRefreshMacro(ByteView image);

// `RefreshMacroName`: the display names of the slots, empty for a slot without a name.
std::array<std::string, kBaseMacroSlotCount> RefreshMacroName(const MacroSlots& slots);

} // namespace orln7a
