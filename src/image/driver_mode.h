#pragma once

// The data side of the driver storage mode: the configuration lives in the PC filter driver's
// 40960-byte image and the mouse itself receives only four driver-mode bytes. Here are those
// bytes, the files that keep them, and what loading from and writing to the driver take from and
// give to the working copy and the holders. Talking to the driver is not done here.

#include "common/bytes.h"
#include "common/result.h"
#include "image/image_layout.h"
#include "image/section_checks.h"
#include "image/settings_store.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace orln7a {

// 0: current DPI level in bits 0 to 3, smoothing in bit 7; 1: LED state (as LedState);
// 2: whatever the bytes were loaded with, never changed; 3: DPI value index of the current level.
using DriverModeBytes = std::array<std::uint8_t, 4>;

inline constexpr char kDriverModeBytesFileName[] = "DriverTempCPIAndLedData.bin";
inline constexpr char kDriverImageFileName[] = "Driver_ORLN5xData_Cfg1.bin";

// The LED hardware that the driver probe reports in answer byte 3.
LedType LedTypeFromDriverProbe(std::uint8_t answerByte3);

// The bytes of `previous` updated from the holders.
DriverModeBytes EncodeDriverModeBytes(const SettingsStore& store, DriverModeBytes previous);
// The current LED mode of the holders' LED type, LED flashing, step, current level, smoothing.
void DecodeDriverModeBytes(const DriverModeBytes& bytes, SettingsStore& store);

// Which bytes the driver mode starts from: the first four of the driver-mode bytes file, else
// bytes 160 to 163 of the driver image file, else those of the built-in first driver image. A
// file too short for its bytes counts as missing.
DriverModeBytes ChooseDriverModeBytes(const std::optional<Bytes>& modeBytesFile,
                                      const std::optional<Bytes>& driverImageFile);
// The same from the two files in `dataFolder` (file names are appended without a separator).
DriverModeBytes LoadDriverModeBytes(const std::string& dataFolder);
// Replaces the driver-mode bytes file, after the bytes went to the mouse.
Status SaveDriverModeBytes(const std::string& dataFolder, const DriverModeBytes& bytes);

// Parameter B and profile as last sent to or loaded for the driver, apart from the working copy.
struct DriverCopies {
    std::array<std::uint8_t, 8> parameterB{};
    std::array<std::uint8_t, 55> profile{};
};

// What goes to the driver, each at its driver image offset.
struct DriverSections {
    std::array<std::uint8_t, 8> parameterB{};  // 48
    std::array<std::uint8_t, 48> parameterA{}; // 0
    std::array<std::uint8_t, 13> fireKey{};    // 240: two zero bytes, then the section
    std::array<std::uint8_t, 55> profile{};    // 64
};

// Reading the driver's image into the working copy: parameter A, parameter B and profile through
// their checks, the fire key section without one (the driver keeps its check byte 0), and the
// rapid-fire key brought back to type 0x06. The image needs at least the first 253 bytes.
Result<SectionCheckReport> LoadDriverImageIntoWorkingCopy(ByteView driverImage, WorkingCopy& copy);

// The holders that loading from the driver sets: key texts, rapid-fire count and interval, DPI
// level count and values, the two LED switches, key mode, and from the driver-mode bytes the LED
// mode, flashing, step, current level and smoothing. Set `store.ledType` from the probe first.
void ReadDriverImageIntoStore(const WorkingCopy& copy, const DriverModeBytes& modeBytes,
                              SettingsStore& store);

// Writing to the driver: only the fields the driver mode takes from the holders change in the
// working copy (key codes with the AIM index and the rapid-fire type, key mode, current level
// with smoothing in bit 7, rapid fire, DPI levels, the two LED switches), the profile and
// parameter A checks are stamped, the fire key check is 0, and the driver copies and mode bytes
// follow.
DriverSections BuildDriverSections(WorkingCopy& copy, const SettingsStore& store,
                                   std::optional<std::uint8_t> aimIndex, DriverCopies& copies,
                                   DriverModeBytes& modeBytes);

// Loading a driver default image or a driver profile file: parameter A and the fire key section
// into the working copy, parameter B and profile into the driver copies, no checks; gives the
// source's driver-mode bytes. The source needs at least the first 253 bytes.
Result<DriverModeBytes> LoadDriverSourceSections(ByteView source, WorkingCopy& copy,
                                                 DriverCopies& copies);

// The sections to write after such a load.
DriverSections DriverSectionsFromCopies(const WorkingCopy& copy, const DriverCopies& copies);

// A 40960-byte driver image read from the driver, with the driver-mode bytes put in, as a driver
// profile file holds it.
Result<Bytes> DriverProfileImage(ByteView driverImage, const DriverModeBytes& modeBytes);

} // namespace orln7a
