#include "macros/macro_lines.h"

#include "keys/listener_keys.h"
#include "keys/usage_tables.h"

#include <algorithm>
#include <charconv>

namespace orln7a {

namespace {

constexpr std::string_view kCodeMarker = " CODE:";
// " CODE:" and its four hex digits end every key line.
constexpr std::size_t kCodeTailSize = 10;

std::optional<int> ParseDecimal(std::string_view text) {
    if (text.empty() ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<std::uint8_t> ParseHexByte(std::string_view text) {
    if (text.size() != 2)
        return std::nullopt;
    unsigned value = 0;
    for (char c : text) {
        value <<= 4;
        if (c >= '0' && c <= '9')
            value |= static_cast<unsigned>(c - '0');
        else if (c >= 'A' && c <= 'F')
            value |= static_cast<unsigned>(c - 'A' + 10);
        else if (c >= 'a' && c <= 'f')
            value |= static_cast<unsigned>(c - 'a' + 10);
        else
            return std::nullopt;
    }
    return static_cast<std::uint8_t>(value);
}

std::string_view MouseButtonName(MacroMouseButton button) {
    switch (button) {
    case MacroMouseButton::Left:
        return "LeftKey";
    case MacroMouseButton::Right:
        return "RightKey";
    case MacroMouseButton::Middle:
        return "MiddleKey";
    case MacroMouseButton::Forward:
        return "Forward";
    case MacroMouseButton::Backward:
        return "Backward";
    }
    return "";
}

std::optional<MacroEventLine> ParseKeyLine(MacroEventKind kind, std::string_view line) {
    if (line.size() < 2 + kCodeTailSize)
        return std::nullopt;
    const std::string_view tail = line.substr(line.size() - kCodeTailSize);
    if (tail.substr(0, kCodeMarker.size()) != kCodeMarker)
        return std::nullopt;
    const auto codeClass = ParseHexByte(tail.substr(6, 2));
    const auto codeValue = ParseHexByte(tail.substr(8, 2));
    if (!codeClass || !codeValue)
        return std::nullopt;
    MacroEventLine event;
    event.kind = kind;
    event.keyName = std::string(line.substr(2, line.size() - 2 - kCodeTailSize));
    event.codeClass = *codeClass;
    event.codeValue = *codeValue;
    return event;
}

std::optional<MacroEventLine> ParseMoveLine(MacroEventKind kind, std::string_view line) {
    const bool xAxis = kind == MacroEventKind::XPositive || kind == MacroEventKind::XNonPositive;
    if (line.size() != 6 || line.substr(2, 2) != (xAxis ? "FB" : "FA"))
        return std::nullopt;
    const auto amount = ParseHexByte(line.substr(4, 2));
    if (!amount)
        return std::nullopt;
    MacroEventLine event;
    event.kind = kind;
    event.moveByte = *amount;
    return event;
}

} // namespace

std::string HexByte(std::uint8_t value) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    return {kDigits[value >> 4], kDigits[value & 0x0F]};
}

std::string DelayModeHeaderText(const DelayModeHeader& header) {
    switch (header.mode) {
    case DelayMode::Recorded:
        return "10";
    case DelayMode::Fixed:
        return "01" + std::to_string(header.fixedMs);
    case DelayMode::None:
        return "00";
    }
    return "10";
}

std::optional<DelayModeHeader> ParseDelayModeHeader(std::string_view text) {
    if (text == "10")
        return DelayModeHeader{DelayMode::Recorded, 0};
    if (text == "00")
        return DelayModeHeader{DelayMode::None, 0};
    if (text.substr(0, 2) == "01") {
        if (const auto ms = ParseDecimal(text.substr(2)))
            return DelayModeHeader{DelayMode::Fixed, *ms};
    }
    return std::nullopt;
}

std::vector<std::string> MacroLines::Lines() const {
    std::vector<std::string> lines;
    lines.reserve(events.size() + 1);
    if (!header.empty())
        lines.push_back(header);
    lines.insert(lines.end(), events.begin(), events.end());
    return lines;
}

MacroLines MacroLines::FromLines(const std::vector<std::string>& lines) {
    MacroLines result;
    if (lines.empty())
        return result;
    result.header = lines.front();
    result.events.assign(lines.begin() + 1, lines.end());
    return result;
}

std::string DelayLine(int milliseconds) {
    return "0 " + std::to_string(std::max(milliseconds, 0));
}

std::string KeyLine(bool press, std::string_view keyName, std::uint8_t codeClass,
                    std::uint8_t codeValue) {
    std::string line = press ? "1 " : "2 ";
    line += keyName;
    line += kCodeMarker;
    line += HexByte(codeClass);
    line += HexByte(codeValue);
    return line;
}

std::string MouseLine(MacroMouseButton button, bool press) {
    const auto bits = static_cast<std::uint8_t>(button);
    const auto value =
        static_cast<std::uint8_t>(bits | kMouseItemMarkBit | (press ? kMouseItemPressBit : 0));
    return KeyLine(press, MouseButtonName(button), kMouseClass, value);
}

std::string MoveLine(MacroAxis axis, int amount) {
    amount = std::clamp(amount, -128, 127);
    const bool positive = amount > 0;
    std::string line;
    if (axis == MacroAxis::X)
        line = positive ? "3 FB" : "4 FB";
    else
        line = positive ? "5 FA" : "6 FA";
    return line + HexByte(static_cast<std::uint8_t>(amount));
}

std::optional<std::string> RecordedKeyLine(bool press, int virtualKey) {
    const std::string name(GetListenerKeyName(virtualKey));
    if (name == "255")
        return std::nullopt;
    // The listener reports left and right Ctrl, Shift and Alt as the generic keys, so both
    // sides record as the left-hand modifier bits.
    std::optional<std::uint8_t> modifier;
    switch (virtualKey) {
    case 17:
        modifier = 0x01;
        break;
    case 16:
        modifier = 0x02;
        break;
    case 18:
        modifier = 0x04;
        break;
    case 91:
        modifier = 0x08;
        break;
    case 92:
        modifier = 0x80;
        break;
    default:
        break;
    }
    if (modifier)
        return KeyLine(press, name, press ? kModifierPressClass : kModifierReleaseClass, *modifier);
    return KeyLine(press, name, press ? kKeyPressClass : kKeyReleaseClass,
                   GetUsageByVirtualKey(virtualKey));
}

std::optional<MacroEventLine> ParseMacroEventLine(std::string_view line) {
    if (line.size() < 2 || line[1] != ' ' || line[0] < '0' || line[0] > '6')
        return std::nullopt;
    const auto kind = static_cast<MacroEventKind>(line[0] - '0');
    switch (kind) {
    case MacroEventKind::Delay: {
        const auto ms = ParseDecimal(line.substr(2));
        if (!ms)
            return std::nullopt;
        MacroEventLine event;
        event.delayMs = *ms;
        return event;
    }
    case MacroEventKind::KeyDown:
    case MacroEventKind::KeyUp:
        return ParseKeyLine(kind, line);
    default:
        return ParseMoveLine(kind, line);
    }
}

std::string MacroLineNamePart(std::string_view line) {
    if (line.size() < 2 + kCodeTailSize)
        return {};
    return std::string(line.substr(2, line.size() - 2 - kCodeTailSize));
}

std::string MacroRowText(std::string_view line) {
    const int icon = MacroRowIcon(line);
    if (icon < 0)
        return std::string(line);
    const auto kind = static_cast<MacroEventKind>(icon);
    switch (kind) {
    case MacroEventKind::Delay:
        return std::string(line.substr(std::min<std::size_t>(2, line.size()))) + " ms";
    case MacroEventKind::KeyDown:
    case MacroEventKind::KeyUp:
        return MacroLineNamePart(line);
    default:
        break;
    }
    const std::string axis =
        kind == MacroEventKind::XPositive || kind == MacroEventKind::XNonPositive ? "X-Axis  "
                                                                                  : "Y-Axis  ";
    // The amount is the signed value of the stored byte, so a zero move reads 0.
    const auto event = ParseMacroEventLine(line);
    if (!event)
        return axis + std::string(line.substr(std::min<std::size_t>(4, line.size())));
    return axis + std::to_string(event->Amount());
}

int MacroRowIcon(std::string_view line) {
    if (line.empty() || line[0] < '0' || line[0] > '6')
        return -1;
    return line[0] - '0';
}

} // namespace orln7a
