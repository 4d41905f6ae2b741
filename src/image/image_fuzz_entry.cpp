#include "image/image_fuzz_entry.h"

#include "image/driver_mode.h"
#include "image/image_codec.h"
#include "image/profile_file.h"
#include "image/section_checks.h"

#include <string>
#include <string_view>

namespace orln7a {

namespace {

bool AllChecksPass(const WorkingCopy& copy) {
    return SectionCheckPasses(copy.parameterA) && SectionCheckPasses(copy.profile) &&
           SectionCheckPasses(copy.fireKey);
}

} // namespace

bool ExerciseParameterImage(ByteView bytes) {
    DataBuf image = DataBufFromBytes(bytes);
    const DataBuf original = image;
    WorkingCopy copy = LoadWorkingCopy(image);
    if (!AllChecksPass(copy))
        return false;

    SettingsStore first;
    ReadImageIntoStore(copy, first);
    BuildImageFromStore(first, copy);
    StampSectionChecks(copy);
    SettingsStore second;
    ReadImageIntoStore(copy, second);
    if (!(first == second))
        return false;

    WorkingCopy again = copy;
    BuildImageFromStore(second, again);
    StampSectionChecks(again);
    if (!(again == copy))
        return false;

    PackWorkingCopy(copy, image);
    for (const auto& gap : kUnsectionedRanges) {
        for (std::size_t i = gap.first; i <= gap.last; ++i) {
            if (image[i] != original[i])
                return false;
        }
    }
    return WorkingCopyFromBytes(WorkingCopyBytes(copy)) == copy;
}

bool ExerciseDriverImage(ByteView bytes) {
    WorkingCopy copy;
    const auto report = LoadDriverImageIntoWorkingCopy(bytes, copy);
    SettingsStore store;
    store.ledType = LedTypeFromDriverProbe(bytes.empty() ? 0 : bytes[0]);
    const DriverModeBytes modeBytes =
        ChooseDriverModeBytes(Bytes(bytes.begin(), bytes.end()), std::nullopt);
    if (report) {
        ReadDriverImageIntoStore(copy, modeBytes, store);
        DriverCopies copies;
        DriverModeBytes sent = modeBytes;
        const DriverSections sections = BuildDriverSections(copy, store, 3, copies, sent);
        if (!SectionCheckPasses(sections.parameterA) || !SectionCheckPasses(sections.profile) ||
            sections.fireKey[0] != 0 || sections.fireKey[1] != 0)
            return false;
    }
    DriverCopies copies;
    const auto loaded = LoadDriverSourceSections(bytes, copy, copies);
    if (loaded.ok() != report.ok())
        return false;
    (void)DriverSectionsFromCopies(copy, copies);
    (void)DriverProfileImage(bytes, modeBytes);
    return true;
}

bool ExerciseProfileAndTexts(ByteView bytes) {
    const auto file = ParseProfileFile(bytes);
    if (file) {
        const DataBuf image = ParameterImageFromProfile(*file);
        (void)LoadWorkingCopy(image);
    } else if (file.error().key != "Str102") {
        return false;
    }

    const std::string text(bytes.begin(), bytes.end());
    const std::string identifier = NormaliseIdentifierText(text);
    const auto value = ParseHolderNumber(identifier);
    if (!value || *value < 0 || *value > 255)
        return false;
    if (const auto code = KeyCodeFromText(text);
        code && KeyCodeFromText(KeyCodeText(*code)) != code)
        return false;

    // Any text in every edit holder builds without harm.
    SettingsStore store;
    store.mcuLedNum = store.mcuLedCrtStep = store.fireTime = store.vendorId = text;
    store.cpiColor[0] = {text, text, text};
    store.yOffset[0] = text;
    store.profile1KeyTexts[0] = text;
    WorkingCopy copy;
    BuildImageFromStore(store, copy);
    return true;
}

} // namespace orln7a
