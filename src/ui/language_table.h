#pragma once

// The language tables "LANG1".."LANG3": UTF-16LE texts of quoted "Key=Value" tokens, one table
// per display set. Texts are kept as UTF-8 throughout the program.

#include "common/bytes.h"
#include "ui/language.h"
#include "ui/settings_text.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace orln7a {

// Splits a language text into tokens: runs of blanks and control characters separate tokens; a
// token that starts with a double quote runs to the next quote that is not doubled ("" stands
// for one quote) and loses its quotes. Input is UTF-16LE, with or without the FF FE mark.
std::vector<std::string> LanguageTokens(ByteView utf16);

class LanguageTable final : public LanguageLookup {
public:
    LanguageTable() = default;
    // Parses table `number` (1..3) from its bytes: only the section "[langN]" of its own
    // number is read; every token is one settings-text line.
    static LanguageTable Parse(int number, ByteView utf16);

    std::string Text(std::string_view key) const override;
    std::size_t size() const { return section_.size(); }

private:
    SettingsSection section_;
};

// Table n of the built-in resources ("LANG1".."LANG3"); an empty table for other numbers.
LanguageTable LoadLanguageTable(int number);

// The three built-in tables, parsed once.
const std::array<LanguageTable, 3>& BuiltInLanguageTables();

// Reverse lookup of a caption: for each table in order, for i = 0..700, compares the text of
// "Str<i>" (no leading zeros, so only Str100..Str700 can ever match) with `text`. The last
// match wins.
std::optional<std::string> FindLanguageKey(const std::string& text,
                                           const std::array<LanguageTable, 3>& tables);

} // namespace orln7a
