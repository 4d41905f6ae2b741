#include "fire/gun_key_list.h"

#include "common/files.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace orln7a {
namespace {

Bytes ListBytes(std::initializer_list<FireMacroKey> slots) {
    Bytes bytes(kGunKeyListSize, 0);
    std::size_t i = 0;
    for (const auto& slot : slots) {
        std::copy(slot.begin(), slot.end(), bytes.begin() + 3 * i);
        ++i;
    }
    return bytes;
}

TEST(GunKeyListTest, SlotsNameCodesAndTheLastMatchWins) {
    const auto list = ParseGunKeyList(ListBytes({{0x0C, 0x01, 0x01},
                                                 {0, 0, 0},
                                                 {0x0C, 0x06, 0x07},
                                                 {0x0C, 0x08, 0x0A},
                                                 {0x0C, 0x06, 0x07}}));
    ASSERT_TRUE(list);
    EXPECT_TRUE(list->loaded);
    EXPECT_EQ(list->slots[2], "0C0607");
    EXPECT_EQ(list->slots[9], "000000");
    EXPECT_EQ(list->SlotOf("0C0101"), 1);
    EXPECT_EQ(list->SlotOf("0c080a"), 4);
    EXPECT_EQ(list->SlotOf("0C0607"), 5);
    EXPECT_EQ(list->SlotOf("0C0202"), 0);
    EXPECT_EQ(list->SlotOf("000000"), 0);
    EXPECT_EQ(GunKeyList{}.SlotOf("000000"), 0);
}

TEST(GunKeyListTest, DamagedContentIsRefusedWithItsReason) {
    struct Case {
        Bytes bytes;
        const char* reason;
    };
    const Case cases[] = {
        {{}, "0 bytes"},
        {Bytes(29, 0), "29 bytes"},
        {Bytes(31, 0), "31 bytes"},
        {ListBytes({{0x0C, 0x01, 0x01}, {0x0C, 0x00, 0x01}}), "slot 2"},
        {ListBytes({{0x0C, 0x03, 0x02}}), "slot 1"},
        {ListBytes({{0, 0, 0}, {0, 0, 0}, {0x0C, 0x01, 0x0B}}), "slot 3"},
        {ListBytes({{0x01, 0x01, 0x00}}), "01010"},
        {ListBytes({{0, 0, 1}}), "000001"},
    };
    for (const auto& c : cases) {
        const auto list = ParseGunKeyList(c.bytes);
        ASSERT_FALSE(list) << c.reason;
        EXPECT_NE(list.error().detail.find(c.reason), std::string::npos) << list.error().detail;
    }
}

class GunKeyListFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ =
            std::filesystem::temp_directory_path() /
            ("orln7a-gunkeys-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
        folder_ = dir_.string() + "/";
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::filesystem::path File() const { return dir_ / std::string(kGunKeyListFileName); }

    std::filesystem::path dir_;
    std::string folder_;
};

TEST_F(GunKeyListFileTest, MissingFileMeansNoList) {
    const auto list = LoadGunKeyList(folder_);
    ASSERT_TRUE(list);
    EXPECT_FALSE(list->loaded);
}

TEST_F(GunKeyListFileTest, ReadsAGoodFileAndRefusesDamagedOnes) {
    ASSERT_TRUE(WriteFileAtomically(File(), ListBytes({{0x0C, 0x02, 0x02}})));
    const auto good = LoadGunKeyList(folder_);
    ASSERT_TRUE(good);
    EXPECT_TRUE(good->loaded);
    EXPECT_EQ(good->SlotOf("0C0202"), 1);

    ASSERT_TRUE(WriteFileAtomically(File(), Bytes(4096, 0x0C)));
    EXPECT_FALSE(LoadGunKeyList(folder_));

    std::filesystem::remove(File());
    std::filesystem::create_directory(File());
    EXPECT_FALSE(LoadGunKeyList(folder_));
}

} // namespace
} // namespace orln7a
