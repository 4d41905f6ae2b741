// orln7a-ctl: the command-line tool. It inspects images and macros offline and, with a mouse
// or the simulated one, reads and writes its configuration.

#include <CLI/CLI.hpp>

#include <iostream>

int main(int argc, char** argv) {
    CLI::App app{"orln7a-ctl: inspect and configure ORLN7A gaming mice"};
    app.require_subcommand(1);
    auto* version = app.add_subcommand("version", "Print the program version");
    version->callback([] { std::cout << "orln7a-ctl 0.1.0\n"; });
    CLI11_PARSE(app, argc, argv);
    return 0;
}
