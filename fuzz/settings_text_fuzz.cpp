#include "ui/oem_settings.h"
#include "ui/settings_text.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto text = orln7a::SettingsText::Parse(std::span<const std::uint8_t>(data, size));
    (void)orln7a::LoadOemSettings(text);
    for (const auto& section : text.sections())
        (void)section.Number("Web_X");
    (void)orln7a::PlanSpecialKeyList(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
