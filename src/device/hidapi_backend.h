#pragma once

// Real mice through hidapi on hidraw. hidapi lists each top-level collection of a hidraw node
// as its own entry but does not give report lengths; those come from the node's report
// descriptor in sysfs, read by our own parser.

#include "device/hid_backend.h"

#include <filesystem>
#include <functional>
#include <optional>

namespace orln7a {

class HidapiBackend : public HidBackend {
public:
    HidapiBackend();
    ~HidapiBackend() override;
    HidapiBackend(const HidapiBackend&) = delete;
    HidapiBackend& operator=(const HidapiBackend&) = delete;

    std::vector<HidInterfaceInfo> Enumerate() override;
    Result<std::unique_ptr<HidHandle>> Open(const std::string& path) override;
};

// /dev/hidrawN -> /sys/class/hidraw/hidrawN/device/report_descriptor.
std::filesystem::path ReportDescriptorPathFor(const std::string& hidrawPath);

// Fills the report lengths of every entry from the report descriptor of its path, read once per
// path through `readDescriptor` (nullopt when it cannot be read: the lengths stay 0). Entries
// of one path are paired with the descriptor's top-level collections by usage page and usage,
// in order, so two collections of the same usage still get their own lengths.
void AssignCollectionLengths(
    std::vector<HidInterfaceInfo>& interfaces,
    const std::function<std::optional<Bytes>(const std::string& path)>& readDescriptor);

} // namespace orln7a
