#pragma once

// The DPI values a level can take; a level stores the index into this list.

#include <array>
#include <optional>

namespace orln7a {

inline constexpr std::array<int, 12> kDpiValues = {500,  800,  1000, 1200, 1600, 2000,
                                                   2400, 3200, 4000, 4800, 6400, 8000};

inline std::optional<int> DpiValueOfIndex(int index) {
    if (index < 0 || index >= static_cast<int>(kDpiValues.size()))
        return std::nullopt;
    return kDpiValues[static_cast<std::size_t>(index)];
}

} // namespace orln7a
