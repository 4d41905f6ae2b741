#pragma once

// `MacroItem`: the bytes of one event inside a stored macro body, and the way back from bytes
// to event lines. The mouse plays items by their first byte; a byte outside the vocabulary
// ends the body.

#include "common/bytes.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orln7a {

inline constexpr std::uint8_t kMoveYItem = 0xFA;
inline constexpr std::uint8_t kMoveXItem = 0xFB;
inline constexpr std::uint8_t kRepeatEndItem = 0xFC;
inline constexpr std::uint8_t kRepeatStartItem = 0xFD;
inline constexpr std::uint8_t kDelayItem = 0xFE;

// A delay item waits nn units of 8 ms, so one item covers at most 2040 ms.
inline constexpr int kDelayUnitMs = 8;
inline constexpr int kMaxDelayItemMs = 255 * kDelayUnitMs;
// Consecutive delay items that read back as one line; a further one starts a new line.
inline constexpr int kMaxMergedDelayItems = 5;

// The delay items of a delay line: as many full items as fit, then the remainder (rounded
// down to the unit), and a single FE 00 for 0 ms.
Bytes DelayItems(int milliseconds);

// The item bytes of one event line; nothing for the header and for text that is not an event.
Bytes LineToItems(std::string_view line);

// One step of reading a body back: the line the bytes at `pos` stand for (none for the repeat
// wrapper's FC and FD), and how many bytes they took. `consumed` is 0 where the body ends:
// past its last byte, at a byte outside the item vocabulary, or at an item cut short by the end.
struct ItemLine {
    std::optional<std::string> line;
    std::size_t consumed = 0;
};
ItemLine ItemToLine(ByteView body, std::size_t pos);

// Every event line of a body, in order.
std::vector<std::string> BodyToLines(ByteView body);

} // namespace orln7a
