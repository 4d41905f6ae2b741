#include "ui/settings_text.h"

#include <charconv>

namespace orln7a {

namespace {

bool IsBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= 0x20;
}

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

std::string_view TrimSettingsText(std::string_view text) {
    while (!text.empty() && IsBlankOrControl(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlankOrControl(text.back()))
        text.remove_suffix(1);
    return text;
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i]))
            return false;
    }
    return true;
}

std::optional<int> ParseDecimal(std::string_view text) {
    if (text.empty())
        return std::nullopt;
    std::string_view digits = text;
    bool negative = false;
    if (digits.front() == '+' || digits.front() == '-') {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    if (digits.empty())
        return std::nullopt;
    long long value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    if (negative)
        value = -value;
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return static_cast<int>(value);
}

void SettingsSection::AddLine(std::string_view raw) {
    const std::string_view line = TrimSettingsText(raw);
    if (line.empty() || line.front() == ';')
        return;
    const auto eq = line.find('=');
    if (eq == std::string_view::npos) {
        lines_.push_back(Line{{}, std::string(line), false});
        return;
    }
    lines_.push_back(Line{std::string(TrimSettingsText(line.substr(0, eq))),
                          std::string(TrimSettingsText(line.substr(eq + 1))), true});
}

std::optional<std::string_view> SettingsSection::Find(std::string_view key) const {
    for (const auto& line : lines_) {
        if (line.hasEntry && EqualsIgnoringAsciiCase(line.name, key))
            return std::string_view(line.value);
    }
    return std::nullopt;
}

std::string SettingsSection::Text(std::string_view key, std::string_view fallback) const {
    const auto v = Find(key);
    return std::string(v ? *v : fallback);
}

std::optional<int> SettingsSection::Number(std::string_view key) const {
    const auto v = Find(key);
    if (!v)
        return std::nullopt;
    return ParseDecimal(*v);
}

bool SettingsSection::Flag(std::string_view key) const {
    return Number(key) == 1;
}

SettingsText SettingsText::Parse(std::span<const std::uint8_t> bytes) {
    return Parse(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

SettingsText SettingsText::Parse(std::string_view text) {
    SettingsText result;
    while (!text.empty()) {
        const auto end = text.find_first_of("\r\n");
        result.AddLine(text.substr(0, end));
        if (end == std::string_view::npos)
            break;
        // CR LF, a lone CR and a lone LF all end a line.
        std::size_t next = end + 1;
        if (text[end] == '\r' && next < text.size() && text[next] == '\n')
            ++next;
        text.remove_prefix(next);
    }
    return result;
}

SettingsText SettingsText::FromLines(const std::vector<std::string>& lines) {
    SettingsText result;
    for (const auto& line : lines)
        result.AddLine(line);
    return result;
}

void SettingsText::AddLine(std::string_view raw) {
    const std::string_view line = TrimSettingsText(raw);
    if (line.empty() || line.front() == ';')
        return;
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
        const std::string name(TrimSettingsText(line.substr(1, line.size() - 2)));
        if (Section(name) != nullptr) {
            current_.reset();
        } else {
            sections_.emplace_back(name);
            current_ = sections_.size() - 1;
        }
        return;
    }
    if (current_)
        sections_[*current_].AddLine(line);
}

const SettingsSection* SettingsText::Section(std::string_view name) const {
    for (const auto& s : sections_) {
        if (EqualsIgnoringAsciiCase(s.name(), name))
            return &s;
    }
    return nullptr;
}

} // namespace orln7a
