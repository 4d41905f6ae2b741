#pragma once

// A stand-in for the PC filter driver, which exists only for another platform: it keeps the
// 40960-byte driver image in a file of the data folder, answers read requests from it and keeps
// every write. A missing file starts from the built-in default driver image.

#include "device/driver_channel.h"

#include <filesystem>
#include <memory>

namespace orln7a {

inline constexpr std::string_view kSubstituteDriverFile = "SubstituteDriverImage.bin";
// The identifier the substitute answers to: what the simulated mouse reports with command 0x81.
inline constexpr std::uint16_t kSubstituteDriverId = 0x2A61;

class SubstituteDriver : public DriverInterfaces {
public:
    SubstituteDriver(std::filesystem::path dataFolder, std::uint16_t driverId);

    // The one interface path, carrying `driverId` where the editor looks for it.
    static std::string InterfacePathFor(std::uint16_t driverId);

    std::vector<std::string> InterfacePaths() override;
    // Loads the image file; fails when it exists but is not a driver image.
    Result<std::unique_ptr<DriverEndpoint>> Open(const std::string& path) override;

    std::filesystem::path ImageFile() const;

    struct State; // shared by the driver and its open endpoints

private:
    std::shared_ptr<State> state_;
};

} // namespace orln7a
