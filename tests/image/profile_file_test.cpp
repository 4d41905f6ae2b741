#include "image/profile_file.h"

#include "common/files.h"
#include "image/default_images.h"
#include "image/section_checks.h"
#include "image_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace orln7a {
namespace {

class ProfileFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ =
            std::filesystem::temp_directory_path() /
            ("orln7a-profile-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::filesystem::path dir_;
};

TEST_F(ProfileFileTest, OnlyTheTwoImageSizesAreProfiles) {
    struct Case {
        std::size_t size;
        bool accepted;
        ProfileKind kind;
    };
    const Case cases[] = {
        {0, false, {}},
        {100, false, {}},
        {2047, false, {}},
        {2048, true, ProfileKind::ParameterImage},
        {2049, false, {}},
        {40959, false, {}},
        {40960, true, ProfileKind::DriverImage},
        {40961, false, {}},
        {102400, false, {}},
    };
    for (const Case& c : cases) {
        const Bytes bytes(c.size, 0x5A);
        const auto parsed = ParseProfileFile(bytes);
        EXPECT_EQ(parsed.ok(), c.accepted) << c.size;
        if (parsed) {
            EXPECT_EQ(parsed->kind, c.kind);
            EXPECT_EQ(parsed->bytes, bytes);
        } else {
            EXPECT_EQ(parsed.error().key, "Str102");
        }

        const auto file = dir_ / ("size" + std::to_string(c.size) + ".bin");
        ASSERT_TRUE(WriteFileAtomically(file, bytes));
        const auto read = ReadProfileFile(file);
        EXPECT_EQ(read.ok(), c.accepted) << c.size;
        if (!read) {
            EXPECT_EQ(read.error().key, "Str102") << c.size;
        }
    }
    const auto missing = ReadProfileFile(dir_ / "absent.bin");
    ASSERT_FALSE(missing);
    EXPECT_NE(missing.error().key, "Str102");
}

TEST_F(ProfileFileTest, ChosenNamesGetOneBinExtension) {
    const std::pair<const char*, const char*> cases[] = {
        {"work", "work.bin"},
        {"work.bin", "work.bin"},
        {"WORK.BIN", "WORK.BIN"},
        {"work.Bin", "work.Bin"},
        {"work.bin.bak", "work.bin.bak.bin"},
        {"bin", "bin.bin"},
        {"my.binary", "my.binary.bin"},
    };
    for (const auto& [chosen, target] : cases)
        EXPECT_EQ(ProfileFileTarget(dir_, chosen), dir_ / target) << chosen;
}

TEST_F(ProfileFileTest, WritingKeepsTheImageAndRefusesOtherSizes) {
    const auto image = DefaultImage(1);
    ASSERT_TRUE(image);
    const auto file = ProfileFileTarget(dir_, "work");
    ASSERT_TRUE(WriteProfileFile(file, *image));
    const auto back = ReadProfileFile(file);
    ASSERT_TRUE(back);
    EXPECT_EQ(ParameterImageFromProfile(*back), *image);

    const auto refused = WriteProfileFile(dir_ / "short.bin", Bytes(100, 0));
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error().key, "Str102");
    EXPECT_FALSE(std::filesystem::exists(dir_ / "short.bin"));
}

// A driver profile in EEPROM storage: the sections that share their offsets pass, the fire key
// section (at 242 in the driver layout) fails and the editors get its defaults.
TEST_F(ProfileFileTest, DriverProfileAsParameterImage) {
    const auto driver = DriverDefaultImage(0);
    ASSERT_TRUE(driver);
    const auto file = ParseProfileFile(*driver);
    ASSERT_TRUE(file);
    const DataBuf image = ParameterImageFromProfile(*file);
    EXPECT_TRUE(std::equal(image.begin(), image.end(), driver->begin()));
    SectionCheckReport report;
    const WorkingCopy copy = LoadWorkingCopy(image, &report);
    EXPECT_EQ(report.parameterA, CheckOutcome::Ok);
    EXPECT_EQ(report.parameterB, CheckOutcome::Ok);
    EXPECT_EQ(report.profile, CheckOutcome::Ok);
    EXPECT_EQ(report.fireKey, CheckOutcome::Repaired);
    EXPECT_EQ(copy.fireKey, DefaultFireKeySection());
}

} // namespace
} // namespace orln7a
