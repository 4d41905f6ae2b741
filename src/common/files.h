#pragma once

#include "common/bytes.h"
#include "common/result.h"

#include <cstddef>
#include <filesystem>

namespace orln7a {

// Whole-file read; refuses files larger than maxBytes instead of reading them.
Result<Bytes> ReadWholeFile(const std::filesystem::path& path, std::size_t maxBytes);

// Replaces `path` with `bytes` so that a crash at any moment leaves either the old file or the
// new one: the data goes to a temporary file in the same folder, is flushed to disk, and is then
// renamed over the target.
Status WriteFileAtomically(const std::filesystem::path& path, ByteView bytes);

} // namespace orln7a
