#pragma once

// The text form of a macro while the editor shows or changes it. A macro is a header line that
// says how its delays were made, followed by one short text line per event; the macro list box
// shows one row per event line. The lines are the editor's working form only: the mouse stores
// bytes (macro_items.h), and the text is rebuilt from those bytes whenever a macro is selected.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orln7a {

// The kind digit that starts every event line; it also selects the row icon.
enum class MacroEventKind : int {
    Delay = 0,
    KeyDown = 1,
    KeyUp = 2,
    XPositive = 3,
    XNonPositive = 4,
    YPositive = 5,
    YNonPositive = 6,
};

// How delays were produced: the three delay options of the macro page.
enum class DelayMode {
    Recorded, // "10", rb_RecDelay
    Fixed,    // "01" + milliseconds, rb_DelayTime
    None,     // "00", rb_NoDelay
};

struct DelayModeHeader {
    DelayMode mode = DelayMode::Recorded;
    int fixedMs = 0; // only for DelayMode::Fixed
    bool operator==(const DelayModeHeader&) const = default;
};

std::string DelayModeHeaderText(const DelayModeHeader& header);
std::optional<DelayModeHeader> ParseDelayModeHeader(std::string_view text);

// `MacroLines`: line 0 is the header, lines 1..n the events. The header is kept apart from the
// events so that event i is always row i of the list box; an empty header means "no lines",
// which is how a freshly cleared or an empty stored macro looks.
struct MacroLines {
    std::string header;
    std::vector<std::string> events;

    bool Empty() const { return header.empty() && events.empty(); }
    void Clear() {
        header.clear();
        events.clear();
    }
    // The whole text, header first (nothing for an empty header), as the editor keeps it.
    std::vector<std::string> Lines() const;
    static MacroLines FromLines(const std::vector<std::string>& lines);
    bool operator==(const MacroLines&) const = default;
};

// Buttons that macro items can press, with their bits in a mouse item byte. The forward and
// backward bits are the reverse of the mouse-button function codes of the button editor.
enum class MacroMouseButton : std::uint8_t {
    Left = 0x01,
    Right = 0x02,
    Middle = 0x04,
    Forward = 0x08,
    Backward = 0x10,
};

inline constexpr std::uint8_t kMouseItemPressBit = 0x80;
inline constexpr std::uint8_t kMouseItemMarkBit = 0x20;

// Code classes of key lines: press and release of a modifier, of another key, and of a mouse
// button (whose value is the mouse item byte).
inline constexpr std::uint8_t kModifierPressClass = 0x81;
inline constexpr std::uint8_t kModifierReleaseClass = 0x01;
inline constexpr std::uint8_t kKeyPressClass = 0x82;
inline constexpr std::uint8_t kKeyReleaseClass = 0x02;
inline constexpr std::uint8_t kMouseClass = 0x00;

enum class MacroAxis { X, Y };

// Line builders. Each returns the exact text the editor stores.
std::string DelayLine(int milliseconds);
std::string KeyLine(bool press, std::string_view keyName, std::uint8_t codeClass,
                    std::uint8_t codeValue);
std::string MouseLine(MacroMouseButton button, bool press);
// Amounts outside -128..127 are brought to the nearest end, as the value fields do.
std::string MoveLine(MacroAxis axis, int amount);
// A key edge as the recorder writes it: listener name, modifier code for the generic modifier
// and Windows keys, keyboard usage for every other key. Empty for virtual key 255, which the
// listener reports but every consumer ignores.
std::optional<std::string> RecordedKeyLine(bool press, int virtualKey);

// One event line taken apart; nullopt for text that is not an event line.
struct MacroEventLine {
    MacroEventKind kind = MacroEventKind::Delay;
    int delayMs = 0;            // Delay
    std::string keyName;        // KeyDown, KeyUp
    std::uint8_t codeClass = 0; // KeyDown, KeyUp
    std::uint8_t codeValue = 0; // KeyDown, KeyUp
    std::uint8_t moveByte = 0;  // moves: the amount's low byte
    std::int8_t Amount() const { return static_cast<std::int8_t>(moveByte); }
};
std::optional<MacroEventLine> ParseMacroEventLine(std::string_view line);

// What the list box draws for an event line, and which of its seven icons (-1: none).
std::string MacroRowText(std::string_view line);
int MacroRowIcon(std::string_view line);

// The name part that the event delete step compares: the text from the third character up to,
// but not including, the last ten (" CODE:" and the four digits).
std::string MacroLineNamePart(std::string_view line);

// Hex digits as lines carry them: upper case.
std::string HexByte(std::uint8_t value);

} // namespace orln7a
