#include "ui/language_table.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const orln7a::ByteView bytes(data, size);
    const auto table = orln7a::LanguageTable::Parse(1, bytes);
    (void)table.Text("Str100");
    return 0;
}
