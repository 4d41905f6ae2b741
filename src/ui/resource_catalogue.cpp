#include "ui/resource_catalogue.h"

#include "ui/resource_catalogue_data.h"

#include <cctype>

namespace orln7a {

namespace {

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

} // namespace

std::optional<std::span<const std::uint8_t>> OpenDataResource(std::string_view name) {
    for (std::size_t i = 0; i < resources::kEmbeddedCount; ++i) {
        const auto& r = resources::kEmbedded[i];
        if (SameNameIgnoringCase(r.name, name))
            return std::span<const std::uint8_t>(r.data, r.size);
    }
    return std::nullopt;
}

std::vector<std::uint8_t> DataResourceBytes(std::string_view name) {
    auto r = OpenDataResource(name);
    if (!r)
        return {};
    return {r->begin(), r->end()};
}

std::vector<std::string> DataResourceNames() {
    std::vector<std::string> names;
    names.reserve(resources::kEmbeddedCount);
    for (std::size_t i = 0; i < resources::kEmbeddedCount; ++i)
        names.emplace_back(resources::kEmbedded[i].name);
    return names;
}

} // namespace orln7a
