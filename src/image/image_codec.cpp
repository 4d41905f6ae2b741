#include "image/image_codec.h"

#include "image/image_bits.h"

#include <span>
#include <string>

namespace orln7a {

using namespace image_bits;

namespace {

void ReadColors(std::span<const std::uint8_t> bytes, std::span<ColorTexts> colors) {
    for (std::size_t i = 0; i < colors.size(); ++i) {
        colors[i].r = std::to_string(bytes[3 * i]);
        colors[i].g = std::to_string(bytes[3 * i + 1]);
        colors[i].b = std::to_string(bytes[3 * i + 2]);
    }
}

void WriteColors(std::span<const ColorTexts> colors, std::span<std::uint8_t> bytes) {
    for (std::size_t i = 0; i < colors.size(); ++i) {
        WriteByteText(colors[i].r, bytes[3 * i]);
        WriteByteText(colors[i].g, bytes[3 * i + 1]);
        WriteByteText(colors[i].b, bytes[3 * i + 2]);
    }
}

std::size_t KeyOffset(int keyMode, std::size_t button) {
    const std::size_t base = keyMode == 1 ? profile::kProfile2Keys : profile::kProfile1Keys;
    return base + profile::kKeySize * button;
}

template <typename Change> void ForEachProfileKey(WorkingCopy& copy, Change change) {
    for (int keyMode = 0; keyMode < 2; ++keyMode) {
        for (std::size_t button = 0; button < profile::kKeysPerMode; ++button) {
            KeyCode code = ProfileKey(copy, keyMode, button);
            if (change(code))
                SetProfileKey(copy, keyMode, button, code);
        }
    }
}

} // namespace

void ReadDpiLevels(const WorkingCopy& copy, SettingsStore& store) {
    const auto& a = copy.parameterA;
    const int levels = a[param_a::kDpiLevelCount];
    store.cpiStep = InRange(levels, 2, 7) ? levels - 2 : kNoItem;
    for (std::size_t level = 0; level < param_a::kDpiLevels; ++level) {
        const int index = a[param_a::kDpiLevelValue + level];
        store.cpi[level] = index < kDpiValueCount ? index : kNoItem;
    }
}

void WriteDpiLevels(const SettingsStore& store, WorkingCopy& copy) {
    auto& a = copy.parameterA;
    if (InRange(store.cpiStep, 0, 5))
        a[param_a::kDpiLevelCount] = static_cast<std::uint8_t>(store.cpiStep + 2);
    for (std::size_t level = 0; level < param_a::kDpiLevels; ++level) {
        if (InRange(store.cpi[level], 0, kDpiValueCount - 1))
            a[param_a::kDpiLevelValue + level] = static_cast<std::uint8_t>(store.cpi[level]);
    }
}

void ReadKeyTexts(const WorkingCopy& copy, SettingsStore& store) {
    for (std::size_t button = 0; button < profile::kKeysPerMode; ++button) {
        store.profile1KeyTexts[button] = KeyCodeText(ProfileKey(copy, 0, button));
        store.profile2KeyTexts[button] = KeyCodeText(ProfileKey(copy, 1, button));
    }
}

void WriteKeyTexts(const SettingsStore& store, WorkingCopy& copy) {
    for (std::size_t button = 0; button < profile::kKeysPerMode; ++button) {
        if (const auto code = KeyCodeFromText(store.profile1KeyTexts[button]))
            SetProfileKey(copy, 0, button, *code);
        if (const auto code = KeyCodeFromText(store.profile2KeyTexts[button]))
            SetProfileKey(copy, 1, button, *code);
    }
}

void ReadRapidFire(const WorkingCopy& copy, SettingsStore& store) {
    const std::uint8_t fireCount = copy.fireKey[fire_key::kFireCount];
    store.isFireContinue = fireCount == fire_key::kContinuous;
    store.fireCount = fireCount;
    store.fireTime = std::to_string(copy.fireKey[fire_key::kFireTime]);
}

void WriteRapidFire(const SettingsStore& store, WorkingCopy& copy) {
    if (store.isFireContinue)
        copy.fireKey[fire_key::kFireCount] = fire_key::kContinuous;
    else if (InRange(store.fireCount, 0, 255))
        copy.fireKey[fire_key::kFireCount] = static_cast<std::uint8_t>(store.fireCount);
    WriteByteText(store.fireTime, copy.fireKey[fire_key::kFireTime]);
}

namespace {

void ReadParameterA(const WorkingCopy& copy, SettingsStore& store) {
    const auto& a = copy.parameterA;
    const std::uint8_t switchBits = a[param_a::kSwitchBits];
    ReadBit(switchBits, kB4CpiBit, store.b4CpiSwitch);
    ReadBit(switchBits, kFireFnBit, store.fireFn);
    ReadBit(switchBits, kLCpiBit, store.lCpiSwitch);
    ReadBit(switchBits, kNoSaveBit, store.keyModeNotSaved);
    store.sensorOrientation = SensorOrientationItem(
        static_cast<std::uint8_t>((switchBits & kSensorMask) >> kSensorShift));

    const std::uint8_t pressBits = a[param_a::kPressBits];
    store.midPress = (pressBits & kMidPressBit) != 0;
    store.cpiPress = (pressBits & kCpiPressBit) != 0;
    store.gunPress = (pressBits & kGunPressBit) != 0;
    store.smooth = (pressBits & kSmoothBit) != 0;
    store.ledType = DecodeLedType(switchBits, pressBits);

    const std::uint8_t ledCount = a[param_a::kLedCountBits];
    store.mcuLedFullBrightness = (ledCount & kFullBrightnessBit) != 0;
    const int nibble = ledCount >> 4;
    if (nibble <= kLedCountBase - kFewestLeds)
        store.mcuLedNum = std::to_string(kLedCountBase - nibble);

    const std::uint8_t modeMask = a[param_a::kMcuLedModeMask];
    for (std::size_t k = 0; k < store.mcuLedModes.size(); ++k)
        store.mcuLedModes[k] = (modeMask & (1u << (k + 1))) != 0;

    ReadDpiLevels(copy, store);
    ReadColors(std::span(a).subspan(param_a::kDpiLevelColor, 3 * param_a::kDpiLevels),
               store.cpiColor);
}

void ReadParameterB(const WorkingCopy& copy, SettingsStore& store) {
    const auto& b = copy.parameterB;
    const int level = b[param_b::kCurrentDpiLevel];
    store.currentCpi = level < static_cast<int>(param_a::kDpiLevels) ? level : kNoItem;

    const std::uint8_t ledState = b[param_b::kLedState];
    if (store.ledType == LedType::MCULED) {
        store.mcuLedCurrentMode = ModeIndex(ledState);
        store.mcuLedCrtStep = std::to_string(ledState >> kStepShift);
    } else if (store.ledType == LedType::RBLED) {
        store.rbLedCurrentMode = ModeIndex(ledState);
    }
    ReadBit(ledState, kFlashOffBit, store.ledFlashOff);

    store.keyMode = (b[param_b::kKeyModeBits] & kKeyMode2Bit) != 0 ? 1 : 0;
    store.vendorId = std::to_string(b[param_b::kManufacturerId]);
    store.productId = std::to_string(b[param_b::kProductId]);
}

void WriteParameterA(const SettingsStore& store, WorkingCopy& copy) {
    auto& a = copy.parameterA;
    std::uint8_t switchBits = a[param_a::kSwitchBits];
    std::uint8_t pressBits = a[param_a::kPressBits];
    // Decoded before anything changes, so that an untouched type keeps its exact bits.
    const LedType readType = DecodeLedType(switchBits, pressBits);

    WriteBit(store.b4CpiSwitch, kB4CpiBit, switchBits);
    WriteBit(store.fireFn, kFireFnBit, switchBits);
    WriteBit(store.lCpiSwitch, kLCpiBit, switchBits);
    WriteBit(store.keyModeNotSaved, kNoSaveBit, switchBits);
    if (InRange(store.sensorOrientation, 0, static_cast<int>(kSensorOrientationCodes.size()) - 1)) {
        const std::uint8_t code =
            kSensorOrientationCodes[static_cast<std::size_t>(store.sensorOrientation)];
        switchBits =
            static_cast<std::uint8_t>((switchBits & ~kSensorMask) | (code << kSensorShift));
    }
    SetBit(pressBits, kMidPressBit, store.midPress);
    SetBit(pressBits, kCpiPressBit, store.cpiPress);
    SetBit(pressBits, kGunPressBit, store.gunPress);
    SetBit(pressBits, kSmoothBit, store.smooth);
    if (store.ledType != readType)
        EncodeLedType(store.ledType, switchBits, pressBits);
    a[param_a::kSwitchBits] = switchBits;
    a[param_a::kPressBits] = pressBits;

    std::uint8_t ledCount = a[param_a::kLedCountBits];
    WriteBit(store.mcuLedFullBrightness, kFullBrightnessBit, ledCount);
    if (const auto leds = ParseHolderNumber(store.mcuLedNum);
        leds && InRange(*leds, kFewestLeds, kMostLeds))
        ledCount = static_cast<std::uint8_t>((ledCount & 0x0F) | ((kLedCountBase - *leds) << 4));
    a[param_a::kLedCountBits] = ledCount;

    if (store.ledType == LedType::MCULED) {
        std::uint8_t modeMask = 0x01;
        for (std::size_t k = 0; k < store.mcuLedModes.size(); ++k)
            SetBit(modeMask, static_cast<std::uint8_t>(1u << (k + 1)), store.mcuLedModes[k]);
        a[param_a::kMcuLedModeMask] = modeMask;
    }

    WriteDpiLevels(store, copy);
    WriteColors(store.cpiColor,
                std::span(a).subspan(param_a::kDpiLevelColor, 3 * param_a::kDpiLevels));
}

void WriteParameterB(const SettingsStore& store, WorkingCopy& copy) {
    auto& b = copy.parameterB;
    if (InRange(store.currentCpi, 0, static_cast<int>(param_a::kDpiLevels) - 1))
        WriteWithComplement(b, param_b::kCurrentDpiLevel,
                            static_cast<std::uint8_t>(store.currentCpi));

    const std::uint8_t readState = b[param_b::kLedState];
    std::uint8_t ledState = 0;
    if (store.ledType == LedType::MCULED) {
        const auto step = ClampedNumber(store.mcuLedCrtStep, 0, 7);
        ledState =
            static_cast<std::uint8_t>(ModeNumber(store.mcuLedCurrentMode) |
                                      ((step ? *step : readState >> kStepShift) << kStepShift));
    } else if (store.ledType == LedType::RBLED) {
        ledState = ModeNumber(store.rbLedCurrentMode);
    }
    SetBit(ledState, kFlashOffBit,
           store.ledFlashOff ? *store.ledFlashOff : (readState & kFlashOffBit) != 0);
    WriteWithComplement(b, param_b::kLedState, ledState);

    if (InRange(store.keyMode, 0, 1))
        WriteWithComplement(b, param_b::kKeyModeBits, store.keyMode == 1 ? kKeyMode2Bit : 0);

    b[param_b::kManufacturerId] =
        static_cast<std::uint8_t>(*ParseHolderNumber(NormaliseIdentifierText(store.vendorId)));
    b[param_b::kProductId] =
        static_cast<std::uint8_t>(*ParseHolderNumber(NormaliseIdentifierText(store.productId)));
}

} // namespace

KeyCode ProfileKey(const WorkingCopy& copy, int keyMode, std::size_t button) {
    KeyCode code{};
    if (button >= profile::kKeysPerMode)
        return code;
    const std::size_t at = KeyOffset(keyMode, button);
    for (std::size_t i = 0; i < code.size(); ++i)
        code[i] = copy.profile[at + i];
    return code;
}

void SetProfileKey(WorkingCopy& copy, int keyMode, std::size_t button, const KeyCode& code) {
    if (button >= profile::kKeysPerMode)
        return;
    const std::size_t at = KeyOffset(keyMode, button);
    for (std::size_t i = 0; i < code.size(); ++i)
        copy.profile[at + i] = code[i];
}

void ApplyAimIndex(WorkingCopy& copy, std::uint8_t aimIndex) {
    ForEachProfileKey(copy, [aimIndex](KeyCode& code) {
        if (code[0] != 0x0A)
            return false;
        code = {0x0A, aimIndex, 0x00};
        return true;
    });
}

void ApplyDriverFireKeyTypes(WorkingCopy& copy, bool continuous) {
    ForEachProfileKey(copy, [continuous](KeyCode& code) {
        const bool rapidFire = (code[0] == 0x06 || code[0] == 0x0E) &&
                               code[1] == kRapidFireKey[1] && code[2] == kRapidFireKey[2];
        if (!rapidFire)
            return false;
        code[0] = continuous ? 0x0E : 0x06;
        return true;
    });
}

void RestoreDriverFireKeys(WorkingCopy& copy) {
    ForEachProfileKey(copy, [](KeyCode& code) {
        if (code != KeyCode{0x0E, kRapidFireKey[1], kRapidFireKey[2]})
            return false;
        code = kRapidFireKey;
        return true;
    });
}

void ReadImageIntoStore(const WorkingCopy& copy, SettingsStore& store) {
    ReadParameterA(copy, store);
    ReadParameterB(copy, store);

    ReadKeyTexts(copy, store);
    for (std::size_t i = 0; i < fire_tables::kFireMacros; ++i)
        store.yOffset[i] = std::to_string(static_cast<std::int8_t>(copy.yOffsetTable[2 * i]));
    ReadColors(copy.fireMacroColorTable, store.fireMacroColor);
    ReadRapidFire(copy, store);
}

void BuildImageFromStore(const SettingsStore& store, WorkingCopy& copy) {
    WriteParameterA(store, copy);
    WriteParameterB(store, copy);

    WriteKeyTexts(store, copy);
    for (std::size_t i = 0; i < fire_tables::kFireMacros; ++i) {
        if (const auto offset = ClampedNumber(store.yOffset[i], -128, 127))
            WriteWithComplement(copy.yOffsetTable, 2 * i,
                                static_cast<std::uint8_t>(*offset & 0xFF));
    }
    WriteColors(store.fireMacroColor, copy.fireMacroColorTable);
    WriteRapidFire(store, copy);
}

} // namespace orln7a
