#pragma once

// Display names of button functions in the current language. Most names are language texts;
// keyboard codes are composed from modifier words and the key's name; macro and fire macro
// codes are named after the macro or gun-key slot they refer to.

#include "keys/key_function_code.h"
#include "ui/language.h"

#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace orln7a {

// Where macro and fire macro names come from; the defaults name no macro and use the built-in
// gun preset names.
struct KeyNameSources {
    bool eepromMode = true;
    // The slot name list: the six slot names in slot order (EEPROM modes), or one name per
    // assigned driver macro in its order (driver mode). Empty texts name nothing.
    std::span<const std::string> macroNames;
    // EEPROM modes: the name of slot 1..6 as stored in the mouse, asked for only when the slot
    // name list has no name for that slot.
    std::function<std::string(int slot)> deviceSlotName;
    // Set while a gun-key list file is loaded: fire macro codes are then named after the slot
    // of `gunKeySlots` (code texts, slot 1 first) that holds them.
    bool gunKeyListLoaded = false;
    std::span<const std::string> gunKeySlots;
};

// The name of `code`, or the empty text for a code the editor has no name for. The language is
// asked on every call, so names follow a change of language at once.
std::string GetKeyFunctionName(KeyFunctionCode code, const LanguageLookup& language,
                               const KeyNameSources& sources = {});
// The same for a code text; text that is not a code has no name.
std::string GetKeyFunctionName(std::string_view codeText, const LanguageLookup& language,
                               const KeyNameSources& sources = {});

// "Ctrl+Shift+A": the set modifiers in the order Ctrl, Shift, Alt, Win, each with a "+", then
// the name of the usage when there is one. Bits 4..7 are not modifiers of the mouse.
std::string KeyboardCodeName(std::uint8_t modifiers, std::uint8_t usage);

} // namespace orln7a
