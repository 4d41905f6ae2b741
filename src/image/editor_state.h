#pragma once

// What the editor holds for the life of the program: the parameter image as the mouse has it,
// the working copy the pages edit, the settings holders, the macro slots and fire macros, and
// what the last identification said. The main window owns one; the command-line tool too.

#include "device/identification.h"
#include "device/session.h"
#include "fire/fire_macro_record.h"
#include "image/driver_mode.h"
#include "image/image_layout.h"
#include "image/section_checks.h"
#include "image/settings_store.h"
#include "macros/macro_content.h"
#include "macros/macro_slots.h"
#include "ui/oem_settings.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace orln7a {

struct EditorState {
    LoadedOemSettings oem;
    std::string dataFolder;
    AcceptedIdentifiers accepted;

    DataBuf dataBuf{};
    WorkingCopy copy{};
    SettingsStore store;
    SectionCheckReport lastChecks;        // what the section checks did on the last load
    std::optional<std::uint8_t> aimIndex; // the AIM slider's DPI index

    MacroSlots macroSlots{};
    FireMacroArea fireArea{};
    FireMacroRecords fireRecords{};
    // The fire macro area in memory is valid and goes to the mouse on "Apply".
    bool fireAreaLoaded = false;
    // Slot names as last read from the mouse, and as currently assigned.
    std::array<std::string, kBaseMacroSlotCount> deviceSlotNames;
    std::array<std::string, kBaseMacroSlotCount> slotNameList;

    ControllerInfo controller;
    // A mouse has been identified, accepted and read: the pages are unlocked.
    bool deviceReady = false;

    // Driver storage mode.
    DriverModeBytes driverModeBytes{};
    DriverCopies driverCopies;
    std::vector<DriverMacroRecord> assignedDriverMacros;

    bool eepromMode() const { return oem.eepromMode; }
};

// A state for these OEM settings with the first default image loaded, as at start-up.
EditorState MakeEditorState(const LoadedOemSettings& oem, std::string dataFolder);

// The sections of `image` into the working copy through their checks, and the holders from it.
// With `withMemory`, the macro slots and the fire macro area are taken from the image too.
void LoadImageIntoEditors(EditorState& state, const DataBuf& image, bool withMemory);

// `InitNoDevice`: default image 1 into DataBuf and every editor, the macro lists cleared.
void InitNoDevice(EditorState& state);

// The AIM index the keys carry: the parameter of the first AIM key of either key mode.
std::optional<std::uint8_t> AimIndexOfKeys(const WorkingCopy& copy);

} // namespace orln7a
