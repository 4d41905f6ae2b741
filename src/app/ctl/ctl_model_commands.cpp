// Offline commands: images, key names and macros, no mouse needed.

#include "app/ctl/ctl_common.h"
#include "app/ctl/ctl_show.h"

#include "common/files.h"
#include "keys/key_function_name.h"
#include "macros/macro_content.h"
#include "ui/resource_catalogue.h"

#include <iostream>

namespace orln7a::ctl {

namespace {

int WriteDefaultImage(int number, bool driver, const std::string& output) {
    if (number < 1 || number > 3)
        return Fail("default image number must be 1, 2 or 3");
    const std::string name =
        (driver ? "Driver_ORLN5xData_Cfg" : "ORLN5XData_Cfg") + std::to_string(number);
    const auto bytes = OpenDataResource(name);
    if (!bytes)
        return Fail("resource " + name + " is missing");
    if (auto written = WriteFileAtomically(output, *bytes); !written)
        return Fail(written.error());
    return 0;
}

int PrintKeyName(const std::string& code) {
    if (!ParseKeyFunctionCode(code))
        return Fail("not a six-digit key function code: \"" + code + "\"");
    std::cout << GetKeyFunctionName(code, English()) << "\n";
    return 0;
}

int ShowImageFile(const std::string& file) {
    // The largest image is a 40960-byte driver image; anything larger is not an image.
    const auto bytes = ReadWholeFile(file, 1 << 20);
    if (!bytes)
        return Fail(bytes.error());
    const auto described = DescribeImage(*bytes);
    if (!described)
        return Fail(described.error());
    PrintJson(*described);
    return 0;
}

std::string Hex(ByteView bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (std::uint8_t b : bytes) {
        out += digits[b >> 4];
        out += digits[b & 0x0F];
    }
    return out;
}

std::optional<Bytes> ParseHex(std::string_view text) {
    Bytes out;
    int high = -1;
    for (char c : text) {
        if (c == ' ' || c == '\n' || c == '\r' || c == '\t')
            continue;
        int v;
        if (c >= '0' && c <= '9')
            v = c - '0';
        else if (c >= 'a' && c <= 'f')
            v = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            v = c - 'A' + 10;
        else
            return std::nullopt;
        if (high < 0) {
            high = v;
        } else {
            out.push_back(static_cast<std::uint8_t>(high * 16 + v));
            high = -1;
        }
    }
    if (high >= 0)
        return std::nullopt;
    return out;
}

struct MacroOptions {
    bool releaseStop = false;
    int loop = 0;
    bool loopForever = false;
    bool driver = false;
    std::string hex;
};

int EncodeMacro(const MacroOptions& o) {
    MacroLines lines;
    std::string line;
    bool first = true;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (first) {
            lines.header = line;
            first = false;
        } else if (!line.empty()) {
            lines.events.push_back(line);
        }
    }
    MacroPlayOptions play;
    play.releaseStop = o.releaseStop;
    if (o.loopForever) {
        play.loop = MacroLoop::Endless;
    } else if (o.loop > 0) {
        if (o.loop > 255)
            return Fail("--loop takes 1 to 255");
        play.loop = MacroLoop::Times;
        play.loopTimes = o.loop;
    }
    if (o.driver) {
        DriverMacroContent content{};
        EncodeMacroLines(lines, play, content);
        std::cout << Hex(content) << "\n";
        return 0;
    }
    MacroBlock block{};
    if (auto encoded = EncodeMacroLines(lines, play, block); !encoded)
        return Fail(encoded.error());
    std::cout << Hex(block) << "\n";
    return 0;
}

int DecodeMacro(const MacroOptions& o) {
    const auto bytes = ParseHex(o.hex);
    if (!bytes)
        return Fail("not hexadecimal: the content goes as pairs of hex digits");
    const auto decoded =
        DecodeMacroContent(*bytes, o.driver ? MacroContentForm::Driver : MacroContentForm::Eeprom);
    if (decoded.empty)
        return 0;
    std::cout << decoded.lines.header << "\n";
    for (const auto& line : decoded.lines.events)
        std::cout << line << "\n";
    return 0;
}

} // namespace

void AddModelCommands(CLI::App& app, int& status) {
    auto* keyName = app.add_subcommand("key-name", "English name of a key function code");
    static std::string code;
    keyName->add_option("CODE", code, "six hex digits, e.g. 010100")->required();
    keyName->callback([&status] { status = PrintKeyName(code); });

    auto* show = app.add_subcommand("show", "Decode an image file (or, without one, the mouse)");
    static std::string showFile;
    show->add_option("FILE", showFile, "a 2048-byte image or a 40960-byte driver image");
    AddShowDeviceOptions(*show);
    show->callback(
        [&status] { status = showFile.empty() ? ShowMouse() : ShowImageFile(showFile); });

    static MacroOptions macro;
    auto* macroCmd = app.add_subcommand("macro", "Encode or decode stored macro content");
    macroCmd->require_subcommand(1);
    auto* encode = macroCmd->add_subcommand("encode", "Event lines on standard input to hex");
    encode->add_flag("--release-stop", macro.releaseStop, "stop when the button is released");
    auto* loop = encode->add_option("--loop", macro.loop, "play N times (1..255)");
    encode->add_flag("--loop-forever", macro.loopForever, "play until stopped")->excludes(loop);
    encode->add_flag("--driver", macro.driver, "2016-byte driver content instead of 224 bytes");
    encode->callback([&status] { status = EncodeMacro(macro); });
    auto* decode = macroCmd->add_subcommand("decode", "Hex content to event lines");
    decode->add_flag("--driver", macro.driver, "driver content");
    decode->add_option("HEX", macro.hex, "the content in hex")->required();
    decode->callback([&status] { status = DecodeMacro(macro); });

    auto* def = app.add_subcommand("default", "Write a default image to a file");
    static int number = 1;
    static bool driver = false;
    static std::string output;
    def->add_option("N", number, "image number, 1 to 3")->required();
    def->add_flag("--driver", driver, "the 40960-byte driver-mode image instead");
    def->add_option("-o,--output", output, "file to write")->required();
    def->callback([&status] { status = WriteDefaultImage(number, driver, output); });
}

} // namespace orln7a::ctl
