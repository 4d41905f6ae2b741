// orln7a-ctl: the command-line tool. It inspects images and macros offline and, with a mouse
// or the simulated one, reads and writes its configuration.

#include "app/ctl/ctl_common.h"

int main(int argc, char** argv) {
    CLI::App app{"orln7a-ctl: inspect and configure ORLN7A gaming mice"};
    app.require_subcommand(1);
    int status = 0;
    orln7a::ctl::AddModelCommands(app, status);
    orln7a::ctl::AddDeviceCommands(app, status);
    CLI11_PARSE(app, argc, argv);
    return status;
}
