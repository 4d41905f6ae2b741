#pragma once

// Finding the mouse among the system's HID interfaces, and the hot-plug polling decision.
// Plugging and unplugging are noticed by counting interfaces on a timer; the window owns the
// timers and calls DevicePoller::DevTimerTimer on every tick.

#include "common/result.h"
#include "device/clock.h"
#include "device/hid_backend.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

namespace orln7a {

inline constexpr std::uint16_t kMouseVendorId = 0x1BCF;
inline constexpr std::uint16_t kMouseProductId = 0x08A0;
inline constexpr std::uint16_t kMouseVersionNumber = 260; // 0x0104
inline constexpr std::uint16_t kMouseFeatureLength = 8;

// A (vendor, product) pair to search for; a pair with a zero member is never searched.
struct CandidatePair {
    std::uint16_t vendor = 0;
    std::uint16_t product = 0;
    bool Searchable() const { return vendor != 0 && product != 0; }
    bool operator==(const CandidatePair&) const = default;
};

// Present HID interfaces. Several collections of one hidraw node share its path; the node is
// counted once.
int CountHidInterfaces(HidBackend& backend);

bool InterfaceMatches(const HidInterfaceInfo& info, std::uint16_t vendor, std::uint16_t product,
                      std::uint16_t version);

struct FoundDevice {
    std::unique_ptr<HidHandle> handle;
    HidInterfaceInfo info;
};

// The interface with the given identifiers, version number and an 8-byte feature report,
// opened. When several match, the last one listed that opens is taken. Each path is opened at
// most once. When matching interfaces exist but none may be opened, the error says so (and how
// to grant access); otherwise the error means the mouse is not there.
Result<FoundDevice> FindDevice(HidBackend& backend, std::uint16_t vendor, std::uint16_t product,
                               std::uint16_t version);

// What a polling tick does to the world; the window implements it with the real transport and
// its own no-device handling, tests with a script.
class PollTarget {
public:
    virtual ~PollTarget() = default;
    virtual int CountHidInterfaces() = 0;
    virtual bool DeviceOpen() const = 0;
    // FindDevice for `ids`; on success the found interface becomes the device.
    virtual bool FindDevice(CandidatePair ids, std::uint16_t version) = 0;
    // Marks the device handle invalid.
    virtual void CloseDevice() = 0;
    // Enters the no-device state and tells the user to connect the mouse.
    virtual void DeviceLost() = 0;
    // Identifies the found mouse and reads its configuration.
    virtual void ReadDevInfo() = 0;
};

class DevicePoller {
public:
    enum class Outcome {
        Busy,          // a tick was already running (re-entered from a wait)
        Unchanged,     // the count is the last one
        Unsettled,     // fewer than two of the five count rounds agreed; looked at next tick
        StillPresent,  // fewer interfaces, but the mouse is still there
        Lost,          // fewer interfaces and the mouse is gone
        CountRecorded, // more interfaces while the mouse is open: only the count is kept
        Found,         // more interfaces and a candidate was found and read
        NotFound,      // more interfaces but no candidate is there
    };

    // `pumpMessages` lets the window's message queue run during the settle waits.
    DevicePoller(PollTarget& target, Clock& clock, std::function<void()> pumpMessages = {});

    // Entry 0 is (0x1BCF, 0x08A0) and entry 1 (0, 0) unless changed.
    void SetCandidates(const std::array<CandidatePair, 2>& candidates) { candidates_ = candidates; }

    // One polling tick (both the first 20 ms tick and the 3 s ones).
    Outcome DevTimerTimer();

    int LastCount() const { return lastCount_; }
    CandidatePair CurrentIds() const { return currentIds_; }
    bool Busy() const { return busy_; }

private:
    Outcome Decide();

    PollTarget& target_;
    Clock& clock_;
    std::function<void()> pump_;
    std::array<CandidatePair, 2> candidates_{CandidatePair{kMouseVendorId, kMouseProductId},
                                             CandidatePair{}};
    CandidatePair currentIds_;
    std::uint16_t version_ = kMouseVersionNumber;
    int lastCount_ = 0;
    bool busy_ = false;
};

} // namespace orln7a
