#pragma once

// Profile files: a whole configuration as the mouse or the driver holds it, with no header of
// its own. A file is either a 2048-byte parameter image or a 40960-byte driver image; any other
// size is not a profile.

#include "common/bytes.h"
#include "common/result.h"
#include "image/image_layout.h"

#include <filesystem>
#include <string>

namespace orln7a {

enum class ProfileKind { ParameterImage, DriverImage };

struct ProfileFile {
    ProfileKind kind = ProfileKind::ParameterImage;
    Bytes bytes;
};

// The kind of profile `bytes` are; another size is refused with "Str102".
Result<ProfileFile> ParseProfileFile(ByteView bytes);
Result<ProfileFile> ReadProfileFile(const std::filesystem::path& path);

// The parameter image a profile gives in EEPROM storage: a driver profile gives its first 2048
// bytes, where parameter A, parameter B and profile sit at the same offsets (its fire key
// section does not, and is repaired by its check).
DataBuf ParameterImageFromProfile(const ProfileFile& file);

// The file a save dialog's choice names: the chosen name with ".bin" appended, unless it ends in
// ".bin" already (in any case).
std::filesystem::path ProfileFileTarget(const std::filesystem::path& folder,
                                        const std::string& chosenName);

// Writes an image of one of the two profile sizes, replacing the file in one step.
Status WriteProfileFile(const std::filesystem::path& path, ByteView image);

} // namespace orln7a
