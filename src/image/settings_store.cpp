#include "image/settings_store.h"

namespace orln7a {

namespace {

constexpr std::uint8_t kLedGroupBit = 0x80; // 0x00 bit 7: not the flowing light
constexpr std::uint8_t kLedBit3 = 0x08;     // 0x01 bit 3
constexpr std::uint8_t kLedBit4 = 0x10;     // 0x01 bit 4

} // namespace

int SensorOrientationItem(std::uint8_t code) {
    for (std::size_t i = 0; i < kSensorOrientationCodes.size(); ++i) {
        if (kSensorOrientationCodes[i] == (code & 0x07))
            return static_cast<int>(i);
    }
    return kNoItem;
}

LedType DecodeLedType(std::uint8_t switchBits, std::uint8_t pressBits) {
    if ((switchBits & kLedGroupBit) == 0)
        return LedType::MCULED;
    if ((pressBits & kLedBit3) != 0)
        return LedType::RBLED;
    return (pressBits & kLedBit4) != 0 ? LedType::BreLED : LedType::SyncLED;
}

void EncodeLedType(LedType type, std::uint8_t& switchBits, std::uint8_t& pressBits) {
    switch (type) {
    case LedType::MCULED:
        switchBits &= ~kLedGroupBit;
        pressBits |= kLedBit3;
        return;
    case LedType::RBLED:
        switchBits |= kLedGroupBit;
        pressBits |= kLedBit3;
        return;
    case LedType::SyncLED:
        switchBits |= kLedGroupBit;
        pressBits &= static_cast<std::uint8_t>(~(kLedBit3 | kLedBit4));
        return;
    case LedType::BreLED:
        switchBits |= kLedGroupBit;
        pressBits = static_cast<std::uint8_t>((pressBits & ~kLedBit3) | kLedBit4);
        return;
    }
}

std::string_view LedTypeName(LedType type) {
    switch (type) {
    case LedType::MCULED:
        return "MCULED";
    case LedType::RBLED:
        return "RBLED";
    case LedType::SyncLED:
        return "SyncLED";
    case LedType::BreLED:
        break;
    }
    return "BreLED";
}

} // namespace orln7a
