#include "image/image_fuzz_entry.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const orln7a::ByteView bytes(data, size);
    if (!orln7a::ExerciseParameterImage(bytes) || !orln7a::ExerciseDriverImage(bytes) ||
        !orln7a::ExerciseProfileAndTexts(bytes))
        std::abort();
    return 0;
}
