// Offline commands: images, key names and macros, no mouse needed.

#include "app/ctl/ctl_common.h"

#include "common/files.h"
#include "keys/key_function_name.h"
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

} // namespace

void AddModelCommands(CLI::App& app, int& status) {
    auto* keyName = app.add_subcommand("key-name", "English name of a key function code");
    static std::string code;
    keyName->add_option("CODE", code, "six hex digits, e.g. 010100")->required();
    keyName->callback([&status] { status = PrintKeyName(code); });

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
