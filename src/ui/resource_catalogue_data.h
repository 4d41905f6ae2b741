#pragma once

#include <cstddef>

namespace orln7a::resources {

struct EmbeddedResource {
    const char* name;
    const unsigned char* data;
    std::size_t size;
};

// Filled by the build from resources/catalogue.txt.
extern const EmbeddedResource kEmbedded[];
extern const std::size_t kEmbeddedCount;

} // namespace orln7a::resources
