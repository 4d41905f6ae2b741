#include "ui/language_table.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace orln7a {
namespace {

std::string Key(int number) {
    char text[8];
    std::snprintf(text, sizeof text, "Str%03d", number);
    return text;
}

// The keys of inclusive number ranges.
std::vector<std::string> Keys(std::initializer_list<std::pair<int, int>> ranges) {
    std::vector<std::string> keys;
    for (const auto& [first, last] : ranges) {
        for (int n = first; n <= last; ++n)
            keys.push_back(Key(n));
    }
    return keys;
}

struct KeyGroup {
    const char* what;
    std::vector<std::string> keys;
};

// Names a button label can show; a language switch looks them up by their text.
std::vector<std::string> FunctionNameKeys() {
    return Keys(
        {{210, 214}, {220, 226}, {231, 233}, {240, 243}, {250, 256}, {260, 266}, {600, 606}});
}

// Every key the program reads, by the page or dialog it captions.
std::vector<KeyGroup> ReadKeys() {
    return {
        {"window chrome", Keys({{0, 2}, {4, 5}, {7, 17}})},
        {"messages", Keys({{20, 20}, {100, 104}, {106, 109}})},
        {"assignment menus", Keys({{200, 208}, {230, 230}})},
        {"function names", FunctionNameKeys()},
        {"long-press hints", Keys({{700, 702}})},
        {"DPI values", Keys({{300, 311}})},
        {"settings pages", Keys({{800, 834}, {849, 858}})},
        {"macro page", Keys({{400, 402},
                             {404, 418},
                             {420, 422},
                             {430, 430},
                             {432, 433},
                             {435, 435},
                             {440, 445},
                             {448, 448},
                             {835, 842},
                             {859, 861}})},
        {"input dialogs", Keys({{500, 502}, {510, 512}, {520, 521}, {523, 523}})},
        {"gun preset page", Keys({{620, 621}, {843, 848}})},
        {"font and title", {"FontName", "Title"}},
    };
}

TEST(LanguageCoverage, EveryReadKeyHasTextInEveryTable) {
    const auto& tables = BuiltInLanguageTables();
    for (const auto& group : ReadKeys()) {
        for (const auto& key : group.keys) {
            for (int n = 1; n <= 3; ++n)
                EXPECT_FALSE(tables[n - 1].Text(key).empty())
                    << key << " (" << group.what << ") missing in LANG" << n;
        }
    }
    // A translation holds the same entries as the English table, no more and no fewer.
    EXPECT_EQ(tables[1].size(), tables[0].size());
    EXPECT_EQ(tables[2].size(), tables[0].size());
}

struct ExpectedText {
    int table;
    std::string key;
    std::string text;
};

std::vector<ExpectedText> ExpectedTexts() {
    std::vector<ExpectedText> rows = {
        {1, "FontName", "Segoe UI"},
        {2, "FontName", "宋体"},
        {3, "FontName", "宋体"},
        {1, "Title", "Corvane Gaming Mouse"},
        {2, "Title", "Corvane 游戏鼠标"},
        {3, "Title", "Corvane 遊戲滑鼠"},
        // Each language button names its own language in every table; a third button that
        // read "English" while switching to Traditional Chinese would mislead.
        {1, "Str011", "English"},
        {1, "Str013", "繁體中文"},
        {2, "Str011", "English"},
        {2, "Str012", "简体中文"},
        {2, "Str013", "繁體中文"},
        {3, "Str011", "English"},
        {3, "Str012", "简体中文"},
        {3, "Str013", "繁體中文"},
        {1, "Str020", "Finding the specified device"},
        {1, "Str100", "Please Connect the USB Device"},
        {1, "Str101", "Please check your device is attached to USB port"},
        {1, "Str102", "BIN file type error"},
        {1, "Str103", "Macro bin length out of range"},
        {1, "Str104", "storage space shortage"},
        {1, "Str106", "This macro already exists"},
        {1, "Str107", "The mouse manufacturer or product id error"},
        {1, "Str108", "Please keep a Left Key"},
        {1, "Str109", "Fail"},
        {1, "Str201", "Standard Mouse Keys"},
        {1, "Str205", "User-defined"},
        {1, "Str208", "Fire Macro"},
        {1, "Str210", "Left Click"},
        {1, "Str211", "Right Click"},
        {1, "Str212", "Wheel Click"},
        {1, "Str213", "Back"},
        {1, "Str214", "Forward"},
        {1, "Str220", "Fire Key"},
        {1, "Str221", "LED ON/OFF"},
        {1, "Str222", "AIM"},
        {1, "Str223", "Gun Key Fn"},
        {1, "Str224", "Key Off"},
        {1, "Str225", "Key Mode Switch"},
        {1, "Str226", "LED Mode"},
        {1, "Str230", "DPI"},
        {1, "Str231", "DPI Loop"},
        {1, "Str232", "DPI +"},
        {1, "Str233", "DPI -"},
        {1, "Str240", "My Computer"},
        {1, "Str241", "Calculator"},
        {1, "Str242", "E-Mail"},
        {1, "Str243", "Desktop"},
        {1, "Str250", "Play/Pause"},
        {1, "Str251", "Stop"},
        {1, "Str252", "Previous Track"},
        {1, "Str253", "Next Track"},
        {1, "Str254", "Volume +"},
        {1, "Str255", "Volume -"},
        {1, "Str256", "Mute"},
        {1, "Str260", "Home"},
        {1, "Str261", "Search"},
        {1, "Str262", "Web Back"},
        {1, "Str263", "Web Forward"},
        {1, "Str264", "Stop"},
        {1, "Str265", "Refresh"},
        {1, "Str266", "Favorites"},
        {1, "Str400", "Record"},
        {1, "Str401", "Stop"},
        {1, "Str420", "OK"},
        {1, "Str421", "OK"},
        {1, "Str430", "OK for clear macro?"},
        {1, "Str605", "5.56mm Fire"},
        {1, "Str606", "7.62mm Fire"},
        {1, "Str700", "Press 'Middle Click' 3sec to switch office/game mode"},
        {1, "Str803", "Continusely"},
        {1, "Str815", "LED Mode Switch Enable（L+DPI)"},
        {1, "Str841", "Stop until the key release"},
        {1, "Str842", "Stop after the macro is over"},
    };
    // DPI values and the five rifle names read the same in every language.
    const char* dpi[] = {"500",  "800",  "1000", "1200", "1600", "2000",
                         "2400", "3200", "4000", "4800", "6400", "8000"};
    const char* guns[] = {"AKM", "M16", "M4", "UMP9", "SCAR-L"};
    for (int table = 1; table <= 3; ++table) {
        rows.push_back({table, "Str200", "*"});
        for (int i = 0; i < 12; ++i)
            rows.push_back({table, Key(300 + i), dpi[i]});
        for (int i = 0; i < 5; ++i)
            rows.push_back({table, Key(600 + i), guns[i]});
    }
    return rows;
}

TEST(LanguageCoverage, TextsAsShipped) {
    const auto& tables = BuiltInLanguageTables();
    for (const auto& row : ExpectedTexts())
        EXPECT_EQ(tables[row.table - 1].Text(row.key), row.text)
            << row.key << " in LANG" << row.table;
}

// A copy of an English text left in a Chinese table is an untranslated caption; only language
// names, symbols, numbers and product names read the same everywhere.
TEST(LanguageCoverage, ChineseTablesTranslateEveryCaption) {
    const std::set<std::string> shared = {"English", "简体中文", "繁體中文", "*",
                                          "DPI",     "DPI +",    "DPI -",    "AKM",
                                          "M16",     "M4",       "UMP9",     "SCAR-L"};
    const auto& tables = BuiltInLanguageTables();
    for (const auto& group : ReadKeys()) {
        for (const auto& key : group.keys) {
            const auto english = tables[0].Text(key);
            if (shared.count(english) ||
                english.find_first_not_of("0123456789") == std::string::npos)
                continue;
            for (int n = 2; n <= 3; ++n)
                EXPECT_NE(tables[n - 1].Text(key), english) << key << " in LANG" << n;
        }
    }
}

// Switching language re-translates the button labels by looking their text up in all tables:
// a name must come back as the same function in every language, which fails as soon as two
// functions share a text in one table but not in another.
TEST(LanguageCoverage, FunctionNamesSurviveALanguageSwitch) {
    const auto& tables = BuiltInLanguageTables();
    for (const auto& key : FunctionNameKeys()) {
        for (int from = 0; from < 3; ++from) {
            const auto found = FindLanguageKey(tables[from].Text(key), tables);
            ASSERT_TRUE(found.has_value()) << key << " from LANG" << from + 1;
            for (int to = 0; to < 3; ++to)
                EXPECT_EQ(tables[to].Text(*found), tables[to].Text(key))
                    << key << " from LANG" << from + 1 << " to LANG" << to + 1 << " via " << *found;
        }
    }
}

} // namespace
} // namespace orln7a
