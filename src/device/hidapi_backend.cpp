#include "device/hidapi_backend.h"

#include "common/files.h"

#include <hidapi/hidapi.h>

#include <cerrno>
#include <map>
#include <unistd.h>

namespace orln7a {

namespace {

// Kernel limit for a HID report descriptor is 4096 bytes; anything larger is not one.
constexpr std::size_t kMaxDescriptorSize = 65536;

int& LibraryUsers() {
    static int users = 0;
    return users;
}

std::string Narrow(const wchar_t* text) {
    std::string out;
    if (text == nullptr)
        return "unknown error";
    for (; *text != L'\0'; ++text)
        out += (*text > 0 && *text < 0x80) ? static_cast<char>(*text) : '?';
    return out;
}

class HidapiHandle : public HidHandle {
public:
    explicit HidapiHandle(hid_device* device) : device_(device) {}
    ~HidapiHandle() override { hid_close(device_); }
    HidapiHandle(const HidapiHandle&) = delete;
    HidapiHandle& operator=(const HidapiHandle&) = delete;

protected:
    Status DoSetFeature(ByteView report) override {
        if (hid_send_feature_report(device_, report.data(), report.size()) < 0)
            return MakeError("", "sending a feature report failed: " + Narrow(hid_error(device_)));
        return Ok();
    }

    Status DoGetFeature(std::span<std::uint8_t> report) override {
        const int got = hid_get_feature_report(device_, report.data(), report.size());
        if (got < 0)
            return MakeError("", "reading a feature report failed: " + Narrow(hid_error(device_)));
        // A short answer must not leave stale bytes that could pass for a status.
        for (std::size_t i = static_cast<std::size_t>(got); i < report.size(); ++i)
            report[i] = 0;
        return Ok();
    }

private:
    hid_device* device_;
};

} // namespace

HidapiBackend::HidapiBackend() {
    if (LibraryUsers()++ == 0)
        hid_init();
}

HidapiBackend::~HidapiBackend() {
    if (--LibraryUsers() == 0)
        hid_exit();
}

std::vector<HidInterfaceInfo> HidapiBackend::Enumerate() {
    std::vector<HidInterfaceInfo> out;
    hid_device_info* list = hid_enumerate(0, 0);
    for (const hid_device_info* d = list; d != nullptr; d = d->next) {
        if (d->path == nullptr)
            continue;
        HidInterfaceInfo info;
        info.path = d->path;
        info.vendorId = d->vendor_id;
        info.productId = d->product_id;
        info.versionNumber = d->release_number;
        info.usagePage = d->usage_page;
        info.usage = d->usage;
        out.push_back(std::move(info));
    }
    hid_free_enumeration(list);
    AssignCollectionLengths(out, [](const std::string& path) -> std::optional<Bytes> {
        auto bytes = ReadWholeFile(ReportDescriptorPathFor(path), kMaxDescriptorSize);
        if (!bytes)
            return std::nullopt;
        return std::move(bytes).value();
    });
    return out;
}

Result<std::unique_ptr<HidHandle>> HidapiBackend::Open(const std::string& path) {
    hid_device* device = hid_open_path(path.c_str());
    if (device == nullptr) {
        // hidapi folds the reason into its message; ask the node itself whether it is ours to
        // open, so that a missing udev rule is reported as such.
        if (::access(path.c_str(), R_OK | W_OK) != 0 && (errno == EACCES || errno == EPERM))
            return PermissionDeniedError(path);
        return MakeError("Str100", "cannot open " + path + ": " + Narrow(hid_error(nullptr)));
    }
    return std::unique_ptr<HidHandle>(std::make_unique<HidapiHandle>(device));
}

std::filesystem::path ReportDescriptorPathFor(const std::string& hidrawPath) {
    const std::string node = std::filesystem::path(hidrawPath).filename().string();
    return std::filesystem::path("/sys/class/hidraw") / node / "device" / "report_descriptor";
}

void AssignCollectionLengths(
    std::vector<HidInterfaceInfo>& interfaces,
    const std::function<std::optional<Bytes>(const std::string& path)>& readDescriptor) {
    struct PathCollections {
        std::vector<TopLevelCollection> collections;
        std::vector<bool> taken;
    };
    std::map<std::string, PathCollections> byPath;
    for (HidInterfaceInfo& info : interfaces) {
        auto found = byPath.find(info.path);
        if (found == byPath.end()) {
            PathCollections entry;
            if (auto descriptor = readDescriptor(info.path))
                entry.collections = ParseReportDescriptor(*descriptor);
            entry.taken.assign(entry.collections.size(), false);
            found = byPath.emplace(info.path, std::move(entry)).first;
        }
        PathCollections& entry = found->second;
        for (std::size_t i = 0; i < entry.collections.size(); ++i) {
            const TopLevelCollection& c = entry.collections[i];
            if (!entry.taken[i] && c.usagePage == info.usagePage && c.usage == info.usage) {
                entry.taken[i] = true;
                info.lengths = c.lengths;
                break;
            }
        }
    }
}

} // namespace orln7a
