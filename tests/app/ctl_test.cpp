// orln7a-ctl as a program: arguments in, JSON or text out, exit status.

#include "common/files.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <array>
#include <cstdio>
#include <filesystem>
#include <sys/wait.h>

namespace orln7a {
namespace {

struct CtlRun {
    int status = -1;
    std::string out;
};

// Runs the tool through the shell; standard error is folded into the output after a marker.
CtlRun Ctl(const std::string& args, const std::string& input = {}) {
    std::string command = std::string(ORLN7A_CTL) + " " + args + " 2>&1";
    if (!input.empty())
        command = "printf '" + input + "' | " + command;
    CtlRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr)
        return run;
    std::array<char, 4096> buffer{};
    while (std::fgets(buffer.data(), buffer.size(), pipe) != nullptr)
        run.out += buffer.data();
    const int raw = ::pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return run;
}

class CtlTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("orln7a-ctl-" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::string File(const std::string& name) const { return (dir_ / name).string(); }
    std::filesystem::path dir_;
};

TEST_F(CtlTest, ShowsADefaultImageAsTheEditorWould) {
    ASSERT_EQ(Ctl("default 1 -o " + File("d1.bin")).status, 0);
    EXPECT_EQ(std::filesystem::file_size(File("d1.bin")), 2048u);
    const CtlRun run = Ctl("show " + File("d1.bin"));
    ASSERT_EQ(run.status, 0) << run.out;
    const auto j = nlohmann::json::parse(run.out);
    EXPECT_EQ(j["dpi"]["count"], 6);
    EXPECT_EQ(j["dpi"]["current"], 2);
    EXPECT_EQ(j["dpi"]["levels"][0]["value"], 800);
    EXPECT_EQ(j["dpi"]["levels"][0]["color"], nlohmann::json({0, 255, 0}));
    EXPECT_EQ(j["led"]["type"], "MCULED");
    EXPECT_EQ(j["led"]["mode"], 2);
    EXPECT_EQ(j["keys"]["mode"], 1);
    EXPECT_EQ(j["keys"]["profile1"][0], "010100");
    EXPECT_EQ(j["keys"]["names1"][0], "Left Click");
    EXPECT_EQ(j["ids"]["manufacturer"], 255);
    for (const char* section : {"parameter_a", "parameter_b", "profile", "fire_key"})
        EXPECT_EQ(j["sections"][section], "ok") << section;
    EXPECT_EQ(j["macro_slots"].size(), 6u);
    EXPECT_EQ(j["fire_records"].size(), 10u);
}

TEST_F(CtlTest, ShowsRepairedSectionsWithTheirDefaults) {
    Bytes erased(2048, 0xFF);
    ASSERT_TRUE(WriteFileAtomically(File("erased.bin"), erased));
    const CtlRun run = Ctl("show " + File("erased.bin"));
    ASSERT_EQ(run.status, 0) << run.out;
    const auto j = nlohmann::json::parse(run.out);
    EXPECT_EQ(j["sections"]["parameter_a"], "repaired");
    EXPECT_EQ(j["sections"]["profile"], "repaired");
    EXPECT_EQ(j["sections"]["fire_key"], "repaired");
    EXPECT_EQ(j["keys"]["profile2"][8], "090000");
    EXPECT_EQ(j["rapid_fire"]["interval"], 100);
}

TEST_F(CtlTest, ShowsDriverImages) {
    ASSERT_EQ(Ctl("default 2 --driver -o " + File("d2.bin")).status, 0);
    EXPECT_EQ(std::filesystem::file_size(File("d2.bin")), 40960u);
    const CtlRun run = Ctl("show " + File("d2.bin"));
    ASSERT_EQ(run.status, 0) << run.out;
    const auto j = nlohmann::json::parse(run.out);
    EXPECT_EQ(j["sections"]["parameter_a"], "ok");
    EXPECT_TRUE(j["fire_records"].empty());
}

TEST_F(CtlTest, RefusesWhatIsNotAnImage) {
    ASSERT_TRUE(WriteFileAtomically(File("short.bin"), Bytes(100, 0)));
    const CtlRun shortFile = Ctl("show " + File("short.bin"));
    EXPECT_NE(shortFile.status, 0);
    EXPECT_NE(shortFile.out.find("BIN file type error"), std::string::npos) << shortFile.out;
    EXPECT_NE(Ctl("show " + File("absent.bin")).status, 0);
    EXPECT_NE(Ctl("default 4 -o " + File("x.bin")).status, 0);
    EXPECT_FALSE(std::filesystem::exists(File("x.bin")));
}

TEST_F(CtlTest, KeyNames) {
    const std::pair<const char*, const char*> cases[] = {{"010100", "Left Click\n"},
                                                         {"020204", "Shift+A\n"},
                                                         {"000000", "Key Off\n"},
                                                         {"0E00F0", "\n"}};
    for (const auto& [code, name] : cases) {
        const CtlRun run = Ctl(std::string("key-name ") + code);
        EXPECT_EQ(run.status, 0) << code;
        EXPECT_EQ(run.out, name) << code;
    }
    EXPECT_NE(Ctl("key-name 01010").status, 0);
}

TEST_F(CtlTest, MacroEncodeDecodeRoundTrip) {
    const std::string lines = "10\\n1 A CODE:8204\\n0 48\\n2 A CODE:0204\\n";
    const CtlRun encoded = Ctl("macro encode --loop 3", lines);
    ASSERT_EQ(encoded.status, 0) << encoded.out;
    ASSERT_EQ(encoded.out.size(), 224u * 2 + 1);
    const CtlRun decoded = Ctl("macro decode " + encoded.out.substr(0, 448));
    ASSERT_EQ(decoded.status, 0) << decoded.out;
    EXPECT_EQ(decoded.out, "10\n1 A CODE:8204\n0 48\n2 A CODE:0204\n");

    const CtlRun driver = Ctl("macro encode --driver --loop-forever", lines);
    ASSERT_EQ(driver.status, 0);
    EXPECT_EQ(driver.out.size(), 2016u * 2 + 1);
    EXPECT_NE(Ctl("macro decode 0G").status, 0);
    EXPECT_NE(Ctl("macro encode --loop 300", lines).status, 0);
}

TEST_F(CtlTest, TooLongMacroIsRefused) {
    std::string lines = "00\\n";
    for (int i = 0; i < 60; ++i)
        lines += "1 A CODE:8204\\n2 A CODE:0204\\n";
    const CtlRun run = Ctl("macro encode", lines);
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.out.find("Macro bin length out of range"), std::string::npos) << run.out;
}

} // namespace
} // namespace orln7a
