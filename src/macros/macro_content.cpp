#include "macros/macro_content.h"

#include "common/utf8.h"

#include "macros/macro_items.h"

#include <algorithm>
#include <numeric>

namespace orln7a {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// One code point from UTF-8 at `pos`; a bad sequence yields U+FFFD and moves on by one byte.
char32_t NextCodePoint(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        value = lead & 0x1F;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        value = lead & 0x0F;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        value = lead & 0x07;
        minimum = 0x10000;
    } else {
        ++pos;
        return kReplacement;
    }
    if (pos + length > text.size()) {
        ++pos;
        return kReplacement;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return kReplacement;
        }
        value = (value << 6) | (next & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        ++pos;
        return kReplacement;
    }
    pos += length;
    return value;
}

// Size of the item that starts with `first`, as the encoder writes it.
std::size_t ItemSize(std::uint8_t first) {
    switch (first) {
    case kModifierPressClass:
    case kModifierReleaseClass:
    case kKeyPressClass:
    case kKeyReleaseClass:
    case kMoveXItem:
    case kMoveYItem:
    case kDelayItem:
    case kRepeatStartItem:
        return 2;
    default:
        return 1;
    }
}

std::size_t WrapperSize(const MacroPlayOptions& options) {
    return options.loop == MacroLoop::None ? 0 : 3;
}

} // namespace

std::uint8_t MacroCheckByte(ByteView covered) {
    const unsigned sum = std::accumulate(covered.begin(), covered.end(), 0u);
    return static_cast<std::uint8_t>((sum & 0xFF) ^ 0x5A);
}

MacroName MacroNameStrToUnicode(std::string_view text) {
    MacroName name{};
    std::size_t units = 0;
    auto put = [&](char16_t unit) {
        name[2 * units] = static_cast<std::uint8_t>(unit >> 8);
        name[2 * units + 1] = static_cast<std::uint8_t>(unit & 0xFF);
        ++units;
    };
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char32_t cp = NextCodePoint(text, pos);
        if (cp == 0)
            continue; // a zero unit would end the name where it stands
        if (cp < 0x10000) {
            if (units + 1 > kMacroNameUnits)
                break;
            put(static_cast<char16_t>(cp));
        } else {
            if (units + 2 > kMacroNameUnits)
                break;
            const char32_t v = cp - 0x10000;
            put(static_cast<char16_t>(0xD800 + (v >> 10)));
            put(static_cast<char16_t>(0xDC00 + (v & 0x3FF)));
        }
    }
    return name;
}

void DriverMacroNameStrToUnicode(std::string_view text, DriverMacroRecord& record) {
    record.name = MacroNameStrToUnicode(text);
}

std::string MacroNameText(const MacroName& name) {
    std::string text;
    for (std::size_t i = 0; i < kMacroNameUnits; ++i) {
        const char16_t unit = static_cast<char16_t>(name[2 * i] << 8 | name[2 * i + 1]);
        if (unit == 0)
            break;
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < kMacroNameUnits) {
            const char16_t low = static_cast<char16_t>(name[2 * i + 2] << 8 | name[2 * i + 3]);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                AppendUtf8(text,
                           0x10000 + ((char32_t(unit) - 0xD800) << 10) + (char32_t(low) - 0xDC00));
                ++i;
                continue;
            }
        }
        AppendUtf8(text, unit >= 0xD800 && unit <= 0xDFFF ? kReplacement : char32_t(unit));
    }
    return text;
}

bool MacroNamePresent(const MacroName& name) {
    return name[0] != 0 || name[1] != 0;
}

Bytes MacroBody(const MacroLines& lines) {
    Bytes body;
    for (const auto& line : lines.events) {
        const Bytes items = LineToItems(line);
        body.insert(body.end(), items.begin(), items.end());
    }
    return body;
}

Bytes WrapRepeat(ByteView body, const MacroPlayOptions& options) {
    if (options.loop == MacroLoop::None)
        return Bytes(body.begin(), body.end());
    const std::uint8_t count =
        options.loop == MacroLoop::Endless
            ? 0xFF
            : static_cast<std::uint8_t>(std::clamp(options.loopTimes, 1, 255) - 1);
    Bytes wrapped{kRepeatStartItem, count};
    wrapped.insert(wrapped.end(), body.begin(), body.end());
    wrapped.push_back(kRepeatEndItem);
    return wrapped;
}

Status EncodeMacroLines(const MacroLines& lines, const MacroPlayOptions& options,
                        MacroBlock& block) {
    const Bytes body = WrapRepeat(MacroBody(lines), options);
    if (body.size() > kMaxEepromBody)
        return MakeError("Str103", "the macro needs " + std::to_string(body.size()) +
                                       " body bytes; a macro block holds at most " +
                                       std::to_string(kMaxEepromBody));
    block.fill(0);
    if (body.empty())
        return Ok();
    block[0] = options.releaseStop ? 1 : 0;
    block[1] = static_cast<std::uint8_t>(body.size() + 1);
    std::copy(body.begin(), body.end(), block.begin() + 2);
    block[body.size() + 2] = MacroCheckByte(ByteView(block).subspan(1, body.size() + 1));
    return Ok();
}

