#include "ui/language_table.h"

#include "common/utf8.h"

#include "ui/resource_catalogue.h"

namespace orln7a {

namespace {

// UTF-16LE code points; a lone surrogate becomes U+FFFD, an odd last byte is dropped.
std::u32string DecodeUtf16(ByteView bytes) {
    std::size_t i = 0;
    if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE)
        i = 2;
    std::u32string out;
    out.reserve(bytes.size() / 2);
    auto unit = [&](std::size_t at) -> char16_t {
        return static_cast<char16_t>(bytes[at] | (bytes[at + 1] << 8));
    };
    while (i + 1 < bytes.size()) {
        const char16_t u = unit(i);
        i += 2;
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < bytes.size() && unit(i) >= 0xDC00 &&
            unit(i) <= 0xDFFF) {
            out += static_cast<char32_t>(0x10000 + ((u - 0xD800) << 10) + (unit(i) - 0xDC00));
            i += 2;
        } else if (u >= 0xD800 && u <= 0xDFFF) {
            out += U'\uFFFD';
        } else {
            out += u;
        }
    }
    return out;
}

bool IsSeparator(char32_t c) {
    return c <= 0x20;
}

} // namespace

std::vector<std::string> LanguageTokens(ByteView utf16) {
    const std::u32string text = DecodeUtf16(utf16);
    std::vector<std::string> tokens;
    std::size_t i = 0;
    while (i < text.size()) {
        if (IsSeparator(text[i])) {
            ++i;
            continue;
        }
        std::string token;
        if (text[i] == U'"') {
            ++i;
            while (i < text.size()) {
                if (text[i] == U'"') {
                    if (i + 1 < text.size() && text[i + 1] == U'"') {
                        token += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                AppendUtf8(token, text[i++]);
            }
        } else {
            while (i < text.size() && !IsSeparator(text[i]))
                AppendUtf8(token, text[i++]);
        }
        tokens.push_back(std::move(token));
    }
    return tokens;
}

LanguageTable LanguageTable::Parse(int number, ByteView utf16) {
    LanguageTable table;
    const auto text = SettingsText::FromLines(LanguageTokens(utf16));
    if (const SettingsSection* own = text.Section("lang" + std::to_string(number)))
        table.section_ = *own;
    return table;
}

std::string LanguageTable::Text(std::string_view key) const {
    return section_.Text(key);
}

LanguageTable LoadLanguageTable(int number) {
    if (number < 1 || number > 3)
        return {};
    const auto bytes = OpenDataResource("LANG" + std::to_string(number));
    return bytes ? LanguageTable::Parse(number, *bytes) : LanguageTable{};
}

const std::array<LanguageTable, 3>& BuiltInLanguageTables() {
    static const std::array<LanguageTable, 3> tables = {LoadLanguageTable(1), LoadLanguageTable(2),
                                                        LoadLanguageTable(3)};
    return tables;
}

std::optional<std::string> FindLanguageKey(const std::string& text,
                                           const std::array<LanguageTable, 3>& tables) {
    std::optional<std::string> found;
    for (const auto& table : tables) {
        for (int i = 0; i <= 700; ++i) {
            std::string key = "Str" + std::to_string(i);
            // An absent key reads as the empty text, which an empty caption would match.
            const auto value = table.Text(key);
            if (value == text)
                found = std::move(key);
        }
    }
    return found;
}

} // namespace orln7a
