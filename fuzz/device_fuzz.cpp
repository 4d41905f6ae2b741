#include "device/report_descriptor.h"
#include "fire/gun_key_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const orln7a::ByteView bytes(data, size);
    (void)orln7a::ParseReportDescriptor(bytes);
    (void)orln7a::ParseGunKeyList(bytes);
    return 0;
}
