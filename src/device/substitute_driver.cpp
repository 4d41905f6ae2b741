#include "device/substitute_driver.h"

#include "common/files.h"
#include "ui/resource_catalogue.h"

#include <algorithm>
#include <cstdio>
#include <system_error>

namespace orln7a {

struct SubstituteDriver::State {
    std::filesystem::path file;
    std::uint16_t driverId = 0;
    Bytes image;
    bool loaded = false;
};

namespace {

class SubstituteEndpoint : public DriverEndpoint {
public:
    explicit SubstituteEndpoint(std::shared_ptr<SubstituteDriver::State> state)
        : state_(std::move(state)) {}

    Status Control(std::uint32_t code, ByteView input, std::span<std::uint8_t> output) override;

private:
    std::shared_ptr<SubstituteDriver::State> state_;
};

Status SubstituteEndpoint::Control(std::uint32_t code, ByteView input,
                                   std::span<std::uint8_t> output) {
    const auto header = DecodeDriverRequestHeader(input);
    if (!header)
        return MakeError("", "request shorter than its header");
    const std::uint64_t end = std::uint64_t{header->offset} + header->length;
    if (end > kDriverImageSize)
        return MakeError("", "request beyond the driver image");
    const std::size_t offset = header->offset;
    const std::size_t length = header->length;
    Bytes& image = state_->image;
    if (code == kDriverReadControl) {
        if (output.size() < kDriverHeaderSize + length)
            return MakeError("", "read request without room for its data");
        // Input and output may be the same buffer; the header is already decoded.
        std::copy_n(image.begin() + static_cast<std::ptrdiff_t>(offset), length,
                    output.begin() + kDriverHeaderSize);
        return Ok();
    }
    if (code == kDriverWriteControl) {
        if (input.size() < kDriverHeaderSize + length)
            return MakeError("", "write request shorter than its data");
        std::copy_n(input.begin() + kDriverHeaderSize, length,
                    image.begin() + static_cast<std::ptrdiff_t>(offset));
        return WriteFileAtomically(state_->file, image);
    }
    return MakeError("", "unknown request code");
}

} // namespace

SubstituteDriver::SubstituteDriver(std::filesystem::path dataFolder, std::uint16_t driverId)
    : state_(std::make_shared<State>()) {
    state_->file = std::move(dataFolder) / kSubstituteDriverFile;
    state_->driverId = driverId;
}

std::string SubstituteDriver::InterfacePathFor(std::uint16_t driverId) {
    std::string path = "substitute/";
    path += kDriverInterfaceClass;
    path += "/driver";
    path.resize(54, '#');
    char id[8];
    std::snprintf(id, sizeof id, "%04X", unsigned{driverId});
    return path + id + "#0";
}

std::vector<std::string> SubstituteDriver::InterfacePaths() {
    return {InterfacePathFor(state_->driverId)};
}

std::filesystem::path SubstituteDriver::ImageFile() const {
    return state_->file;
}

Result<std::unique_ptr<DriverEndpoint>> SubstituteDriver::Open(const std::string& path) {
    if (path != InterfacePathFor(state_->driverId))
        return MakeError("", "no driver interface " + path);
    if (!state_->loaded) {
        std::error_code ec;
        if (std::filesystem::exists(state_->file, ec)) {
            auto bytes = ReadWholeFile(state_->file, kDriverImageSize);
            if (!bytes)
                return bytes.error();
            if (bytes->size() != kDriverImageSize)
                return MakeError("", state_->file.string() + " is not a driver image");
            state_->image = std::move(bytes).value();
        } else {
            state_->image = DataResourceBytes("Driver_ORLN5xData_Cfg1");
            state_->image.resize(kDriverImageSize, 0);
        }
        state_->loaded = true;
    }
    return std::unique_ptr<DriverEndpoint>(std::make_unique<SubstituteEndpoint>(state_));
}

} // namespace orln7a
