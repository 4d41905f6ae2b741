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

namespace orln7a {
namespace {

TEST_F(CtlTest, SimulatedMouseRoundTrip) {
    const std::string sim = " --sim " + File("mouse.bin");
    const CtlRun info = Ctl("info" + sim);
    ASSERT_EQ(info.status, 0) << info.out;
    EXPECT_TRUE(nlohmann::json::parse(info.out)["accepted"].get<bool>());
    EXPECT_EQ(std::filesystem::file_size(File("mouse.bin")), 2048u); // made from image 1

    ASSERT_EQ(Ctl("default 2 -o " + File("two.bin")).status, 0);
    ASSERT_EQ(Ctl("write " + File("two.bin") + sim).status, 0);
    ASSERT_EQ(Ctl("read --all -o " + File("back.bin") + sim).status, 0);
    EXPECT_EQ(*ReadWholeFile(File("back.bin"), 4096), *ReadWholeFile(File("two.bin"), 4096));
    EXPECT_EQ(*ReadWholeFile(File("mouse.bin"), 4096), *ReadWholeFile(File("two.bin"), 4096));

    ASSERT_EQ(Ctl("reset 1" + sim).status, 0);
    ASSERT_EQ(Ctl("default 1 -o " + File("one.bin")).status, 0);
    EXPECT_EQ(*ReadWholeFile(File("mouse.bin"), 4096), *ReadWholeFile(File("one.bin"), 4096));

    const CtlRun shown = Ctl("show" + sim);
    ASSERT_EQ(shown.status, 0) << shown.out;
    EXPECT_EQ(nlohmann::json::parse(shown.out)["dpi"]["count"], 6);
}

TEST_F(CtlTest, SimulatedFaultsFailWithTheirMessage) {
    const std::string sim = " --sim " + File("mouse.bin");
    ASSERT_EQ(Ctl("info" + sim).status, 0);
    Bytes image = *ReadWholeFile(File("mouse.bin"), 4096);
    image[0x1F3] = 0x42;
    ASSERT_TRUE(WriteFileAtomically(File("odd-byte.bin"), image));
    const std::pair<std::string, std::string> cases[] = {
        {"write " + File("odd-byte.bin") + sim + " --sim-fault stuck=0x1F3", "Fail"},
        {"write " + File("odd-byte.bin") + sim + " --sim-fault readonly", "Fail"},
        {"show" + sim + " --sim-fault ids=7,9", "The mouse manufacturer or product id error"},
        {"read -o " + File("x.bin") + sim + " --sim-fault version=0x105",
         "Please Connect the USB Device"},
        {"read -o " + File("x.bin") + sim + " --sim-fault report-len=64",
         "Please Connect the USB Device"},
        {"info" + sim + " --sim-fault refuse", "refused"},
        {"info" + sim + " --sim-fault silent", "not answered"},
        {"info" + sim + " --sim-fault unplug-after=1", "gone"},
        {"info" + sim + " --sim-fault bogus", "unknown --sim-fault"},
    };
    for (const auto& [args, message] : cases) {
        const CtlRun run = Ctl(args);
        EXPECT_NE(run.status, 0) << args;
        EXPECT_NE(run.out.find(message), std::string::npos) << args << "\n" << run.out;
    }
    EXPECT_FALSE(std::filesystem::exists(File("x.bin")));
}

TEST_F(CtlTest, ListsAndDescribesInterfaces) {
    const CtlRun list = Ctl("list --all --sim " + File("mouse.bin"));
    ASSERT_EQ(list.status, 0) << list.out;
    const auto j = nlohmann::json::parse(list.out);
    ASSERT_EQ(j.size(), 1u);
    EXPECT_EQ(j[0]["feature_length"], 8);
    EXPECT_TRUE(j[0]["matches"].get<bool>());

    // A vendor collection with one 8-byte feature report of ID 4 (7 data bytes + the ID).
    const Bytes descriptor = {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x85,
                              0x04, 0x09, 0x01, 0x15, 0x00, 0x26, 0xFF, 0x00,
                              0x75, 0x08, 0x95, 0x07, 0xB1, 0x02, 0xC0};
    ASSERT_TRUE(WriteFileAtomically(File("vendor.desc"), descriptor));
    const CtlRun parsed = Ctl("descriptor " + File("vendor.desc"));
    ASSERT_EQ(parsed.status, 0) << parsed.out;
    const auto d = nlohmann::json::parse(parsed.out);
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0]["usage_page"], 0xFF00);
    EXPECT_EQ(d[0]["feature_length"], 8);
    EXPECT_EQ(d[0]["input_length"], 0);
}

} // namespace
} // namespace orln7a
