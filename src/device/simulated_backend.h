#pragma once

// A HID system made of simulated interfaces: the mouse's vendor collection (answered by a
// SimulatedMouse) and any number of other devices, which can be plugged and unplugged to drive
// discovery and polling.

#include "device/hid_backend.h"
#include "device/simulated_mouse.h"

#include <memory>
#include <string>
#include <vector>

namespace orln7a {

struct SimulatedInterface {
    HidInterfaceInfo info;
    std::shared_ptr<SimulatedMouse> mouse; // null for a device that is not the mouse
    bool openDenied = false;               // the user has no permission to open it
};

class SimulatedHidBackend : public HidBackend {
public:
    // The mouse's vendor collection as the real mouse lists it: vendor 0x1BCF, product 0x08A0,
    // release 0x0104, usage page 0xFF00, an 8-byte feature report.
    static HidInterfaceInfo MouseInterfaceInfo(std::string path);
    // Another device's collection (a keyboard unless changed) on its own path.
    static HidInterfaceInfo OtherInterfaceInfo(std::string path);

    // Lists the interface until it is unplugged; plugging a mouse again revives it.
    void Plug(SimulatedInterface device);
    void Unplug(const std::string& path);

    std::vector<HidInterfaceInfo> Enumerate() override;
    Result<std::unique_ptr<HidHandle>> Open(const std::string& path) override;
    int OpenCount() const { return opens_; }

private:
    std::vector<SimulatedInterface> devices_;
    int opens_ = 0;
};

} // namespace orln7a
