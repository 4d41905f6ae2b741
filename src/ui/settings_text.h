#pragma once

// Reader of the INI-like settings texts built into the program (the OEM settings and the
// layout tables) and, token by token, of the language tables. Its rules are the program's own,
// so no general INI library is used:
//  - every line is trimmed of blanks and control characters;
//  - empty lines and lines starting with ';' are skipped;
//  - "[name]" opens a section; the first section of a name wins, a repeat is ignored;
//  - in a section, a line with '=' is an entry split at its first '=' (both halves trimmed);
//    a line without '=' (the "//" comments of the shipped texts) is kept but never matches;
//  - names are compared without regard to ASCII case, and the first occurrence wins.
// Bytes are never interpreted: 8-bit comments in other code pages pass through untouched.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orln7a {

class SettingsSection {
public:
    explicit SettingsSection(std::string name = {}) : name_(std::move(name)) {}

    const std::string& name() const { return name_; }

    // Adds one line of the section as the text would hold it (already trimmed or not).
    void AddLine(std::string_view line);

    // The value of the first entry called `key`, or nothing.
    std::optional<std::string_view> Find(std::string_view key) const;
    // The value, or `fallback` when the key is absent.
    std::string Text(std::string_view key, std::string_view fallback = {}) const;
    // A decimal integer value (optional sign); nothing when absent or not a number.
    std::optional<int> Number(std::string_view key) const;
    // A flag is on only when its value is exactly the number 1.
    bool Flag(std::string_view key) const;

    std::size_t size() const { return lines_.size(); }

private:
    struct Line {
        std::string name; // empty with hasEntry false: a line without '='
        std::string value;
        bool hasEntry = false;
    };
    std::string name_;
    std::vector<Line> lines_;
};

class SettingsText {
public:
    static SettingsText Parse(std::span<const std::uint8_t> bytes);
    static SettingsText Parse(std::string_view text);
    // Builds a text from lines that were split elsewhere (the language-table tokens).
    static SettingsText FromLines(const std::vector<std::string>& lines);

    const SettingsSection* Section(std::string_view name) const;
    const std::vector<SettingsSection>& sections() const { return sections_; }

private:
    void AddLine(std::string_view line);

    std::vector<SettingsSection> sections_;
    // Index of the section that takes lines; none before the first section or inside a repeat.
    std::optional<std::size_t> current_;
};

std::string_view TrimSettingsText(std::string_view text);
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);
// Strict decimal conversion: optional sign, digits, nothing else, within int range.
std::optional<int> ParseDecimal(std::string_view text);

} // namespace orln7a
