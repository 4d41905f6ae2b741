#include "image/driver_mode.h"

#include "common/files.h"
#include "image/default_images.h"
#include "image/driver_image_layout.h"
#include "image/image_bits.h"
#include "image/image_codec.h"

#include <algorithm>

namespace orln7a {

using namespace image_bits;

namespace {

// The driver image bytes the editor uses end with the fire key section.
constexpr std::size_t kDriverBytesUsed = driver_layout::kFireKey + 11;
// The files are small; anything far larger is not one of ours.
constexpr std::size_t kLargestDriverFile = 1 << 20;

template <std::size_t N>
void CopyFrom(ByteView source, std::size_t offset, std::array<std::uint8_t, N>& target) {
    std::copy_n(source.begin() + offset, N, target.begin());
}

std::optional<DriverModeBytes> ModeBytesAt(const std::optional<Bytes>& file, std::size_t offset) {
    if (!file || file->size() < offset + 4)
        return std::nullopt;
    DriverModeBytes bytes{};
    std::copy_n(file->begin() + offset, 4, bytes.begin());
    return bytes;
}

std::optional<Bytes> ReadOptionalFile(const std::string& path) {
    auto bytes = ReadWholeFile(path, kLargestDriverFile);
    if (!bytes)
        return std::nullopt;
    return std::move(*bytes);
}

} // namespace

LedType LedTypeFromDriverProbe(std::uint8_t answerByte3) {
    switch (answerByte3 >> 6) {
    case 0:
        return LedType::SyncLED;
    case 1:
        return LedType::BreLED;
    case 2:
        return LedType::RBLED;
    default:
        return LedType::MCULED;
    }
}

DriverModeBytes EncodeDriverModeBytes(const SettingsStore& store, DriverModeBytes previous) {
    DriverModeBytes bytes = previous;
    if (store.ledType == LedType::MCULED)
        bytes[1] = ModeNumber(store.mcuLedCurrentMode);
    else if (store.ledType == LedType::RBLED)
        bytes[1] = ModeNumber(store.rbLedCurrentMode);
    WriteBit(store.ledFlashOff, kFlashOffBit, bytes[1]);

    const bool levelKnown = InRange(store.currentCpi, 0, static_cast<int>(param_a::kDpiLevels) - 1);
    const std::uint8_t level =
        levelKnown ? static_cast<std::uint8_t>(store.currentCpi) : (bytes[0] & kDriverLevelMask);
    bytes[0] = static_cast<std::uint8_t>(level | (store.smooth ? kDriverSmoothBit : 0));
    if (levelKnown && InRange(store.cpi[level], 0, kDpiValueCount - 1))
        bytes[3] = static_cast<std::uint8_t>(store.cpi[level]);

    if (const auto step = ClampedNumber(store.mcuLedCrtStep, 0, 7))
        bytes[1] = static_cast<std::uint8_t>((bytes[1] & 0x1F) | (*step << kStepShift));
    return bytes;
}

void DecodeDriverModeBytes(const DriverModeBytes& bytes, SettingsStore& store) {
    if (store.ledType == LedType::MCULED)
        store.mcuLedCurrentMode = ModeIndex(bytes[1]);
    else if (store.ledType == LedType::RBLED)
        store.rbLedCurrentMode = ModeIndex(bytes[1]);
    ReadBit(bytes[1], kFlashOffBit, store.ledFlashOff);
    store.mcuLedCrtStep = std::to_string(bytes[1] >> kStepShift);
    const int level = bytes[0] & kDriverLevelMask;
    store.currentCpi = level < static_cast<int>(param_a::kDpiLevels) ? level : kNoItem;
    store.smooth = (bytes[0] & kDriverSmoothBit) != 0;
}

DriverModeBytes ChooseDriverModeBytes(const std::optional<Bytes>& modeBytesFile,
                                      const std::optional<Bytes>& driverImageFile) {
    if (const auto bytes = ModeBytesAt(modeBytesFile, 0))
        return *bytes;
    if (const auto bytes = ModeBytesAt(driverImageFile, driver_layout::kModeBytes))
        return *bytes;
    // Neither file: the built-in image that the driver image file is normally a copy of.
    auto builtIn = DriverDefaultImage(0);
    if (builtIn) {
        if (const auto bytes =
                ModeBytesAt(std::optional<Bytes>(std::move(*builtIn)), driver_layout::kModeBytes))
            return *bytes;
    }
    return DriverModeBytes{};
}

DriverModeBytes LoadDriverModeBytes(const std::string& dataFolder) {
    return ChooseDriverModeBytes(ReadOptionalFile(dataFolder + kDriverModeBytesFileName),
                                 ReadOptionalFile(dataFolder + kDriverImageFileName));
}

Status SaveDriverModeBytes(const std::string& dataFolder, const DriverModeBytes& bytes) {
    return WriteFileAtomically(dataFolder + kDriverModeBytesFileName, bytes);
}

Result<SectionCheckReport> LoadDriverImageIntoWorkingCopy(ByteView driverImage, WorkingCopy& copy) {
    if (driverImage.size() < kDriverBytesUsed)
        return MakeError("", "a driver image of " + std::to_string(driverImage.size()) +
                                 " bytes is too short for its parameter sections");
    SectionCheckReport report;
    CopyFrom(driverImage, driver_layout::kParameterA, copy.parameterA);
    report.parameterA = CheckParameterASection(copy);
    CopyFrom(driverImage, driver_layout::kParameterB, copy.parameterB);
    report.parameterB = CheckParameterBSection(copy);
    CopyFrom(driverImage, driver_layout::kProfile, copy.profile);
    report.profile = CheckProfileSection(copy);
    CopyFrom(driverImage, driver_layout::kFireKey, copy.fireKey);
    RestoreDriverFireKeys(copy);
    return report;
}

void ReadDriverImageIntoStore(const WorkingCopy& copy, const DriverModeBytes& modeBytes,
                              SettingsStore& store) {
    ReadKeyTexts(copy, store);
    ReadRapidFire(copy, store);
    ReadDpiLevels(copy, store);
    const auto& a = copy.parameterA;
    ReadBit(a[param_a::kSwitchBits], kLCpiBit, store.lCpiSwitch);
    ReadBit(a[param_a::kSwitchBits], kB4CpiBit, store.b4CpiSwitch);

    DecodeDriverModeBytes(modeBytes, store);
    store.keyMode = (copy.parameterB[param_b::kKeyModeBits] & kKeyMode2Bit) != 0 ? 1 : 0;
}

DriverSections BuildDriverSections(WorkingCopy& copy, const SettingsStore& store,
                                   std::optional<std::uint8_t> aimIndex, DriverCopies& copies,
                                   DriverModeBytes& modeBytes) {
    WriteKeyTexts(store, copy);
    if (aimIndex)
        ApplyAimIndex(copy, *aimIndex);
    ApplyDriverFireKeyTypes(copy, store.isFireContinue);
    StampSectionCheck(copy, CheckedSection::Profile);
    copies.profile = copy.profile;

    auto& b = copy.parameterB;
    if (InRange(store.keyMode, 0, 1))
        WriteWithComplement(b, param_b::kKeyModeBits, store.keyMode == 1 ? kKeyMode2Bit : 0);
    if (InRange(store.currentCpi, 0, static_cast<int>(param_a::kDpiLevels) - 1))
        WriteWithComplement(
            b, param_b::kCurrentDpiLevel,
            static_cast<std::uint8_t>(store.currentCpi | (store.smooth ? kDriverSmoothBit : 0)));
    copies.parameterB = b;

    WriteRapidFire(store, copy);
    // The driver does not check the rapid-fire script.
    copy.fireKey[fire_key::kCheck] = 0;

    WriteDpiLevels(store, copy);
    modeBytes = EncodeDriverModeBytes(store, modeBytes);

    auto& a = copy.parameterA;
    WriteBit(store.lCpiSwitch, kLCpiBit, a[param_a::kSwitchBits]);
    WriteBit(store.b4CpiSwitch, kB4CpiBit, a[param_a::kSwitchBits]);
    StampSectionCheck(copy, CheckedSection::ParameterA);

    return DriverSectionsFromCopies(copy, copies);
}

Result<DriverModeBytes> LoadDriverSourceSections(ByteView source, WorkingCopy& copy,
                                                 DriverCopies& copies) {
    if (source.size() < kDriverBytesUsed)
        return MakeError("", "a driver image of " + std::to_string(source.size()) +
                                 " bytes is too short for its parameter sections");
    CopyFrom(source, driver_layout::kParameterA, copy.parameterA);
    CopyFrom(source, driver_layout::kParameterB, copies.parameterB);
    CopyFrom(source, driver_layout::kProfile, copies.profile);
    CopyFrom(source, driver_layout::kFireKey, copy.fireKey);
    DriverModeBytes modeBytes{};
    std::copy_n(source.begin() + driver_layout::kModeBytes, modeBytes.size(), modeBytes.begin());
    return modeBytes;
}

DriverSections DriverSectionsFromCopies(const WorkingCopy& copy, const DriverCopies& copies) {
    DriverSections sections;
    sections.parameterB = copies.parameterB;
    sections.parameterA = copy.parameterA;
    std::copy(copy.fireKey.begin(), copy.fireKey.end(),
              sections.fireKey.begin() + (driver_layout::kFireKey - driver_layout::kFireKeyPrefix));
    sections.profile = copies.profile;
    return sections;
}

Result<Bytes> DriverProfileImage(ByteView driverImage, const DriverModeBytes& modeBytes) {
    if (driverImage.size() != driver_layout::kImageSize)
        return MakeError("", "the driver returned " + std::to_string(driverImage.size()) +
                                 " bytes instead of " + std::to_string(driver_layout::kImageSize));
    Bytes image(driverImage.begin(), driverImage.end());
    std::copy(modeBytes.begin(), modeBytes.end(), image.begin() + driver_layout::kModeBytes);
    return image;
}

} // namespace orln7a
