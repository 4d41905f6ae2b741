#include "device/discovery.h"

#include <cstdio>
#include <optional>
#include <set>
#include <string>

namespace orln7a {

int CountHidInterfaces(HidBackend& backend) {
    std::set<std::string> paths;
    for (const HidInterfaceInfo& info : backend.Enumerate())
        paths.insert(info.path);
    return static_cast<int>(paths.size());
}

bool InterfaceMatches(const HidInterfaceInfo& info, std::uint16_t vendor, std::uint16_t product,
                      std::uint16_t version) {
    return info.lengths.feature == kMouseFeatureLength && info.vendorId == vendor &&
           info.productId == product && info.versionNumber == version;
}

Result<FoundDevice> FindDevice(HidBackend& backend, std::uint16_t vendor, std::uint16_t product,
                               std::uint16_t version) {
    const std::vector<HidInterfaceInfo> interfaces = backend.Enumerate();
    std::set<std::string> tried;
    std::optional<Error> openError;
    for (auto it = interfaces.rbegin(); it != interfaces.rend(); ++it) {
        if (!InterfaceMatches(*it, vendor, product, version) || !tried.insert(it->path).second)
            continue;
        auto handle = backend.Open(it->path);
        if (handle)
            return FoundDevice{std::move(handle).value(), *it};
        if (!openError)
            openError = handle.error();
    }
    if (openError)
        return *openError;
    char wanted[128];
    std::snprintf(wanted, sizeof wanted,
                  "no HID interface with vendor %04X, product %04X, version %04X and an %u-byte "
                  "feature report",
                  vendor, product, version, unsigned{kMouseFeatureLength});
    return MakeError("Str100", wanted);
}

DevicePoller::DevicePoller(PollTarget& target, Clock& clock, std::function<void()> pumpMessages)
    : target_(target), clock_(clock), pump_(std::move(pumpMessages)) {}

DevicePoller::Outcome DevicePoller::DevTimerTimer() {
    if (busy_)
        return Outcome::Busy;
    busy_ = true;
    const Outcome outcome = Decide();
    busy_ = false;
    return outcome;
}

DevicePoller::Outcome DevicePoller::Decide() {
    // Interfaces come and go in bursts while a device enumerates; act only on a count that two
    // of five back-to-back pairs of counts agree on.
    constexpr int kRounds = 5;
    constexpr int kStableRoundsNeeded = 2;
    int stableRounds = 0;
    int count = 0;
    for (int round = 0; round < kRounds; ++round) {
        const int first = target_.CountHidInterfaces();
        const int second = target_.CountHidInterfaces();
        if (first == second)
            ++stableRounds;
        count = first;
    }
    if (count == lastCount_)
        return Outcome::Unchanged;
    if (stableRounds < kStableRoundsNeeded)
        return Outcome::Unsettled;

    Outcome outcome;
    if (count < lastCount_) {
        if (target_.FindDevice(currentIds_, version_)) {
            outcome = Outcome::StillPresent;
        } else {
            currentIds_ = {};
            target_.CloseDevice();
            target_.DeviceLost();
            outcome = Outcome::Lost;
        }
    } else if (target_.DeviceOpen()) {
        outcome = Outcome::CountRecorded;
    } else {
        outcome = Outcome::NotFound;
        for (const CandidatePair& pair : candidates_) {
            if (!pair.Searchable())
                continue;
            // Let a freshly plugged mouse finish enumerating before it is opened.
            for (int slice = 0; slice < 3; ++slice) {
                clock_.SleepFor(std::chrono::milliseconds(10));
                if (pump_)
                    pump_();
            }
            version_ = kMouseVersionNumber;
            if (target_.FindDevice(pair, version_)) {
                currentIds_ = pair;
                target_.ReadDevInfo();
                outcome = Outcome::Found;
                break;
            }
        }
        // Told once per tick, however many candidates were tried.
        if (outcome == Outcome::NotFound)
            target_.DeviceLost();
    }
    lastCount_ = count;
    return outcome;
}

} // namespace orln7a
