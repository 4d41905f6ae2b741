// Transfer speed against the simulated mouse (no latency, always ready at once), timed with the
// real clock and printed as the ratio to the floor that the handshake's own sleeps impose; and
// the CPU time one idle polling tick costs.

#include "device/discovery.h"
#include "device/hidapi_backend.h"
#include "device/session.h"
#include "device/simulated_backend.h"
#include "device/transport.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>

using namespace orln7a;
using namespace std::chrono;

namespace {

// The system clock, adding up every sleep asked for: the floor no transfer can beat.
class MeasuringClock : public Clock {
public:
    void SleepFor(milliseconds d) override {
        asked += d;
        real.SleepFor(d);
    }
    milliseconds Now() const override { return real.Now(); }
    milliseconds asked{0};
    SystemClock real;
};

struct Measured {
    double seconds;
    double floorSeconds;
};

Measured Time(MeasuringClock& clock, const std::function<bool()>& transfer) {
    clock.asked = milliseconds(0);
    const auto start = steady_clock::now();
    if (!transfer())
        std::fprintf(stderr, "transfer failed\n");
    const double s = duration<double>(steady_clock::now() - start).count();
    return {s, duration<double>(clock.asked).count()};
}

void Report(const char* name, const Measured& m) {
    std::printf("%-22s %8.3f s  floor %8.3f s  ratio %.4f\n", name, m.seconds, m.floorSeconds,
                m.seconds / m.floorSeconds);
}

class IdleTarget : public PollTarget {
public:
    explicit IdleTarget(HidBackend& backend) : backend_(backend) {}
    int CountHidInterfaces() override { return orln7a::CountHidInterfaces(backend_); }
    bool DeviceOpen() const override { return true; }
    bool FindDevice(CandidatePair, std::uint16_t) override { return false; }
    void CloseDevice() override {}
    void DeviceLost() override {}
    void ReadDevInfo() override {}

private:
    HidBackend& backend_;
};

double CpuMicrosecondsPerTick(HidBackend& backend, int ticks) {
    FakeClock clock;
    IdleTarget target(backend);
    DevicePoller poller(target, clock);
    (void)poller.DevTimerTimer(); // the first tick records the count
    const std::clock_t start = std::clock();
    for (int i = 0; i < ticks; ++i)
        (void)poller.DevTimerTimer();
    return 1e6 * double(std::clock() - start) / CLOCKS_PER_SEC / ticks;
}

} // namespace

int main() {
    MeasuringClock clock;
    auto mouse = std::make_shared<SimulatedMouse>(clock);
    SimulatedHidBackend backend;
    backend.Plug({SimulatedHidBackend::MouseInterfaceInfo("/dev/hidraw-bench"), mouse});
    Transport transport(clock);
    auto found = FindDevice(backend, kMouseVendorId, kMouseProductId, kMouseVersionNumber);
    if (!found) {
        std::fprintf(stderr, "no simulated mouse: %s\n", found.error().detail.c_str());
        return 1;
    }
    transport.Attach(std::move(found->handle), found->info);

    // Block transfers run inside a configuration session, as the editor's do.
    auto session = DeviceSession::Begin(transport);
    if (!session) {
        std::fprintf(stderr, "no session: %s\n", session.error().detail.c_str());
        return 1;
    }
    Bytes image(mouse->Memory());
    Bytes readBack(image.size());
    const auto readAll = [&] { return bool(transport.ReadBlock(0, 2048, readBack)); };
    const auto writeAll = [&] { return bool(transport.WriteBlock(0, image)); };

    std::printf("Transfers of 2048 bytes against the simulated mouse (target ratio <= 1.03)\n");
    Report("read", Time(clock, readAll));
    Report("write", Time(clock, writeAll));
    Report("write and verify", Time(clock, [&] { return writeAll() && readAll(); }));

    std::printf("\nCPU time of one idle polling tick (10 interface counts)\n");
    std::printf("%-22s %8.1f us\n", "simulated HID system", CpuMicrosecondsPerTick(backend, 2000));
    (void)session->End();
    HidapiBackend hidapi;
    std::printf("%-22s %8.1f us\n", "this machine (hidapi)", CpuMicrosecondsPerTick(hidapi, 50));
    return 0;
}
