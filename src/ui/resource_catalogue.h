#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orln7a {

// The bytes of a resource built into the program, found by name without regard to case
// ("org" finds "ORG"). Every name the program asks for is listed in resources/catalogue.txt and
// a test checks that each one exists, so a missing resource is a build fault; callers still get
// an empty optional rather than a crash.
std::optional<std::span<const std::uint8_t>> OpenDataResource(std::string_view name);

// Convenience copy of a resource, empty when it does not exist.
std::vector<std::uint8_t> DataResourceBytes(std::string_view name);

// Names of every built-in resource, in catalogue order.
std::vector<std::string> DataResourceNames();

} // namespace orln7a
