#pragma once

// Shared pieces of the orln7a-ctl commands: error reporting in the editor's English texts and
// JSON output.

#include "common/result.h"
#include "ui/language.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <string>

namespace orln7a::ctl {

// The English table: the same texts the editor shows.
const LanguageLookup& English();

// Prints the user's message (the language text of the error's key, when it has one) and the
// detail to standard error; returns the exit status 1.
int Fail(const Error& error);
int Fail(const std::string& detail);

void PrintJson(const nlohmann::json& value);

// Each group of commands adds its subcommands to the application; the callback of a command
// stores its exit status in `status`.
void AddModelCommands(CLI::App& app, int& status);
// "show" without a file reads the mouse; it takes the device options.
void AddShowDeviceOptions(CLI::App& show);
int ShowMouse();
void AddDeviceCommands(CLI::App& app, int& status);

} // namespace orln7a::ctl
