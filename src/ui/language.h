#pragma once

// Texts the user reads, by language key ("Str210", "FontName", "Title"). The core asks a
// LanguageLookup for names and messages; the window passes the table of the current display
// set, tests may pass a small table of their own.

#include <map>
#include <string>
#include <string_view>

namespace orln7a {

class LanguageLookup {
public:
    virtual ~LanguageLookup() = default;
    // The text of `key` (UTF-8), or the empty text when the table has none.
    virtual std::string Text(std::string_view key) const = 0;
};

// A table held in a map; keys compare without regard to ASCII case.
class MapLanguage : public LanguageLookup {
public:
    MapLanguage() = default;
    explicit MapLanguage(std::map<std::string, std::string> entries);
    void Set(std::string key, std::string text);
    std::string Text(std::string_view key) const override;

private:
    std::map<std::string, std::string> entries_; // keys stored in lower case
};

} // namespace orln7a
