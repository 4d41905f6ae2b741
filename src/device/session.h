#pragma once

// One configuration session with the mouse, the shape every read and write of the editor takes:
// open (0x01) and identify (0x03) first, then block transfers, reload (0x08) when parameters
// changed, and close (0x02) at the end. The session closes itself when it goes out of scope, so
// no path through a flow leaves the mouse in an open session.
//
//   auto session = DeviceSession::Begin(transport);
//   if (!session) ...                       // not acknowledged, or not an ORLN7A controller
//   if (!session->Usable()) ...             // write not allowed or unsupported chip
//   session->Link().ReadBlock(0, 255, dataBuf);
//   session->Reload();
//   session->End();

#include "common/result.h"
#include "device/transport.h"

#include <array>
#include <cstdint>

namespace orln7a {

// What the open and identify commands said about the controller.
struct ControllerInfo {
    std::uint8_t openAnswer = 0;     // 0xA6 for a controller that can do driver mode
    std::uint8_t identifyAnswer = 0; // 0xAA for an ORLN7A
    bool writeAllowed = false;
    std::uint8_t chipCode = 0;
    std::uint8_t chipNumber = 0; // 0: unsupported chip
};

class DeviceSession {
public:
    // Sends open and identify. Fails when either is not acknowledged or the controller does not
    // answer 0xAA; a session that was opened is closed again before the error is returned.
    static Result<DeviceSession> Begin(Transport& transport);

    DeviceSession(DeviceSession&& other) noexcept;
    DeviceSession& operator=(DeviceSession&& other) noexcept;
    DeviceSession(const DeviceSession&) = delete;
    DeviceSession& operator=(const DeviceSession&) = delete;
    ~DeviceSession();

    const ControllerInfo& Controller() const { return controller_; }
    // Memory may be written: the write flag is set and the chip is a supported one.
    bool Usable() const { return controller_.writeAllowed && controller_.chipNumber != 0; }
    Transport& Link() { return *transport_; }

    // Command 0x08: the mouse reloads its parameters from memory.
    Status Reload();
    // Command 0x02. Ends the session even when the mouse does not acknowledge it.
    Status End();
    bool Ended() const { return transport_ == nullptr; }

private:
    DeviceSession(Transport& transport, ControllerInfo controller)
        : transport_(&transport), controller_(controller) {}

    Transport* transport_;
    ControllerInfo controller_;
};

// The driver-mode probe on an open session: the open answer was 0xA6 and the controller says
// with 0x03 (0x5A, 0xD9) that it supports driver mode. Returns the LED hardware type byte.
Result<std::uint8_t> ProbeDriverMode(DeviceSession& session);
// The reset form of the probe, 0x03 (0x5A, 0): acknowledged with the driver-mode bit set.
Status ProbeDriverReset(DeviceSession& session);
// Command 0x09: current DPI level and LED state while the configuration lives in the driver.
Status SendDriverModeBytes(DeviceSession& session, const std::array<std::uint8_t, 4>& bytes);

} // namespace orln7a
