#include "image/profile_file.h"

#include "common/files.h"
#include "image/driver_image_layout.h"

#include <algorithm>
#include <cctype>
#include <system_error>

namespace orln7a {

namespace {

Error FileTypeError(std::size_t size) {
    return MakeError("Str102", "a profile file holds " + std::to_string(kDataBufSize) + " or " +
                                   std::to_string(driver_layout::kImageSize) + " bytes, not " +
                                   std::to_string(size));
}

bool EndsWithBin(const std::string& name) {
    static constexpr std::string_view kExtension = ".bin";
    if (name.size() < kExtension.size())
        return false;
    return std::equal(kExtension.begin(), kExtension.end(), name.end() - kExtension.size(),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) ==
                                 std::tolower(static_cast<unsigned char>(b));
                      });
}

} // namespace

Result<ProfileFile> ParseProfileFile(ByteView bytes) {
    if (bytes.size() == kDataBufSize)
        return ProfileFile{ProfileKind::ParameterImage, Bytes(bytes.begin(), bytes.end())};
    if (bytes.size() == driver_layout::kImageSize)
        return ProfileFile{ProfileKind::DriverImage, Bytes(bytes.begin(), bytes.end())};
    return FileTypeError(bytes.size());
}

Result<ProfileFile> ReadProfileFile(const std::filesystem::path& path) {
    // Refuse an oversized file by its size rather than reading it all.
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (!error && size > driver_layout::kImageSize)
        return FileTypeError(static_cast<std::size_t>(size));
    auto bytes = ReadWholeFile(path, driver_layout::kImageSize);
    if (!bytes)
        return bytes.error();
    return ParseProfileFile(*bytes);
}

DataBuf ParameterImageFromProfile(const ProfileFile& file) {
    return DataBufFromBytes(file.bytes);
}

std::filesystem::path ProfileFileTarget(const std::filesystem::path& folder,
                                        const std::string& chosenName) {
    return folder / (EndsWithBin(chosenName) ? chosenName : chosenName + ".bin");
}

Status WriteProfileFile(const std::filesystem::path& path, ByteView image) {
    if (image.size() != kDataBufSize && image.size() != driver_layout::kImageSize)
        return FileTypeError(image.size());
    return WriteFileAtomically(path, image);
}

} // namespace orln7a
