#pragma once

// Text held by edit-box holders, turned into image bytes and back. Edit boxes never refuse
// input: a number outside its range becomes the nearest allowed value, and text that is no
// number at all leaves the image byte as it was.

#include "common/bytes.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orln7a {

// An optionally signed decimal number ("12", "-5", "+7"); anything else is empty. Values too
// large for an int saturate, so that clamping still gives the nearest allowed value.
std::optional<int> ParseHolderNumber(std::string_view text);

// The number in `text` clamped to [low, high], or empty when the text is no number.
std::optional<int> ClampedNumber(std::string_view text, int low, int high);

// The identifier edit boxes (edt_VendorID, edt_ProductID) hold up to three digits; an empty box,
// anything but digits, or a value above 255 becomes "255", the generic identifier.
std::string NormaliseIdentifierText(std::string_view text);

// A button function code as six upper-case hex digits, and back (either case accepted; any
// other text is empty).
using KeyCode = std::array<std::uint8_t, 3>;
std::string KeyCodeText(const KeyCode& code);
std::optional<KeyCode> KeyCodeFromText(std::string_view text);

} // namespace orln7a
