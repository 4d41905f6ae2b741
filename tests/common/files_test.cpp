#include "common/files.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace orln7a {
namespace {

class FilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ =
            std::filesystem::temp_directory_path() /
            ("orln7a-files-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::filesystem::path dir_;
};

TEST_F(FilesTest, AtomicWriteReplacesAndLeavesNoTemporary) {
    const auto file = dir_ / "profile.bin";
    ASSERT_TRUE(WriteFileAtomically(file, Bytes{1, 2, 3}));
    ASSERT_TRUE(WriteFileAtomically(file, Bytes{4, 5}));
    const auto back = ReadWholeFile(file, 100);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, (Bytes{4, 5}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 1);
}

TEST_F(FilesTest, FailuresAreReportedAndKeepTheOldFile) {
    const auto file = dir_ / "keep.bin";
    ASSERT_TRUE(WriteFileAtomically(file, Bytes{9}));
    EXPECT_FALSE(WriteFileAtomically(dir_ / "no-such-folder" / "x.bin", Bytes{1}));
    // A folder where the file should go: the rename fails and the temporary is cleaned away.
    std::filesystem::create_directories(dir_ / "busy");
    EXPECT_FALSE(WriteFileAtomically(dir_ / "busy", Bytes{1}));
    EXPECT_EQ(*ReadWholeFile(file, 10), Bytes{9});
    EXPECT_FALSE(ReadWholeFile(dir_ / "absent.bin", 10));
    EXPECT_FALSE(ReadWholeFile(file, 0)); // larger than allowed
}

} // namespace
} // namespace orln7a
