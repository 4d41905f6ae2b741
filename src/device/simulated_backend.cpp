#include "device/simulated_backend.h"

#include "device/discovery.h"

#include "device/protocol.h"

#include <algorithm>
#include <utility>

namespace orln7a {

namespace {

class SimulatedHandle : public HidHandle {
public:
    SimulatedHandle(std::shared_ptr<SimulatedMouse> mouse, std::size_t featureLength)
        : mouse_(std::move(mouse)), featureLength_(featureLength),
          generation_(mouse_ ? mouse_->PlugGeneration() : 0) {}

protected:
    Status DoSetFeature(ByteView report) override {
        if (Status usable = Usable(report.size()); !usable)
            return usable;
        return mouse_->Receive(report);
    }

    Status DoGetFeature(std::span<std::uint8_t> report) override {
        if (Status usable = Usable(report.size()); !usable)
            return usable;
        return mouse_->Answer(report);
    }

private:
    Status Usable(std::size_t length) const {
        if (!mouse_ || featureLength_ == 0)
            return MakeError("", "the device has no feature reports");
        if (!mouse_->Plugged() || mouse_->PlugGeneration() != generation_)
            return MakeError("", "the device is gone");
        // The system refuses a buffer that does not match the collection's feature length.
        if (length != featureLength_)
            return MakeError("", "feature report of " + std::to_string(length) +
                                     " bytes, the device takes " + std::to_string(featureLength_));
        return Ok();
    }

    std::shared_ptr<SimulatedMouse> mouse_;
    std::size_t featureLength_;
    int generation_;
};

} // namespace

HidInterfaceInfo SimulatedHidBackend::MouseInterfaceInfo(std::string path) {
    HidInterfaceInfo info;
    info.path = std::move(path);
    info.vendorId = kMouseVendorId;
    info.productId = kMouseProductId;
    info.versionNumber = kMouseVersionNumber;
    info.usagePage = 0xFF00;
    info.usage = 0x0001;
    info.lengths = {0, 0, protocol::kReportLength};
    return info;
}

HidInterfaceInfo SimulatedHidBackend::OtherInterfaceInfo(std::string path) {
    HidInterfaceInfo info;
    info.path = std::move(path);
    info.vendorId = 0x046D;
    info.productId = 0xC31C;
    info.versionNumber = 0x6400;
    info.usagePage = 0x0001;
    info.usage = 0x0006;
    info.lengths = {9, 2, 0};
    return info;
}

void SimulatedHidBackend::Plug(SimulatedInterface device) {
    if (device.mouse && !device.mouse->Plugged())
        device.mouse->Replug();
    // Plugging a collection in again replaces the one listed before; other collections of the
    // same node stay.
    std::erase_if(devices_, [&](const SimulatedInterface& d) {
        return d.info.path == device.info.path && d.info.usagePage == device.info.usagePage &&
               d.info.usage == device.info.usage;
    });
    devices_.push_back(std::move(device));
}

void SimulatedHidBackend::Unplug(const std::string& path) {
    for (const SimulatedInterface& d : devices_)
        if (d.info.path == path && d.mouse)
            d.mouse->Unplug();
    std::erase_if(devices_, [&](const SimulatedInterface& d) { return d.info.path == path; });
}

std::vector<HidInterfaceInfo> SimulatedHidBackend::Enumerate() {
    std::vector<HidInterfaceInfo> out;
    for (const SimulatedInterface& d : devices_)
        if (!d.mouse || d.mouse->Plugged())
            out.push_back(d.info);
    return out;
}

Result<std::unique_ptr<HidHandle>> SimulatedHidBackend::Open(const std::string& path) {
    const auto found = std::find_if(devices_.begin(), devices_.end(), [&](const auto& d) {
        return d.info.path == path && (!d.mouse || d.mouse->Plugged());
    });
    if (found == devices_.end())
        return MakeError("Str100", "cannot open " + path + ": no such device");
    if (found->openDenied)
        return PermissionDeniedError(path);
    ++opens_;
    return std::unique_ptr<HidHandle>(
        std::make_unique<SimulatedHandle>(found->mouse, found->info.lengths.feature));
}

} // namespace orln7a
