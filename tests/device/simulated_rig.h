#pragma once

// A simulated mouse plugged into a simulated HID system, found and attached to a transport
// that runs on a fake clock: what most device tests start from.

#include "device/discovery.h"
#include "device/simulated_backend.h"
#include "device/transport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace orln7a::testing {

inline constexpr const char* kMousePath = "/dev/hidraw-mouse";

struct Rig {
    FakeClock clock;
    std::shared_ptr<SimulatedMouse> mouse;
    SimulatedHidBackend backend;
    int pumps = 0;
    int repaints = 0;
    std::function<void()> onPump; // runs as a window's message handler would, during waits
    Transport transport{clock, TransportHooks{[this] {
                                                  ++pumps;
                                                  if (onPump)
                                                      onPump();
                                              },
                                              [this] { ++repaints; }}};

    explicit Rig(ByteView image = {}) {
        mouse = image.empty() ? std::make_shared<SimulatedMouse>(clock)
                              : std::make_shared<SimulatedMouse>(clock, image);
        backend.Plug({SimulatedHidBackend::MouseInterfaceInfo(kMousePath), mouse});
    }

    SimulatedMouse::Behaviour& behaviour() { return mouse->behaviour(); }

    void Attach() {
        auto found = FindDevice(backend, kMouseVendorId, kMouseProductId, kMouseVersionNumber);
        ASSERT_TRUE(found) << found.error().detail;
        transport.Attach(std::move(found->handle), found->info);
    }

    // Attached, with a session opened, as every block transfer of the editor runs.
    void AttachAndOpen() {
        Attach();
        ASSERT_TRUE(transport.SendCommand(protocol::kOpen));
    }
};

// A folder of its own for one test, removed afterwards.
class TempFolder {
public:
    TempFolder() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::filesystem::temp_directory_path() /
                (std::string("orln7a-device-") + info->test_suite_name() + "-" + info->name());
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() { std::filesystem::remove_all(path_); }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace orln7a::testing
