// Commands that talk to a mouse: a real one through hidapi, or the simulated one (--sim).

#include "app/ctl/ctl_common.h"

namespace orln7a::ctl {

void AddDeviceCommands(CLI::App&, int&) {}

} // namespace orln7a::ctl
