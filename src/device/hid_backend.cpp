#include "device/hid_backend.h"

#include <cstdio>
#include <utility>

namespace orln7a {

namespace {

std::function<void(std::string_view)>& LogSink() {
    static std::function<void(std::string_view)> sink;
    return sink;
}

void LogReport(const char* direction, ByteView report, const Status& status) {
    auto& sink = LogSink();
    if (!sink)
        return;
    std::string line = direction;
    char hex[4];
    for (const std::uint8_t byte : report) {
        std::snprintf(hex, sizeof hex, " %02X", byte);
        line += hex;
    }
    if (!status)
        line += " failed: " + status.error().detail;
    sink(line);
}

} // namespace

Status HidHandle::SetFeature(ByteView report) {
    Status status = DoSetFeature(report);
    LogReport("set", report, status);
    return status;
}

Status HidHandle::GetFeature(std::span<std::uint8_t> report) {
    Status status = DoGetFeature(report);
    LogReport("get", report, status);
    return status;
}

void SetHidReportLog(std::function<void(std::string_view line)> sink) {
    LogSink() = std::move(sink);
}

namespace {
constexpr std::string_view kNoPermission = "no permission to open ";
} // namespace

bool IsPermissionDeniedError(const Error& error) {
    return error.detail.starts_with(kNoPermission);
}

Error PermissionDeniedError(const std::string& path) {
    return MakeError("Str100",
                     std::string(kNoPermission) + path +
                         ": install the udev rule 70-orln7a-editor.rules into /etc/udev/rules.d/, "
                         "run `udevadm control --reload-rules && udevadm trigger` as root and "
                         "plug the mouse in again");
}

} // namespace orln7a
