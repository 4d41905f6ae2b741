#pragma once

// The command transport: every exchange with the mouse is one 8-byte feature report sent and
// then read back until the mouse's status byte says acknowledged (0xCC) or refused. Block
// transfers move device memory in 6-byte chunks after a begin command. Every wait goes through
// the clock and then lets the window's message queue run, so the window stays responsive and
// tests run without real time passing.

#include "common/bytes.h"
#include "common/result.h"
#include "device/clock.h"
#include "device/hid_backend.h"
#include "device/protocol.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>

namespace orln7a {

struct TransportHooks {
    std::function<void()> pumpMessages;         // let the window's message queue run once
    std::function<void()> repaintLoadingWindow; // re-centre and repaint the loading window
};

// Retry and sleep constants of one kind of exchange.
struct Handshake {
    std::chrono::milliseconds sleepAfterSend;
    int readsPerAttempt;
    std::chrono::milliseconds sleepPerBusyRead; // after a read that shows status 0
    int attempts;
};

inline constexpr Handshake kCommandHandshake{std::chrono::milliseconds(10), 5,
                                             std::chrono::milliseconds(10), 5};
inline constexpr Handshake kWriteChunkHandshake{std::chrono::milliseconds(10), 5,
                                                std::chrono::milliseconds(5), 5};
inline constexpr Handshake kReadChunkHandshake{std::chrono::milliseconds(5), 5,
                                               std::chrono::milliseconds(5), 5};

class Transport {
public:
    explicit Transport(Clock& clock, TransportHooks hooks = {});

    // The found interface becomes the device; a device open before is closed.
    void Attach(std::unique_ptr<HidHandle> handle, HidInterfaceInfo info);
    // The device is gone or must not be used: its handle is closed and marked invalid.
    void Detach();
    bool IsOpen() const { return handle_ != nullptr; }
    // The interface of the open device (vendor, product, lengths); empty when none is open.
    const HidInterfaceInfo& Device() const { return device_; }

    // Sends a command and returns the mouse's answer report once acknowledged; answer bytes 1
    // to 6 carry the command's result.
    Result<protocol::Report> SendCommand(std::uint8_t command, std::uint8_t p1 = 0,
                                         std::uint8_t p2 = 0, std::uint8_t p3 = 0,
                                         std::uint8_t p4 = 0);
    // Command 7 with six data bytes in report bytes 2 to 7.
    Status WriteDataChunk(const protocol::Chunk& data);
    // Command 5: the next six data bytes of a block read.
    Result<protocol::Chunk> ReadDataChunk();

    enum class LoadingWindow { Repaint, Untouched };

    // Fills all of `destination` with 0xFF, then reads `length` bytes from `address` into its
    // start. A chunk the mouse does not acknowledge fails the whole read: callers never mistake
    // 0xFF filler for the mouse's data. `destination` must hold at least `length` bytes.
    Status ReadBlock(std::uint16_t address, std::uint16_t length,
                     std::span<std::uint8_t> destination,
                     LoadingWindow loadingWindow = LoadingWindow::Repaint);
    // Writes `source` (at most 65535 bytes) to `address`. A chunk the mouse does not
    // acknowledge fails the whole write.
    Status WriteBlock(std::uint16_t address, ByteView source);

private:
    Result<protocol::Report> Exchange(const protocol::Report& request, const Handshake& handshake);
    void Wait(std::chrono::milliseconds duration);
    void Pump();
    void Repaint();

    Clock& clock_;
    TransportHooks hooks_;
    std::unique_ptr<HidHandle> handle_;
    HidInterfaceInfo device_;
    // The last chunk moved; a short last write chunk pads with what the one before left here.
    protocol::Chunk chunk_{};
};

} // namespace orln7a
