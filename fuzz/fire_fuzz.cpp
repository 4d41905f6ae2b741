#include "fire/fire_fuzz.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!orln7a::FuzzFireRecord(orln7a::ByteView(data, size)))
        std::abort();
    return 0;
}
