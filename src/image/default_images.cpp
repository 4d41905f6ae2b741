#include "image/default_images.h"

#include "image/driver_image_layout.h"
#include "ui/resource_catalogue.h"

#include <algorithm>
#include <string>

namespace orln7a {

namespace {

Result<Bytes> ResourceOfSize(const std::string& name, std::size_t size) {
    const auto bytes = OpenDataResource(name);
    if (!bytes)
        return MakeError("", "the built-in resource " + name + " is missing");
    if (bytes->size() != size)
        return MakeError("", "the built-in resource " + name + " has " +
                                 std::to_string(bytes->size()) + " bytes instead of " +
                                 std::to_string(size));
    return Bytes(bytes->begin(), bytes->end());
}

} // namespace

Result<DataBuf> DefaultImage(int imageNumber) {
    if (imageNumber < 0 || imageNumber >= kDefaultImageCount)
        return MakeError("", "there is no default image " + std::to_string(imageNumber));
    auto bytes = ResourceOfSize("ORLN5XData_Cfg" + std::to_string(imageNumber + 1), kDataBufSize);
    if (!bytes)
        return bytes.error();
    DataBuf image;
    std::copy(bytes->begin(), bytes->end(), image.begin());
    return image;
}

Result<std::array<DataBuf, kDefaultImageCount>> DefaultImages() {
    std::array<DataBuf, kDefaultImageCount> images;
    for (int i = 0; i < kDefaultImageCount; ++i) {
        auto image = DefaultImage(i);
        if (!image)
            return image.error();
        images[static_cast<std::size_t>(i)] = *image;
    }
    return images;
}

Result<Bytes> DriverDefaultImage(int imageNumber) {
    if (imageNumber < 0 || imageNumber >= kDefaultImageCount)
        imageNumber = 0;
    return ResourceOfSize("Driver_ORLN5xData_Cfg" + std::to_string(imageNumber + 1),
                          driver_layout::kImageSize);
}

} // namespace orln7a
