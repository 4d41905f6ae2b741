#include "keys/key_function_table.h"

namespace orln7a {

namespace {

constexpr bool TagsAndCodesAreUnique() {
    for (std::size_t i = 0; i < KeyFunctionTable.size(); ++i) {
        for (std::size_t j = i + 1; j < KeyFunctionTable.size(); ++j) {
            if (KeyFunctionTable[i].menuTag == KeyFunctionTable[j].menuTag ||
                KeyFunctionTable[i].code == KeyFunctionTable[j].code)
                return false;
        }
    }
    return true;
}
static_assert(TagsAndCodesAreUnique(), "a tag selects one code and a code has one name");

constexpr bool HasAimEntry() {
    for (const auto& entry : KeyFunctionTable) {
        if (entry.menuTag == kAimMenuTag)
            return entry.code.Type() == KeyFunctionType::Aim;
    }
    return false;
}
static_assert(HasAimEntry(), "AIM codes are named by the AIM entry");

} // namespace

const KeyFunctionEntry* FindKeyFunctionByTag(int tag) {
    for (const auto& entry : KeyFunctionTable) {
        if (entry.menuTag == tag)
            return &entry;
    }
    return nullptr;
}

std::string GetKeyFunctionCodeByTag(int tag, std::uint8_t aimIndex) {
    const KeyFunctionEntry* entry = FindKeyFunctionByTag(tag);
    if (entry == nullptr)
        return {};
    return FormatKeyFunctionCode(tag == kAimMenuTag ? AimKeyFunctionCode(aimIndex) : entry->code);
}

} // namespace orln7a
