#include "macros/macro_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const orln7a::ByteView bytes(data, size);
    orln7a::FuzzDecodeMacroContent(bytes);
    orln7a::FuzzDecodeDriverRecord(bytes);
    orln7a::FuzzReadMacroFile(bytes);
    return 0;
}
