#pragma once

// Moving the configuration between the working copy and the settings holders: the data half of
// showing an image in the editors and of collecting the editors' values for the mouse.

#include "image/holder_text.h"
#include "image/image_layout.h"
#include "image/settings_store.h"

#include <cstdint>

namespace orln7a {

// Fills the holders from the working copy. A combo holder whose stored value has no item gets
// kNoItem; an LED count nibble of 10 to 15 leaves edt_MCULEDNum as it was.
void ReadImageIntoStore(const WorkingCopy& copy, SettingsStore& store);

// Writes the holders into the working copy. Bytes without a holder, holders with no selection
// (kNoItem, an empty RadioPair, text that is no number) and the fields no page edits keep what
// was read: an unchanged LED type keeps its exact bits, and the offered flowing-light modes are
// written only while the flowing light is the type. The identifier boxes are the exception: an
// empty or out-of-range text writes 255, the generic identifier. Check bytes are not stamped.
void BuildImageFromStore(const SettingsStore& store, WorkingCopy& copy);

// Field groups that the driver mode moves on their own, with the same encodings: DPI level count
// and values, the 18 key texts (text that is no code leaves its key), rapid-fire count and
// interval.
void ReadDpiLevels(const WorkingCopy& copy, SettingsStore& store);
void WriteDpiLevels(const SettingsStore& store, WorkingCopy& copy);
void ReadKeyTexts(const WorkingCopy& copy, SettingsStore& store);
void WriteKeyTexts(const SettingsStore& store, WorkingCopy& copy);
void ReadRapidFire(const WorkingCopy& copy, SettingsStore& store);
void WriteRapidFire(const SettingsStore& store, WorkingCopy& copy);

// The nine codes of key mode 1 or 2 (0 or 1) in the profile section.
KeyCode ProfileKey(const WorkingCopy& copy, int keyMode, std::size_t button);
void SetProfileKey(WorkingCopy& copy, int keyMode, std::size_t button, const KeyCode& code);

// Every AIM button (function type 0x0A) of both key modes gets the shared AIM DPI index.
void ApplyAimIndex(WorkingCopy& copy, std::uint8_t aimIndex);

// The rapid-fire key carries type 0x0E for continuous fire and 0x06 otherwise when the image
// goes to the driver; the driver's image brings 0x0E back, which the editor shows as 0x06.
inline constexpr KeyCode kRapidFireKey = {0x06, 0x00, 0xF0};
void ApplyDriverFireKeyTypes(WorkingCopy& copy, bool continuous);
void RestoreDriverFireKeys(WorkingCopy& copy);

} // namespace orln7a
