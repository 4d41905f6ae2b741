#pragma once

// Keyboard usage tables of the mouse's key codes: names of usages and the usage a PC key
// (Windows virtual-key code, which the recorder and the key capture dialogs report) produces.

#include <cstdint>
#include <string_view>

namespace orln7a {

// Name of keyboard usage 0..255; empty when the usage has none.
std::string_view GetUsageKeyName(std::uint8_t usage);
// Usage produced by a virtual-key code; 0 when the key has none.
std::uint8_t GetUsageByVirtualKey(int virtualKey);

} // namespace orln7a
