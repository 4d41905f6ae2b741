#include "device/driver_channel.h"

#include "device/protocol.h"

#include <algorithm>
#include <cstdio>

namespace orln7a {

namespace {

void PutWord(Bytes& out, std::size_t at, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i)
        out[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t GetWord(ByteView in, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value |= std::uint32_t{in[at + i]} << (8 * i);
    return value;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

Bytes EncodeDriverRequest(std::uint32_t offset, std::uint32_t length, ByteView data) {
    Bytes out(kDriverHeaderSize + (data.empty() ? length : data.size()), 0);
    PutWord(out, 0, offset);
    PutWord(out, 4, length);
    std::copy(data.begin(), data.end(), out.begin() + kDriverHeaderSize);
    return out;
}

std::optional<DriverRequestHeader> DecodeDriverRequestHeader(ByteView request) {
    if (request.size() < kDriverHeaderSize)
        return std::nullopt;
    return DriverRequestHeader{GetWord(request, 0), GetWord(request, 4)};
}

std::optional<std::uint16_t> DriverIdFromPath(std::string_view path) {
    constexpr std::size_t kFirst = 54; // character 55, counting from 1
    if (path.size() < kFirst + 4)
        return std::nullopt;
    unsigned value = 0;
    for (std::size_t i = kFirst; i < kFirst + 4; ++i) {
        const int digit = HexDigit(path[i]);
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + static_cast<unsigned>(digit);
    }
    return static_cast<std::uint16_t>(value);
}

Status DriverChannel::Read(std::uint32_t offset, std::span<std::uint8_t> destination) {
    std::fill(destination.begin(), destination.end(), 0);
    const auto length = static_cast<std::uint32_t>(destination.size());
    Bytes buffer = EncodeDriverRequest(offset, length);
    if (Status done = endpoint_->Control(kDriverReadControl, buffer, buffer); !done)
        return MakeError(done.error().key,
                         "driver read at " + std::to_string(offset) + ": " + done.error().detail);
    std::copy_n(buffer.begin() + kDriverHeaderSize, destination.size(), destination.begin());
    return Ok();
}

Status DriverChannel::Write(std::uint32_t offset, ByteView data) {
    const Bytes buffer = EncodeDriverRequest(offset, static_cast<std::uint32_t>(data.size()), data);
    if (Status done = endpoint_->Control(kDriverWriteControl, buffer, {}); !done)
        return MakeError(done.error().key,
                         "driver write at " + std::to_string(offset) + ": " + done.error().detail);
    return Ok();
}

Result<std::unique_ptr<DriverChannel>> FindDriverChannel(Transport& transport,
                                                         DriverInterfaces& interfaces) {
    auto answer = transport.SendCommand(protocol::kDriverId);
    if (!answer)
        return MakeError("Str020", "driver identifier: " + answer.error().detail);
    const auto id = static_cast<std::uint16_t>((*answer)[1] * 256 + (*answer)[2]);
    std::optional<Error> openError;
    for (const std::string& path : interfaces.InterfacePaths()) {
        if (DriverIdFromPath(path) != id)
            continue;
        auto endpoint = interfaces.Open(path);
        if (endpoint)
            return std::make_unique<DriverChannel>(std::move(endpoint).value());
        if (!openError)
            openError = endpoint.error();
    }
    if (openError)
        return MakeError("Str020", "driver channel: " + openError->detail);
    char text[64];
    std::snprintf(text, sizeof text, "no driver interface carries the identifier %04X", id);
    return MakeError("Str020", text);
}

} // namespace orln7a
