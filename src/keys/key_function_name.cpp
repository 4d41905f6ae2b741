#include "keys/key_function_name.h"

#include "keys/key_function_table.h"
#include "keys/usage_tables.h"

namespace orln7a {

namespace {

std::string MacroName(KeyFunctionCode code, const KeyNameSources& sources) {
    const std::uint16_t reference = code.Parameter();
    if (sources.eepromMode) {
        const auto slot = BaseMacroSlotOfId(reference);
        if (!slot)
            return {};
        const auto index = static_cast<std::size_t>(*slot - 1);
        if (index < sources.macroNames.size() && !sources.macroNames[index].empty())
            return sources.macroNames[index];
        return sources.deviceSlotName ? sources.deviceSlotName(*slot) : std::string();
    }
    const auto position = DriverMacroPosition(reference);
    if (!position || *position >= sources.macroNames.size())
        return {};
    return sources.macroNames[*position];
}

std::string FireMacroName(KeyFunctionCode code, const LanguageLookup& language,
                          const KeyNameSources& sources) {
    if (sources.gunKeyListLoaded) {
        // Several slots may hold the same code; the last of them names it.
        const std::string text = FormatKeyFunctionCode(code);
        std::string name;
        for (std::size_t i = 0; i < sources.gunKeySlots.size(); ++i) {
            if (sources.gunKeySlots[i] == text)
                name = "Fire Macro" + std::to_string(i + 1);
        }
        return name;
    }
    for (const auto& preset : BuiltInFireMacroNames) {
        if (preset.code == code)
            return language.Text(preset.nameKey);
    }
    return {};
}

} // namespace

std::string KeyboardCodeName(std::uint8_t modifiers, std::uint8_t usage) {
    std::string name;
    if (modifiers & kModifierCtrl)
        name += "Ctrl+";
    if (modifiers & kModifierShift)
        name += "Shift+";
    if (modifiers & kModifierAlt)
        name += "Alt+";
    if (modifiers & kModifierWin)
        name += "Win+";
    if (usage != 0)
        name += GetUsageKeyName(usage);
    return name;
}

std::string GetKeyFunctionName(KeyFunctionCode code, const LanguageLookup& language,
                               const KeyNameSources& sources) {
    // Fixed codes come first, so "0600F0" is the rapid-fire key and "020807" is "Desktop"
    // rather than a macro or Win+D. AIM is named by its type whatever its index.
    for (const auto& entry : KeyFunctionTable) {
        if (entry.menuTag != kAimMenuTag && entry.code == code)
            return language.Text(entry.nameKey);
    }
    switch (code.Type()) {
    case KeyFunctionType::Aim:
        return language.Text(FindKeyFunctionByTag(kAimMenuTag)->nameKey);
    case KeyFunctionType::Keyboard:
        return KeyboardCodeName(code.p1, code.p2);
    case KeyFunctionType::Macro:
    case KeyFunctionType::MacroUntilRelease:
        return MacroName(code, sources);
    case KeyFunctionType::FireMacro:
        return FireMacroName(code, language, sources);
    default:
        return {};
    }
}

std::string GetKeyFunctionName(std::string_view codeText, const LanguageLookup& language,
                               const KeyNameSources& sources) {
    const auto code = ParseKeyFunctionCode(codeText);
    return code ? GetKeyFunctionName(*code, language, sources) : std::string();
}

} // namespace orln7a
