#include "fire/gun_presets.h"

#include <algorithm>

namespace orln7a {

namespace {

constexpr std::array<GunPreset, kGunCount> kPresets{{
    {1, "Str600", 1, 1, 0, 0},
    {2, "Str601", 2, 1, 0, 0},
    {3, "Str602", 3, 1, 0, 0},
    {4, "Str603", 4, 1, 0, 0},
    {5, "Str604", 5, 1, 0, 0},
    {6, "Str605", 6, 2, 1, 2},
    {7, "Str606", 8, 3, 3, 3},
}};

} // namespace

std::optional<int> GunPreset::RecordOfColumn(int column) const {
    if (column < 1 || column > columns)
        return std::nullopt;
    return firstRecord + column - 1;
}

const std::array<GunPreset, kGunCount>& GunPresets() {
    return kPresets;
}

std::optional<GunPreset> FindGunPreset(int gun) {
    if (gun < 1 || gun > kGunCount)
        return std::nullopt;
    return kPresets[static_cast<std::size_t>(gun - 1)];
}

int GunCodeRecordCount(const GunPreset& preset, int gun6Num, int gun7Num) {
    if (preset.gun == 6)
        return std::clamp(gun6Num, 1, preset.columns);
    if (preset.gun == 7)
        return std::clamp(gun7Num, 1, preset.columns);
    return 1;
}

FireMacroKey GunFireCode(const GunPreset& preset, int gun6Num, int gun7Num) {
    const int last = preset.firstRecord + GunCodeRecordCount(preset, gun6Num, gun7Num) - 1;
    return {kFireMacroCodeType, static_cast<std::uint8_t>(preset.firstRecord),
            static_cast<std::uint8_t>(last)};
}

std::string GunImageName(int gun, bool highlighted) {
    return "Gun" + std::to_string(gun) + (highlighted ? "_02" : "_01");
}

bool IsFireMacroCode(const FireMacroKey& code) {
    return code[0] == kFireMacroCodeType && code[1] >= 1 && code[1] <= code[2] &&
           code[2] <= kFireMacroRecordCount;
}

std::string FireCodeText(const FireMacroKey& code) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (const std::uint8_t b : code) {
        text += kDigits[b >> 4];
        text += kDigits[b & 0x0F];
    }
    return text;
}

} // namespace orln7a
