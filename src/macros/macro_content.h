#pragma once

// The stored form of one macro: its 32-byte name field and its content. In the mouse's own
// memory (and the EEPROM-mode library) the content is a 224-byte block with a one-byte length;
// the PC filter driver takes 2016-byte content with a two-byte length. Both carry a check byte
// after the body so that the mouse can tell a damaged macro from a real one.

#include "common/bytes.h"
#include "common/result.h"
#include "macros/macro_lines.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orln7a {

inline constexpr std::size_t kMacroNameSize = 32;
inline constexpr std::size_t kMacroNameUnits = 16;
inline constexpr std::size_t kMacroBlockSize = 224;
inline constexpr std::size_t kMacroRecordSize = kMacroNameSize + kMacroBlockSize;
inline constexpr std::size_t kDriverMacroContentSize = 2016;
inline constexpr std::size_t kDriverMacroRecordSize = kMacroNameSize + kDriverMacroContentSize;

// The most body bytes each content form takes. A block holds ReleaseMode, length and check
// byte around its body; the driver form is limited by the recorder's capacity, not its room.
inline constexpr std::size_t kMaxEepromBody = kMacroBlockSize - 3;
inline constexpr std::size_t kMaxDriverBody = 1980;

// `MacroCapacity`: body bytes a recording may produce in each storage mode.
inline constexpr int kEepromMacroCapacity = 186;
inline constexpr int kDriverMacroCapacity = 1980;

using MacroName = std::array<std::uint8_t, kMacroNameSize>;
using MacroBlock = std::array<std::uint8_t, kMacroBlockSize>;
using DriverMacroContent = std::array<std::uint8_t, kDriverMacroContentSize>;

// A named macro as the EEPROM-mode library, the mouse's slots and the 256-byte export keep it.
struct MacroEntry {
    MacroName name{};
    MacroBlock block{};
    bool operator==(const MacroEntry&) const = default;
};

// `DriverMacroRecord`: a named macro in driver mode, 2048 bytes on disk and in the driver.
struct DriverMacroRecord {
    MacroName name{};
    DriverMacroContent content{};
    bool operator==(const DriverMacroRecord&) const = default;
};

// The section check of the mouse: (sum of the covered bytes modulo 256) XOR 0x5A.
std::uint8_t MacroCheckByte(ByteView covered);

// Names are UTF-16 code units, high byte first, padded with zeros. Text is UTF-8 on our side;
// a name longer than the field is cut after 16 code units (never inside a surrogate pair), and
// text that is not UTF-8 stores U+FFFD for each bad byte.
MacroName MacroNameStrToUnicode(std::string_view text);
void DriverMacroNameStrToUnicode(std::string_view text, DriverMacroRecord& record);
// The name up to the first zero unit, as UTF-8; unpaired surrogates read as U+FFFD.
std::string MacroNameText(const MacroName& name);
// A name field whose first two bytes are both zero marks an unused entry.
bool MacroNamePresent(const MacroName& name);

enum class MacroLoop {
    None,    // neither loop option
    Times,   // rb_CircleTimes with Edt_Circle_Times
    Endless, // rb_CircleAll
};

// The options of the macro page that belong to the stored macro as a whole.
struct MacroPlayOptions {
    bool releaseStop = false; // rb_ReleaseStop: ReleaseMode 1; rb_ReleaseContinue: 0
    MacroLoop loop = MacroLoop::None;
    int loopTimes = 8; // 1..255, for MacroLoop::Times
    bool operator==(const MacroPlayOptions&) const = default;
};

// The body of the lines, without the repeat wrapper; lines that are not events add nothing.
Bytes MacroBody(const MacroLines& lines);
// `RepeatWrapper`: FD nn before the items and FC after them, where nn is the loop count less
// one, or FF for an endless loop. No loop option leaves the body as it is.
Bytes WrapRepeat(ByteView body, const MacroPlayOptions& options);

// `EncodeMacroLines` for the mouse: rewrites the whole block. A body longer than the block's
// 221 bytes is refused with "Str103" and the block is left as it was, since the byte after the
// block is the next macro and the one-byte length cannot count further.
Status EncodeMacroLines(const MacroLines& lines, const MacroPlayOptions& options,
                        MacroBlock& block);
// `EncodeMacroLines` for the driver: rewrites the whole content. A body longer than the
// capacity keeps as many whole items as fit in 1980 bytes with the wrapper, so that neither an
// item nor the loop is cut in half.
void EncodeMacroLines(const MacroLines& lines, const MacroPlayOptions& options,
                      DriverMacroContent& content);

enum class MacroContentForm { Eeprom, Driver };

// The page state a stored macro calls for. An empty macro has no lines and changes none of the
// options; otherwise the lines start with the delay header that their first delays suggest.
struct DecodedMacro {
    MacroLines lines;
    bool empty = true;
    std::optional<bool> releaseStop; // unset when ReleaseMode is neither 0 nor 1
    MacroLoop loop = MacroLoop::None;
    int loopTimes = 1;
    DelayModeHeader delay;
};

// `DecodeMacroContent`: reads any bytes. The length byte is trusted only as far as the content
// reaches (224 bytes for a block, 2016 for driver content), whatever it says.
DecodedMacro DecodeMacroContent(ByteView content, MacroContentForm form);
inline DecodedMacro DecodeMacroContent(const MacroBlock& block) {
    return DecodeMacroContent(block, MacroContentForm::Eeprom);
}
inline DecodedMacro DecodeMacroContent(const DriverMacroContent& content) {
    return DecodeMacroContent(content, MacroContentForm::Driver);
}

// The header that the first four delay lines suggest (missing ones count as 0): all 0 means no
// delays, all equal a fixed delay, anything else recorded delays.
DelayModeHeader InferDelayModeHeader(const std::vector<std::string>& events);

// True when the content is empty, or its length leaves room for the check byte and the check
// byte matches.
bool MacroContentIntact(ByteView content, MacroContentForm form);

// `CheckMacroContentBuf`: a block that fails its check is emptied (all 224 bytes zero); a
// length above 222 has no room for a check byte and fails, which is how erased memory (all
// 0xFF) reads. Returns whether the block still holds a macro; an empty one is zeroed too.
bool CheckMacroContentBuf(MacroBlock& block);

} // namespace orln7a
