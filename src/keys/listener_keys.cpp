#include "keys/listener_keys.h"

#include "keys/usage_tables.h"

#include <cstdint>

namespace orln7a {

namespace {

struct ListenerName {
    int virtualKey;
    std::string_view name;
};

// Keys the listener names differently from their usage, or that have no usage at all. The
// generic modifiers are reported for either hand, so they carry no side in their names.
constexpr ListenerName kOwnNames[] = {
    {16, "Shift"},        {17, "Ctrl"},          {18, "Alt"},
    {91, "Left Windows"}, {92, "Right Windows"}, {182, "Launch_App1"},
    {183, "Launch_App2"}, {223, "OEM_8"},        {255, "255"},
};

} // namespace

std::string_view GetListenerKeyName(int virtualKey) {
    for (const auto& own : kOwnNames) {
        if (own.virtualKey == virtualKey)
            return own.name;
    }
    // Every other key the listener knows is named like the usage it produces.
    const std::uint8_t usage = GetUsageByVirtualKey(virtualKey);
    return usage == 0 ? std::string_view("None") : GetUsageKeyName(usage);
}

} // namespace orln7a
