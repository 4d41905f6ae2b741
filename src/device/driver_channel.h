#pragma once

// The channel to the PC-side filter driver that keeps the configuration when it does not live
// in the mouse. The driver is reached through a device interface of its own class whose path
// carries the driver identifier that the mouse reports with command 0x81; every request is a
// buffer with an 8-byte header (image offset, then length, both 32-bit little-endian) followed
// by the data.

#include "common/bytes.h"
#include "common/result.h"
#include "device/transport.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orln7a {

inline constexpr std::uint32_t kDriverReadControl = 0x223E04;
inline constexpr std::uint32_t kDriverWriteControl = 0x223E08;
inline constexpr std::size_t kDriverHeaderSize = 8;
inline constexpr std::size_t kDriverImageSize = 40960;
inline constexpr std::string_view kDriverInterfaceClass = "{902E3649-BB28-43E0-83E2-858CECFBEE7B}";

struct DriverRequestHeader {
    std::uint32_t offset = 0;
    std::uint32_t length = 0;
};

// Header followed by `data`, or by `length` zero bytes of room when `data` is empty.
Bytes EncodeDriverRequest(std::uint32_t offset, std::uint32_t length, ByteView data = {});
// The header of a request buffer; nullopt when the buffer is shorter than a header.
std::optional<DriverRequestHeader> DecodeDriverRequestHeader(ByteView request);

// The driver identifier in an interface path: characters 55 to 58 (counting from 1) read as a
// hexadecimal number. Nullopt when the path is shorter or those are not four hex digits.
std::optional<std::uint16_t> DriverIdFromPath(std::string_view path);

// One open interface of the driver: answers I/O control requests.
class DriverEndpoint {
public:
    virtual ~DriverEndpoint() = default;
    virtual Status Control(std::uint32_t code, ByteView input, std::span<std::uint8_t> output) = 0;
};

// The present interfaces of the driver's class.
class DriverInterfaces {
public:
    virtual ~DriverInterfaces() = default;
    virtual std::vector<std::string> InterfacePaths() = 0;
    virtual Result<std::unique_ptr<DriverEndpoint>> Open(const std::string& path) = 0;
};

class DriverChannel {
public:
    explicit DriverChannel(std::unique_ptr<DriverEndpoint> endpoint)
        : endpoint_(std::move(endpoint)) {}

    // Reads destination.size() bytes of the driver image at `offset`. On failure the
    // destination is zero and the error says why.
    Status Read(std::uint32_t offset, std::span<std::uint8_t> destination);
    Status Write(std::uint32_t offset, ByteView data);

private:
    std::unique_ptr<DriverEndpoint> endpoint_;
};

// Asks the mouse for the driver identifier (command 0x81) and opens the first interface of the
// driver whose path carries it.
Result<std::unique_ptr<DriverChannel>> FindDriverChannel(Transport& transport,
                                                         DriverInterfaces& interfaces);

} // namespace orln7a
