#include "ui/language.h"

#include <algorithm>
#include <cctype>

namespace orln7a {

namespace {
std::string Lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}
} // namespace

MapLanguage::MapLanguage(std::map<std::string, std::string> entries) {
    for (auto& [k, v] : entries)
        Set(k, std::move(v));
}

void MapLanguage::Set(std::string key, std::string text) {
    entries_.emplace(Lower(key), std::move(text)); // the first text of a key wins
}

std::string MapLanguage::Text(std::string_view key) const {
    const auto it = entries_.find(Lower(key));
    return it == entries_.end() ? std::string() : it->second;
}

} // namespace orln7a
