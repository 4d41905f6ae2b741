#include "image/holder_text.h"

#include <algorithm>
#include <limits>

namespace orln7a {

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

std::optional<int> ParseHolderNumber(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    constexpr long long kLimit = std::numeric_limits<int>::max();
    long long value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = std::min(value * 10 + (c - '0'), kLimit);
    }
    return static_cast<int>(negative ? -value : value);
}

std::optional<int> ClampedNumber(std::string_view text, int low, int high) {
    const auto value = ParseHolderNumber(text);
    if (!value)
        return std::nullopt;
    return std::clamp(*value, low, high);
}

std::string NormaliseIdentifierText(std::string_view text) {
    const bool digitsOnly = !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return c >= '0' && c <= '9';
    });
    if (!digitsOnly || *ParseHolderNumber(text) > 255)
        return "255";
    return std::string(text);
}

std::string KeyCodeText(const KeyCode& code) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (const std::uint8_t byte : code) {
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0x0F];
    }
    return text;
}

std::optional<KeyCode> KeyCodeFromText(std::string_view text) {
    if (text.size() != 6)
        return std::nullopt;
    KeyCode code{};
    for (std::size_t i = 0; i < code.size(); ++i) {
        const int high = HexDigit(text[2 * i]);
        const int low = HexDigit(text[2 * i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        code[i] = static_cast<std::uint8_t>(high * 16 + low);
    }
    return code;
}

} // namespace orln7a
