#include "macros/macro_slots.h"

#include <algorithm>

namespace orln7a {

namespace {

constexpr int kSlotCheckedCount = 4; // slots 5 and 6 are taken as they are

// The slot a button code plays, if it is a macro code with a slot identifier.
std::optional<int> SlotOfCode(std::string_view text) {
    const auto code = ParseKeyFunctionCode(text);
    if (!code || (code->Type() != KeyFunctionType::Macro &&
                  code->Type() != KeyFunctionType::MacroUntilRelease))
        return std::nullopt;
    return BaseMacroSlotOfId(code->Parameter());
}

} // namespace

std::string BaseMacroSlotCode(int slot, bool releaseStop) {
    if (slot < 1 || slot > kBaseMacroSlotCount)
        return {};
    return FormatKeyFunctionCode(MacroKeyFunctionCode(releaseStop, BaseMacroSlotIds[slot - 1]));
}

int FindBaseMacroCount(std::span<const std::string> buttonCodes, const MacroName& chosenName,
                       const MacroSlots& slots) {
    std::array<bool, kBaseMacroSlotCount + 1> used{}; // index = slot number
    for (const auto& code : buttonCodes)
        if (const auto slot = SlotOfCode(code))
            used[*slot] = true;
    const int count = static_cast<int>(std::count(used.begin() + 1, used.end(), true));
    const auto isUsed = [&](int slot) { return used[slot]; };

    const bool lowestSlots =
        std::all_of(used.begin() + 1, used.begin() + 1 + count, [](bool u) { return u; });
    if (lowestSlots) {
        int sameName = 0;
        int matches = 0;
        for (int slot = 1; slot <= kBaseMacroSlotCount; ++slot)
            if (slots[slot - 1].name == chosenName) {
                sameName = slot;
                ++matches;
            }
        return matches == 1 ? sameName : count + 1;
    }

    int result = count;
    for (int gap = 1; gap <= 5; ++gap) {
        // The gap at `gap` with a used neighbour on either side (slot 1 has only one).
        const bool before = gap == 1 || isUsed(gap - 1);
        if (before && !isUsed(gap) && isUsed(gap + 1)) {
            result = gap;
            break;
        }
    }
    if (isUsed(result)) {
        for (int slot = 1; slot <= kBaseMacroSlotCount; ++slot)
            if (!isUsed(slot))
                return slot;
    }
    return result;
}

void RefreshBaseMacroBuf(const MacroSlots& slots, std::span<std::uint8_t> image) {
    for (int slot = 1; slot <= kBaseMacroSlotCount; ++slot) {
        const std::size_t area = BaseMacroSlotArea(slot);
        if (area + kSlotAreaSize > image.size())
            continue;
        const MacroEntry& entry = slots[slot - 1];
        std::copy(entry.name.begin(), entry.name.end(), image.begin() + area);
        std::copy(entry.block.begin(), entry.block.end(), image.begin() + area + kSlotBlockOffset);
    }
}

MacroSlots ReadAndRefreshMacro(ByteView image) {
    MacroSlots slots{};
    for (int slot = 1; slot <= kBaseMacroSlotCount; ++slot) {
        const std::size_t area = BaseMacroSlotArea(slot);
        MacroEntry& entry = slots[slot - 1];
        for (std::size_t i = 0; i < kMacroNameSize && area + i < image.size(); ++i)
            entry.name[i] = image[area + i];
        for (std::size_t i = 0; i < kMacroBlockSize && area + kSlotBlockOffset + i < image.size();
             ++i)
            entry.block[i] = image[area + kSlotBlockOffset + i];
        if (slot <= kSlotCheckedCount)
            CheckMacroContentBuf(entry.block);
    }
    return slots;
}

std::array<std::string, kBaseMacroSlotCount> RefreshMacroName(const MacroSlots& slots) {
    std::array<std::string, kBaseMacroSlotCount> names;
    for (int slot = 0; slot < kBaseMacroSlotCount; ++slot)
        if (MacroNamePresent(slots[slot].name))
            names[slot] = MacroNameText(slots[slot].name);
    return names;
}

} // namespace orln7a
