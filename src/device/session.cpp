#include "device/session.h"

#include <cstdio>
#include <utility>

namespace orln7a {

using namespace protocol;

namespace {

std::string Hex(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", value);
    return text;
}

} // namespace

Result<DeviceSession> DeviceSession::Begin(Transport& transport) {
    auto opened = transport.SendCommand(kOpen);
    if (!opened)
        return MakeError(opened.error().key, "open: " + opened.error().detail);
    DeviceSession session(transport, ControllerInfo{});
    session.controller_.openAnswer = (*opened)[1];

    auto identified = transport.SendCommand(kIdentify);
    if (!identified)
        return MakeError(identified.error().key, "identify: " + identified.error().detail);
    ControllerInfo& c = session.controller_;
    c.identifyAnswer = (*identified)[1];
    c.writeAllowed = ((*identified)[2] & kWriteAllowedBit) != 0;
    c.chipCode = (*identified)[3];
    c.chipNumber = ChipNumberFromCode(c.chipCode);
    if (c.identifyAnswer != kIdentifyAnswer)
        return MakeError("", "the controller identifies as " + Hex(c.identifyAnswer) +
                                 ", not as an ORLN7A (0xAA)");
    return session;
}

DeviceSession::DeviceSession(DeviceSession&& other) noexcept
    : transport_(std::exchange(other.transport_, nullptr)), controller_(other.controller_) {}

DeviceSession& DeviceSession::operator=(DeviceSession&& other) noexcept {
    if (this != &other) {
        if (transport_)
            (void)End();
        transport_ = std::exchange(other.transport_, nullptr);
        controller_ = other.controller_;
    }
    return *this;
}

DeviceSession::~DeviceSession() {
    if (transport_)
        (void)End();
}

Status DeviceSession::Reload() {
    if (!transport_)
        return MakeError("", "reload: the session has ended");
    auto done = transport_->SendCommand(kReload);
    if (!done)
        return MakeError(done.error().key, "reload: " + done.error().detail);
    return Ok();
}

Status DeviceSession::End() {
    if (!transport_)
        return Ok();
    auto done = std::exchange(transport_, nullptr)->SendCommand(kClose);
    if (!done)
        return MakeError(done.error().key, "close: " + done.error().detail);
    return Ok();
}

Result<std::uint8_t> ProbeDriverMode(DeviceSession& session) {
    if (session.Ended())
        return MakeError("", "driver probe: the session has ended");
    if (session.Controller().openAnswer != kOpenAnswer)
        return MakeError("Str020", "driver probe: the controller opened with " +
                                       Hex(session.Controller().openAnswer) + ", not 0xA6");
    auto probe = session.Link().SendCommand(kIdentify, kDriverProbeP1, kDriverProbeP2);
    if (!probe)
        return MakeError("Str020", "driver probe: " + probe.error().detail);
    if (((*probe)[2] & kDriverModeBit) == 0)
        return MakeError("Str020", "the controller does not support driver mode");
    return (*probe)[3];
}

Status ProbeDriverReset(DeviceSession& session) {
    if (session.Ended())
        return MakeError("", "driver reset: the session has ended");
    auto probe = session.Link().SendCommand(kIdentify, kDriverProbeP1, 0);
    if (!probe)
        return MakeError("", "driver reset: " + probe.error().detail);
    if (((*probe)[2] & kDriverModeBit) == 0)
        return MakeError("", "the controller does not support driver mode");
    return Ok();
}

Status SendDriverModeBytes(DeviceSession& session, const std::array<std::uint8_t, 4>& bytes) {
    if (session.Ended())
        return MakeError("", "driver-mode bytes: the session has ended");
    auto sent =
        session.Link().SendCommand(kDriverModeBytes, bytes[0], bytes[1], bytes[2], bytes[3]);
    if (!sent)
        return MakeError(sent.error().key, "driver-mode bytes: " + sent.error().detail);
    return Ok();
}

} // namespace orln7a
