#include "device/transport.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>

namespace orln7a {

using namespace protocol;

namespace {

std::string Hex(unsigned value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", digits, value);
    return text;
}

Error NotOpen() {
    return MakeError("Str020", "no mouse is open");
}

Report Request(std::uint8_t command, std::uint8_t p1, std::uint8_t p2, std::uint8_t p3,
               std::uint8_t p4) {
    return Report{kReportId, command, p1, p2, p3, p4, 0, 0};
}

std::uint8_t Low(unsigned value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}

std::uint8_t High(unsigned value) {
    return static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

} // namespace

Transport::Transport(Clock& clock, TransportHooks hooks) : clock_(clock), hooks_(std::move(hooks)) {
    chunk_.fill(0xFF);
}

void Transport::Attach(std::unique_ptr<HidHandle> handle, HidInterfaceInfo info) {
    handle_ = std::move(handle);
    device_ = handle_ ? std::move(info) : HidInterfaceInfo{};
}

void Transport::Detach() {
    handle_.reset();
    device_ = {};
}

void Transport::Pump() {
    if (hooks_.pumpMessages)
        hooks_.pumpMessages();
}

void Transport::Repaint() {
    if (hooks_.repaintLoadingWindow)
        hooks_.repaintLoadingWindow();
    Pump();
}

void Transport::Wait(std::chrono::milliseconds duration) {
    clock_.SleepFor(duration);
    Pump();
}

Result<Report> Transport::Exchange(const Report& request, const Handshake& handshake) {
    if (!IsOpen())
        return NotOpen();
    std::uint8_t lastStatus = kStatusBusy;
    std::string lastHidError;
    for (int attempt = 0; attempt < handshake.attempts; ++attempt) {
        // A message handler run during a wait may have closed the device.
        if (!IsOpen())
            return NotOpen();
        if (Status sent = handle_->SetFeature(request); !sent)
            lastHidError = sent.error().detail;
        Wait(handshake.sleepAfterSend);
        for (int read = 0; read < handshake.readsPerAttempt && IsOpen(); ++read) {
            Report answer{};
            answer[0] = kReportId;
            // A failed read counts as "not done yet": the request's own last byte (data for
            // command 7) must never pass for the mouse's status.
            std::uint8_t status = kStatusBusy;
            if (Status got = handle_->GetFeature(answer); got)
                status = answer[kStatusByte];
            else
                lastHidError = got.error().detail;
            if (status == kStatusAck)
                return answer;
            if (status != kStatusBusy) {
                lastStatus = status;
                break;
            }
            Wait(handshake.sleepPerBusyRead);
        }
    }
    std::string detail = "command " + Hex(request[1], 2) + " ";
    if (lastStatus != kStatusBusy)
        detail += "refused by the mouse (status " + Hex(lastStatus, 2) + ")";
    else
        detail += "not answered by the mouse";
    detail += " after " + std::to_string(handshake.attempts) + " attempts";
    if (!lastHidError.empty())
        detail += "; last HID error: " + lastHidError;
    return MakeError("", detail);
}

Result<Report> Transport::SendCommand(std::uint8_t command, std::uint8_t p1, std::uint8_t p2,
                                      std::uint8_t p3, std::uint8_t p4) {
    return Exchange(Request(command, p1, p2, p3, p4), kCommandHandshake);
}

Status Transport::WriteDataChunk(const Chunk& data) {
    Report request{kReportId, kWriteChunk};
    std::copy(data.begin(), data.end(), request.begin() + 2);
    auto answer = Exchange(request, kWriteChunkHandshake);
    if (!answer)
        return answer.error();
    return Ok();
}

Result<Chunk> Transport::ReadDataChunk() {
    chunk_.fill(0xFF);
    auto answer = Exchange(Request(kReadChunk, 0, 0, 0, 0), kReadChunkHandshake);
    if (!answer)
        return answer.error();
    std::copy_n(answer->begin() + 1, kChunkSize, chunk_.begin());
    Pump();
    return chunk_;
}

Status Transport::ReadBlock(std::uint16_t address, std::uint16_t length,
                            std::span<std::uint8_t> destination, LoadingWindow loadingWindow) {
    std::fill(destination.begin(), destination.end(), 0xFF);
    if (destination.size() < length)
        return MakeError("", "a read of " + std::to_string(length) + " bytes does not fit in " +
                                 std::to_string(destination.size()));
    auto begun = SendCommand(kBeginRead, Low(address), High(address), Low(length), High(length));
    if (!begun)
        return MakeError(begun.error().key, "block read at " + Hex(address, 4) +
                                                " not started: " + begun.error().detail);
    const std::size_t chunks = ChunkCount(length);
    for (std::size_t i = 0; i < chunks; ++i) {
        if (loadingWindow == LoadingWindow::Repaint)
            Repaint();
        auto chunk = ReadDataChunk();
        if (!chunk)
            return MakeError("", "block read at " + Hex(address, 4) + ": chunk " +
                                     std::to_string(i + 1) + " of " + std::to_string(chunks) +
                                     " failed: " + chunk.error().detail);
        const std::size_t count = std::min(kChunkSize, length - i * kChunkSize);
        std::copy_n(chunk->begin(), count, destination.begin() + i * kChunkSize);
        Pump();
    }
    return Ok();
}

Status Transport::WriteBlock(std::uint16_t address, ByteView source) {
    if (source.size() > 0xFFFF)
        return MakeError("", "a block write of " + std::to_string(source.size()) +
                                 " bytes is longer than the mouse accepts");
    const auto length = static_cast<unsigned>(source.size());
    chunk_.fill(0xFF);
    auto begun = SendCommand(kBeginWrite, Low(address), High(address), Low(length), High(length));
    if (!begun)
        return MakeError(begun.error().key, "block write at " + Hex(address, 4) +
                                                " not started: " + begun.error().detail);
    const std::size_t chunks = ChunkCount(length);
    for (std::size_t i = 0; i < chunks; ++i) {
        Repaint();
        const std::size_t count = std::min(kChunkSize, length - i * kChunkSize);
        std::copy_n(source.begin() + i * kChunkSize, count, chunk_.begin());
        Pump();
        if (Status written = WriteDataChunk(chunk_); !written)
            return MakeError("", "block write at " + Hex(address, 4) + ": chunk " +
                                     std::to_string(i + 1) + " of " + std::to_string(chunks) +
                                     " failed: " + written.error().detail);
    }
    return Ok();
}

} // namespace orln7a
