#pragma once

// The seven guns of the gun page. Each gun is backed by a fixed run of fire macro records and
// is assigned to a button as the fire macro code 0C ss ee: play records ss through ee.

#include "fire/fire_macro_tables.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace orln7a {

inline constexpr int kGunCount = 7;
inline constexpr std::uint8_t kFireMacroCodeType = 0x0C;

struct GunPreset {
    int gun = 0;              // 1..7
    std::string_view nameKey; // language key of the gun's name
    int firstRecord = 0;      // record shown in column 1; column c shows firstRecord + c - 1
    int columns = 0;          // columns (records) the page shows: 1, 2 or 3
    int firstSightImage = 0;  // Img_GunMode<n> of the first sight image; 0 for none
    int sightImages = 0;

    // Record number behind column c (1..columns), or none.
    std::optional<int> RecordOfColumn(int column) const;
};

const std::array<GunPreset, kGunCount>& GunPresets();
// The preset of gun g (1..7), or none.
std::optional<GunPreset> FindGunPreset(int gun);

// How many records the gun's button code covers. Guns 6 and 7 always show all their columns;
// the brand's Gun6_Num (1..2) and Gun7_Num (1..3) decide how many of them the mouse plays.
// Out-of-range counts are taken as the nearest allowed one.
int GunCodeRecordCount(const GunPreset& preset, int gun6Num, int gun7Num);

// The code written to the button on Confirm, for example 0C 06 07 for gun 6 with Gun6_Num 2.
FireMacroKey GunFireCode(const GunPreset& preset, int gun6Num, int gun7Num);

// Skin image of a gun's button: "Gun3_01" normal, "Gun3_02" under the pointer or selected.
std::string GunImageName(int gun, bool highlighted);

// A button code that plays fire macros: type 0x0C and 1 <= first <= last <= 10.
bool IsFireMacroCode(const FireMacroKey& code);

// Six upper-case hex digits, as the editor carries button codes ("0C0607").
std::string FireCodeText(const FireMacroKey& code);

} // namespace orln7a
