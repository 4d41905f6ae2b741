#pragma once

// A button's function as the mouse stores it: three bytes (type, p1, p2). Inside the editor a
// code travels as six upper-case hex digits, "010100" for a left click, and every editor
// compares those texts, so only the formatter here ever produces them.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orln7a {

// The type byte of a code; the firmware knows no others.
enum class KeyFunctionType : std::uint8_t {
    Off = 0x00,
    MouseButton = 0x01, // p1 = one mouse-button bit
    Keyboard = 0x02,    // p1 = modifier bits, p2 = keyboard usage
    Consumer = 0x03,    // p1:p2 = consumer usage
    DpiLoop = 0x05,
    Macro = 0x06, // p1:p2 = macro reference; plays to its end
    DpiUp = 0x07,
    DpiDown = 0x08,
    LedSwitch = 0x09,
    Aim = 0x0A,        // p1 = index into the DPI value list
    FireRecord = 0x0B, // only in the fire macro key table
    FireMacro = 0x0C,  // p1 = first, p2 = last fire macro record
    GunKey = 0x0D,
    MacroUntilRelease = 0x0E, // as Macro, but stops when the button is released
    KeyModeSwitch = 0x0F,
    LedModeSwitch = 0x10,
};

// Modifier bits of a keyboard code, the low nibble of a HID keyboard modifier byte.
inline constexpr std::uint8_t kModifierCtrl = 0x01;
inline constexpr std::uint8_t kModifierShift = 0x02;
inline constexpr std::uint8_t kModifierAlt = 0x04;
inline constexpr std::uint8_t kModifierWin = 0x08;

struct KeyFunctionCode {
    std::uint8_t type = 0;
    std::uint8_t p1 = 0;
    std::uint8_t p2 = 0;

    constexpr KeyFunctionType Type() const { return static_cast<KeyFunctionType>(type); }
    // Macro references and consumer usages: p1 is the high byte.
    constexpr std::uint16_t Parameter() const { return static_cast<std::uint16_t>(p1 << 8 | p2); }
    friend constexpr bool operator==(const KeyFunctionCode&, const KeyFunctionCode&) = default;
};

constexpr KeyFunctionCode MakeKeyFunctionCode(KeyFunctionType type, std::uint16_t parameter) {
    return {static_cast<std::uint8_t>(type), static_cast<std::uint8_t>(parameter >> 8),
            static_cast<std::uint8_t>(parameter & 0xFF)};
}

// "0600F0" and friends: two upper-case hex digits per byte, in byte order.
std::string FormatKeyFunctionCode(KeyFunctionCode code);
// Exactly six hex digits, read two at a time; anything else is no code at all.
std::optional<KeyFunctionCode> ParseKeyFunctionCode(std::string_view text);

// The rapid-fire key is the macro code with this reference ("0600F0").
inline constexpr std::uint16_t kRapidFireReference = 0x00F0;
inline constexpr KeyFunctionCode kRapidFireKeyCode =
    MakeKeyFunctionCode(KeyFunctionType::Macro, kRapidFireReference);

// Identifiers of the six macro slots of the mouse, slot 1 first: the device address of each
// slot's length byte. Area 0x0500 holds the fire macros, hence no 0x0521.
inline constexpr std::array<std::uint16_t, 6> BaseMacroSlotIds = {0x0121, 0x0221, 0x0321,
                                                                  0x0421, 0x0621, 0x0721};
// Slot number 1..6 of a slot identifier.
std::optional<int> BaseMacroSlotOfId(std::uint16_t id);

// In driver mode macro n (0-based) of the assigned driver macros is referenced by the address
// of its content in the driver's macro memory, 0x0120 + 2048 * n. Only n up to 31 fit the
// 16-bit parameter; larger positions have no reference rather than one that wraps onto macro 0.
inline constexpr std::size_t kDriverMacroReferenceCount = 32;
std::optional<std::uint16_t> DriverMacroReference(std::size_t position);
std::optional<std::size_t> DriverMacroPosition(std::uint16_t reference);

// The code of a macro button: type 06 plays the macro to its end, 0E stops it on release.
constexpr KeyFunctionCode MacroKeyFunctionCode(bool stopOnRelease, std::uint16_t reference) {
    return MakeKeyFunctionCode(
        stopOnRelease ? KeyFunctionType::MacroUntilRelease : KeyFunctionType::Macro, reference);
}

// The AIM code for an index into the DPI value list.
constexpr KeyFunctionCode AimKeyFunctionCode(std::uint8_t dpiIndex) {
    return {static_cast<std::uint8_t>(KeyFunctionType::Aim), dpiIndex, 0};
}

// The driver stores a rapid-fire key with continuous fire as "0E00F0"; the editor reads every
// rapid-fire key back as "0600F0" so that it is named and compared as the one rapid-fire code.
constexpr KeyFunctionCode DriverCodeAsRead(KeyFunctionCode stored) {
    return stored == MacroKeyFunctionCode(true, kRapidFireReference) ? kRapidFireKeyCode : stored;
}

} // namespace orln7a
