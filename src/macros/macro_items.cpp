#include "macros/macro_items.h"

#include "keys/listener_keys.h"
#include "keys/usage_tables.h"
#include "macros/macro_lines.h"

#include <array>

namespace orln7a {

namespace {

struct MouseItem {
    std::uint8_t byte;
    MacroMouseButton button;
    bool press;
};

constexpr std::array<MouseItem, 10> kMouseItems{{
    {0xA1, MacroMouseButton::Left, true},
    {0x21, MacroMouseButton::Left, false},
    {0xA2, MacroMouseButton::Right, true},
    {0x22, MacroMouseButton::Right, false},
    {0xA4, MacroMouseButton::Middle, true},
    {0x24, MacroMouseButton::Middle, false},
    {0xA8, MacroMouseButton::Forward, true},
    {0x28, MacroMouseButton::Forward, false},
    {0xB0, MacroMouseButton::Backward, true},
    {0x30, MacroMouseButton::Backward, false},
}};

const MouseItem* FindMouseItem(std::uint8_t byte) {
    for (const auto& item : kMouseItems)
        if (item.byte == byte)
            return &item;
    return nullptr;
}

bool IsKeyClass(std::uint8_t codeClass) {
    return codeClass == kModifierPressClass || codeClass == kModifierReleaseClass ||
           codeClass == kKeyPressClass || codeClass == kKeyReleaseClass;
}

// Rebuilt key lines are named by usage, but the five modifier bits have no usage of their own
// in this code and keep the names the recorder gave them.
std::string KeyNameFromItem(std::uint8_t codeClass, std::uint8_t value) {
    if (codeClass == kModifierPressClass || codeClass == kModifierReleaseClass) {
        int virtualKey = 0;
        switch (value) {
        case 0x01:
            virtualKey = 17;
            break;
        case 0x02:
            virtualKey = 16;
            break;
        case 0x04:
            virtualKey = 18;
            break;
        case 0x08:
            virtualKey = 91;
            break;
        case 0x80:
            virtualKey = 92;
            break;
        default:
            break;
        }
        if (virtualKey != 0)
            return std::string(GetListenerKeyName(virtualKey));
    }
    return std::string(GetUsageKeyName(value));
}

} // namespace

Bytes DelayItems(int milliseconds) {
    if (milliseconds < 0)
        milliseconds = 0;
    Bytes items;
    for (int i = 0; i < milliseconds / kMaxDelayItemMs; ++i) {
        items.push_back(kDelayItem);
        items.push_back(0xFF);
    }
    const int rest = milliseconds % kMaxDelayItemMs;
    if (rest > 0 || milliseconds == 0) {
        items.push_back(kDelayItem);
        items.push_back(static_cast<std::uint8_t>(rest / kDelayUnitMs));
    }
    return items;
}

Bytes LineToItems(std::string_view line) {
    const auto event = ParseMacroEventLine(line);
    if (!event)
        return {};
    switch (event->kind) {
    case MacroEventKind::Delay:
        return DelayItems(event->delayMs);
    case MacroEventKind::KeyDown:
    case MacroEventKind::KeyUp:
        if (IsKeyClass(event->codeClass))
            return {event->codeClass, event->codeValue};
        // A mouse value outside the vocabulary would end the body where it stands.
        if (event->codeClass == kMouseClass && FindMouseItem(event->codeValue))
            return {event->codeValue};
        return {};
    case MacroEventKind::XPositive:
    case MacroEventKind::XNonPositive:
        return {kMoveXItem, event->moveByte};
    case MacroEventKind::YPositive:
    case MacroEventKind::YNonPositive:
        return {kMoveYItem, event->moveByte};
    }
    return {};
}

ItemLine ItemToLine(ByteView body, std::size_t pos) {
    if (pos >= body.size())
        return {};
    const std::uint8_t first = body[pos];
    const bool hasSecond = pos + 1 < body.size();

    if (IsKeyClass(first)) {
        if (!hasSecond)
            return {};
        const std::uint8_t value = body[pos + 1];
        return {KeyLine((first & 0x80) != 0, KeyNameFromItem(first, value), first, value), 2};
    }
    if (const MouseItem* mouse = FindMouseItem(first))
        return {MouseLine(mouse->button, mouse->press), 1};
    switch (first) {
    case kMoveXItem:
    case kMoveYItem:
        if (!hasSecond)
            return {};
        return {MoveLine(first == kMoveXItem ? MacroAxis::X : MacroAxis::Y,
                         static_cast<std::int8_t>(body[pos + 1])),
                2};
    case kRepeatEndItem:
        return {std::nullopt, 1};
    case kRepeatStartItem:
        if (!hasSecond)
            return {};
        return {std::nullopt, 2};
    case kDelayItem: {
        int items = 0;
        int total = 0;
        std::size_t at = pos;
        while (items < kMaxMergedDelayItems && at + 1 < body.size() && body[at] == kDelayItem) {
            total += body[at + 1] * kDelayUnitMs;
            at += 2;
            ++items;
        }
        if (items == 0)
            return {};
        return {DelayLine(total), at - pos};
    }
    default:
        return {};
    }
}

std::vector<std::string> BodyToLines(ByteView body) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    for (;;) {
        ItemLine step = ItemToLine(body, pos);
        if (step.consumed == 0)
            break;
        if (step.line)
            lines.push_back(std::move(*step.line));
        pos += step.consumed;
    }
    return lines;
}

} // namespace orln7a
