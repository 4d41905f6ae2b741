// Commands that talk to a mouse: a real one through hidapi, or the simulated one (--sim).

#include "app/ctl/ctl_common.h"

namespace orln7a::ctl {

void AddDeviceCommands(CLI::App&, int&) {}

int ShowMouse(CLI::App&) {
    return Fail("give an image FILE to show");
}

} // namespace orln7a::ctl
