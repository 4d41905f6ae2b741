#include "keys/key_function_code.h"

namespace orln7a {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

std::optional<std::uint8_t> HexValue(char c) {
    if (c >= '0' && c <= '9')
        return static_cast<std::uint8_t>(c - '0');
    if (c >= 'A' && c <= 'F')
        return static_cast<std::uint8_t>(c - 'A' + 10);
    if (c >= 'a' && c <= 'f')
        return static_cast<std::uint8_t>(c - 'a' + 10);
    return std::nullopt;
}

constexpr std::uint16_t kFirstDriverMacroReference = 0x0120;
constexpr std::size_t kDriverMacroSize = 2048;

} // namespace

std::string FormatKeyFunctionCode(KeyFunctionCode code) {
    std::string text;
    text.reserve(6);
    for (const std::uint8_t byte : {code.type, code.p1, code.p2}) {
        text.push_back(kHexDigits[byte >> 4]);
        text.push_back(kHexDigits[byte & 0x0F]);
    }
    return text;
}

std::optional<KeyFunctionCode> ParseKeyFunctionCode(std::string_view text) {
    if (text.size() != 6)
        return std::nullopt;
    std::uint8_t bytes[3] = {};
    for (std::size_t i = 0; i < 3; ++i) {
        const auto high = HexValue(text[2 * i]);
        const auto low = HexValue(text[2 * i + 1]);
        if (!high || !low)
            return std::nullopt;
        bytes[i] = static_cast<std::uint8_t>(*high << 4 | *low);
    }
    return KeyFunctionCode{bytes[0], bytes[1], bytes[2]};
}

std::optional<int> BaseMacroSlotOfId(std::uint16_t id) {
    for (std::size_t i = 0; i < BaseMacroSlotIds.size(); ++i) {
        if (BaseMacroSlotIds[i] == id)
            return static_cast<int>(i) + 1;
    }
    return std::nullopt;
}

std::optional<std::uint16_t> DriverMacroReference(std::size_t position) {
    if (position >= kDriverMacroReferenceCount)
        return std::nullopt;
    return static_cast<std::uint16_t>(kFirstDriverMacroReference + kDriverMacroSize * position);
}

std::optional<std::size_t> DriverMacroPosition(std::uint16_t reference) {
    if (reference < kFirstDriverMacroReference)
        return std::nullopt;
    const std::size_t offset = reference - kFirstDriverMacroReference;
    if (offset % kDriverMacroSize != 0)
        return std::nullopt;
    return offset / kDriverMacroSize;
}

} // namespace orln7a
