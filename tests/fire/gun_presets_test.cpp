#include "fire/gun_presets.h"

#include <gtest/gtest.h>

namespace orln7a {
namespace {

TEST(GunPresetsTest, CodesFollowTheGunAndTheBrandCounts) {
    struct Case {
        int gun, gun6Num, gun7Num;
        const char* code;
    };
    const Case cases[] = {
        {1, 2, 3, "0C0101"}, {5, 2, 3, "0C0505"},  {6, 1, 3, "0C0606"}, {6, 2, 1, "0C0607"},
        {6, 0, 3, "0C0606"}, {6, 9, 3, "0C0607"},  {7, 2, 1, "0C0808"}, {7, 2, 2, "0C0809"},
        {7, 2, 3, "0C080A"}, {7, 2, -4, "0C0808"}, {7, 2, 9, "0C080A"},
    };
    for (const auto& c : cases) {
        const auto preset = FindGunPreset(c.gun);
        ASSERT_TRUE(preset);
        const auto code = GunFireCode(*preset, c.gun6Num, c.gun7Num);
        EXPECT_EQ(FireCodeText(code), c.code) << c.gun << " " << c.gun6Num << " " << c.gun7Num;
        EXPECT_TRUE(IsFireMacroCode(code));
    }
}

TEST(GunPresetsTest, ColumnsAndImagesDoNotDependOnTheBrandCounts) {
    const auto gun6 = *FindGunPreset(6);
    const auto gun7 = *FindGunPreset(7);
    EXPECT_EQ(gun6.columns, 2);
    EXPECT_EQ(gun6.RecordOfColumn(2), 7);
    EXPECT_FALSE(gun6.RecordOfColumn(3));
    EXPECT_EQ(gun7.RecordOfColumn(1), 8);
    EXPECT_EQ(gun7.RecordOfColumn(3), 10);
    EXPECT_EQ(gun7.firstSightImage, 3);
    EXPECT_EQ(gun7.sightImages, 3);
    EXPECT_EQ(FindGunPreset(4)->nameKey, "Str603");
    EXPECT_FALSE(FindGunPreset(1)->RecordOfColumn(0));
    EXPECT_FALSE(FindGunPreset(0));
    EXPECT_FALSE(FindGunPreset(8));
    EXPECT_EQ(GunImageName(3, true), "Gun3_02");
    EXPECT_EQ(GunImageName(7, false), "Gun7_01");
}

} // namespace
} // namespace orln7a
