#pragma once

// The one seam between the device link and the system's HID support. The transport, discovery
// and polling see only HidBackend and HidHandle, so the same code talks to a real mouse through
// hidapi and to the simulated mouse in the tests. HidHandle is also the only code that moves
// report buffers, and so the one place where the debug log of reports lives.

#include "common/bytes.h"
#include "common/result.h"
#include "device/report_descriptor.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orln7a {

// One HID top-level collection as the system lists it. Several may share a path (one hidraw
// node per USB interface carries every collection of that interface).
struct HidInterfaceInfo {
    std::string path;
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::uint16_t versionNumber = 0; // device release number, 0x0104 for the mouse
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;
    ReportLengths lengths; // report ID byte included, as Windows counts them
};

class HidHandle {
public:
    virtual ~HidHandle() = default;

    // `report` starts with the report ID; its size is the report length. GetFeature fills
    // `report` with the answer (report ID first).
    Status SetFeature(ByteView report);
    Status GetFeature(std::span<std::uint8_t> report);

protected:
    virtual Status DoSetFeature(ByteView report) = 0;
    virtual Status DoGetFeature(std::span<std::uint8_t> report) = 0;
};

class HidBackend {
public:
    virtual ~HidBackend() = default;
    virtual std::vector<HidInterfaceInfo> Enumerate() = 0;
    virtual Result<std::unique_ptr<HidHandle>> Open(const std::string& path) = 0;
};

// Debug log of every feature report sent and received, one line each ("set 04 01 00 ..."),
// passed to `sink`. Off until a sink is given; an empty function turns it off again.
void SetHidReportLog(std::function<void(std::string_view line)> sink);

// The error for an interface of the mouse that the user may not open; it says how to grant
// access, because on a fresh system that is the usual reason the mouse is not found.
Error PermissionDeniedError(const std::string& path);
bool IsPermissionDeniedError(const Error& error);

} // namespace orln7a
