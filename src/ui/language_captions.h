#pragma once

// Which language key captions which control: the language half of the display-set pass as
// data, so it can be checked without a window.

#include <span>
#include <string>

namespace orln7a {

struct CaptionEntry {
    enum class Form {
        Plain,       // the text as it stands
        Copies,      // the same text on the four chrome copies <control>_1 .. <control>_4
        MenuEntry,   // a blank, Str200, a blank, then the text
        SevenBlanks, // seven blanks, then the text
        LeftPlain,   // the text, read from the left
        ComboItem,   // item `index` of the combo box `control`
    };
    const char* control;
    const char* key;
    Form form = Form::Plain;
    int index = 0;
};

std::span<const CaptionEntry> LanguageCaptions();

// The caption of a control for a table text, by the entry's form (`bullet` is Str200).
std::string CaptionText(const CaptionEntry& entry, const std::string& text,
                        const std::string& bullet);

// The release captions wrap at their first "-": the part before it, a blank, LF, CR, the part
// after it. A text without "-" stays whole.
std::string WrapAtDash(const std::string& text);

} // namespace orln7a
