#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace orln7a {

using Bytes = std::vector<std::uint8_t>;
using ByteView = std::span<const std::uint8_t>;

} // namespace orln7a