void EncodeMacroLines(const MacroLines& lines, const MacroPlayOptions& options,
                      DriverMacroContent& content) {
    const Bytes all = MacroBody(lines);
    const std::size_t room = kMaxDriverBody - WrapperSize(options);
    std::size_t kept = 0;
    while (kept < all.size()) {
        const std::size_t next = kept + ItemSize(all[kept]);
        if (next > room || next > all.size())
            break;
        kept = next;
    }
    const Bytes body = WrapRepeat(ByteView(all).first(kept), options);

    content.fill(0);
    if (body.empty())
        return;
    const std::size_t length = body.size() + 1;
    content[0] = options.releaseStop ? 1 : 0;
    content[1] = static_cast<std::uint8_t>(length >> 8);
    content[2] = static_cast<std::uint8_t>(length & 0xFF);
    std::copy(body.begin(), body.end(), content.begin() + 3);
    content[length + 2] = MacroCheckByte(ByteView(content).subspan(1, length + 1));
}

DelayModeHeader InferDelayModeHeader(const std::vector<std::string>& events) {
    std::array<int, 4> first{};
    std::size_t found = 0;
    for (const auto& line : events) {
        if (found == first.size())
            break;
        const auto event = ParseMacroEventLine(line);
        if (event && event->kind == MacroEventKind::Delay)
            first[found++] = event->delayMs;
    }
    if (std::all_of(first.begin(), first.end(), [](int v) { return v == 0; }))
        return {DelayMode::None, 0};
    if (std::all_of(first.begin(), first.end(), [&](int v) { return v == first[0]; }))
        return {DelayMode::Fixed, first[0]};
    return {DelayMode::Recorded, 0};
}

namespace {

struct ContentLayout {
    std::size_t limit = 0;     // bytes of the content that may be read
    std::size_t length = 0;    // L: body bytes + 1, 0 for an empty macro
    std::size_t bodyStart = 0; // first body byte
    bool erased = false;       // L is the all-ones value of erased memory
};

ContentLayout ReadLayout(ByteView content, MacroContentForm form) {
    ContentLayout layout;
    if (form == MacroContentForm::Eeprom) {
        layout.limit = std::min(content.size(), kMacroBlockSize);
        layout.bodyStart = 2;
        if (layout.limit < 2)
            return layout;
        layout.length = content[1];
        layout.erased = layout.length == 0xFF;
    } else {
        layout.limit = std::min(content.size(), kDriverMacroContentSize);
        layout.bodyStart = 3;
        if (layout.limit < 3)
            return layout;
        layout.length = std::size_t{content[1]} << 8 | content[2];
        layout.erased = layout.length == 0xFFFF;
    }
    return layout;
}

} // namespace

DecodedMacro DecodeMacroContent(ByteView content, MacroContentForm form) {
    DecodedMacro decoded;
    const ContentLayout layout = ReadLayout(content, form);
    if (layout.length == 0 || layout.erased)
        return decoded;

    decoded.empty = false;
    if (content[0] == 1)
        decoded.releaseStop = true;
    else if (content[0] == 0)
        decoded.releaseStop = false;

    const std::size_t bodyEnd = std::min(layout.bodyStart + layout.length - 1, layout.limit);
    const ByteView body = bodyEnd > layout.bodyStart
                              ? content.subspan(layout.bodyStart, bodyEnd - layout.bodyStart)
                              : ByteView{};

    // A lone FD at the very end has no count and is no wrapper.
    if (body.size() >= 2 && body[0] == kRepeatStartItem) {
        if (body[1] == 0xFF) {
            decoded.loop = MacroLoop::Endless;
        } else {
            decoded.loop = MacroLoop::Times;
            decoded.loopTimes = body[1] + 1;
        }
    }

    decoded.lines.events = BodyToLines(body);
    decoded.delay = InferDelayModeHeader(decoded.lines.events);
    decoded.lines.header = DelayModeHeaderText(decoded.delay);
    return decoded;
}

bool MacroContentIntact(ByteView content, MacroContentForm form) {
    const ContentLayout layout = ReadLayout(content, form);
    if (layout.length == 0)
        return true;
    if (layout.erased)
        return false;
    // The check byte sits right after the body: at L + 1 in a block, L + 2 in driver content.
    const std::size_t checkAt = layout.bodyStart + layout.length - 1;
    if (checkAt >= layout.limit)
        return false;
    return content[checkAt] == MacroCheckByte(content.subspan(1, checkAt - 1));
}

bool CheckMacroContentBuf(MacroBlock& block) {
    if (block[1] != 0 && MacroContentIntact(block, MacroContentForm::Eeprom))
        return true;
    block.fill(0);
    return false;
}

} // namespace orln7a
