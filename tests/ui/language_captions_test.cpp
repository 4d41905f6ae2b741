#include "ui/language_captions.h"
#include "ui/language_table.h"

#include <gtest/gtest.h>

#include <set>

namespace orln7a {
namespace {

TEST(LanguageCaptions, EveryCaptionHasItsTextInEveryTable) {
    const auto& tables = BuiltInLanguageTables();
    std::set<std::string> seen;
    for (const CaptionEntry& e : LanguageCaptions()) {
        // A control is captioned once (combo items by their index).
        EXPECT_TRUE(seen.insert(std::string(e.control) + "#" + std::to_string(e.index)).second)
            << e.control;
        for (std::size_t t = 0; t < tables.size(); ++t)
            EXPECT_FALSE(tables[t].Text(e.key).empty()) << e.key << " in table " << t + 1;
    }
}

TEST(LanguageCaptions, FormsAndWrapping) {
    const CaptionEntry menu{"Key_Standard", "Str201", CaptionEntry::Form::MenuEntry};
    EXPECT_EQ(CaptionText(menu, "Standard Mouse Keys", "*"), " * Standard Mouse Keys");
    const CaptionEntry insert{"IB_InsertNoDelay", "Str416", CaptionEntry::Form::SevenBlanks};
    EXPECT_EQ(CaptionText(insert, "No Delay", "*"), "       No Delay");
    const struct {
        const char* text;
        const char* wrapped;
    } cases[] = {{"A-B", "A \n\rB"},
                 {"Stop on release", "Stop on release"},
                 {"-B", " \n\rB"},
                 {"A-B-C", "A \n\rB-C"}};
    for (const auto& c : cases)
        EXPECT_EQ(WrapAtDash(c.text), c.wrapped) << c.text;
}

} // namespace
} // namespace orln7a
