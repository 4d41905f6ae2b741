#include "image/editor_state.h"

#include "image/default_images.h"
#include "image/image_codec.h"

namespace orln7a {

std::optional<std::uint8_t> AimIndexOfKeys(const WorkingCopy& copy) {
    for (int mode = 0; mode < 2; ++mode) {
        for (std::size_t button = 0; button < profile::kKeysPerMode; ++button) {
            const KeyCode code = ProfileKey(copy, mode, button);
            if (code[0] == 0x0A)
                return code[1];
        }
    }
    return std::nullopt;
}

void LoadImageIntoEditors(EditorState& state, const DataBuf& image, bool withMemory) {
    state.copy = LoadWorkingCopy(image, &state.lastChecks);
    if (withMemory) {
        state.macroSlots = ReadAndRefreshMacro(image);
        state.deviceSlotNames = RefreshMacroName(state.macroSlots);
        state.slotNameList = state.deviceSlotNames;
        if (const auto area = FireMacroAreaFromImage(image)) {
            state.fireArea = *area;
            state.fireRecords = SplitFireMacroArea(state.fireArea);
        }
    }
    ReadImageIntoStore(state.copy, state.store);
    state.aimIndex = AimIndexOfKeys(state.copy);
}

void InitNoDevice(EditorState& state) {
    if (const auto image = DefaultImage(0))
        state.dataBuf = *image;
    state.deviceReady = false;
    LoadImageIntoEditors(state, state.dataBuf, true);
}

EditorState MakeEditorState(const LoadedOemSettings& oem, std::string dataFolder) {
    EditorState state;
    state.oem = oem;
    state.dataFolder = std::move(dataFolder);
    const auto image = DefaultImage(0);
    state.accepted = AcceptedIdentifiersFrom(image ? ByteView(*image) : ByteView(),
                                             oem.settings.revManuId, oem.settings.revProId);
    InitNoDevice(state);
    return state;
}

} // namespace orln7a
