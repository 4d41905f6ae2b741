#pragma once

// Bit fields of the parameter image bytes and the small helpers that read and write them,
// shared by the image and the driver-mode encoders.

#include "image/holder_text.h"
#include "image/settings_store.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace orln7a::image_bits {

// SwitchBits (0x00).
inline constexpr std::uint8_t kB4CpiBit = 0x01;
inline constexpr std::uint8_t kFireFnBit = 0x02;
inline constexpr std::uint8_t kLCpiBit = 0x04;
inline constexpr std::uint8_t kNoSaveBit = 0x08;
inline constexpr int kSensorShift = 4;
inline constexpr std::uint8_t kSensorMask = 0x70;

// PressBits (0x01).
inline constexpr std::uint8_t kMidPressBit = 0x01;
inline constexpr std::uint8_t kCpiPressBit = 0x02;
inline constexpr std::uint8_t kGunPressBit = 0x04;
inline constexpr std::uint8_t kSmoothBit = 0x20;

// LedCountBits (0x03): the high nibble is 13 minus the number of LEDs (4 to 13).
inline constexpr std::uint8_t kFullBrightnessBit = 0x08;
inline constexpr int kLedCountBase = 13;
inline constexpr int kFewestLeds = 4;
inline constexpr int kMostLeds = 13;

// LedState (0x32) and driver-mode byte 1.
inline constexpr std::uint8_t kModeNumberMask = 0x07;
inline constexpr std::uint8_t kFlashOffBit = 0x08;
inline constexpr int kStepShift = 5;
inline constexpr int kLedModeCount = 7;

// KeyModeBits (0x34).
inline constexpr std::uint8_t kKeyMode2Bit = 0x80;

// Driver-mode byte 0: current level in bits 0 to 3, smoothing in bit 7.
inline constexpr std::uint8_t kDriverLevelMask = 0x0F;
inline constexpr std::uint8_t kDriverSmoothBit = 0x80;

// Entries of the DPI value list, 500 to 8000.
inline constexpr int kDpiValueCount = 12;

inline bool InRange(int value, int low, int high) {
    return value >= low && value <= high;
}

inline void SetBit(std::uint8_t& byte, std::uint8_t mask, bool on) {
    byte = static_cast<std::uint8_t>(on ? (byte | mask) : (byte & ~mask));
}

inline void ReadBit(std::uint8_t byte, std::uint8_t mask, RadioPair& pair) {
    pair = (byte & mask) != 0;
}

// A pair with neither button checked leaves its bit alone.
inline void WriteBit(const RadioPair& pair, std::uint8_t mask, std::uint8_t& byte) {
    if (pair)
        SetBit(byte, mask, *pair);
}

// An edit box's number into its byte; text that is no number leaves the byte.
inline void WriteByteText(std::string_view text, std::uint8_t& byte) {
    if (const auto value = ClampedNumber(text, 0, 255))
        byte = static_cast<std::uint8_t>(*value);
}

// Small enumeration bytes are stored with 255 minus themselves beside them.
inline void WriteWithComplement(std::span<std::uint8_t> section, std::size_t at,
                                std::uint8_t value) {
    section[at] = value;
    section[at + 1] = static_cast<std::uint8_t>(0xFF - value);
}

// LED mode index (0 to 6) to the mode number of the LED state; no mode gives 0.
inline std::uint8_t ModeNumber(int modeIndex) {
    return InRange(modeIndex, 0, kLedModeCount - 1) ? static_cast<std::uint8_t>(modeIndex + 1) : 0;
}

// The mode index of a mode number, kNoItem for 0.
inline int ModeIndex(std::uint8_t ledState) {
    const int number = ledState & kModeNumberMask;
    return number > 0 ? number - 1 : kNoItem;
}

} // namespace orln7a::image_bits
