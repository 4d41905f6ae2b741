#include "app/ctl/ctl_show.h"

#include "app/ctl/ctl_common.h"
#include "fire/fire_macro_record.h"
#include "image/driver_image_layout.h"
#include "image/driver_mode.h"
#include "image/image_codec.h"
#include "image/profile_file.h"
#include "image/section_checks.h"
#include "keys/key_function_code.h"
#include "keys/key_function_name.h"
#include "lighting/dpi_values.h"
#include "macros/macro_content.h"
#include "macros/macro_slots.h"

#include <charconv>

namespace orln7a::ctl {

namespace {

using nlohmann::json;

json NumberOrNull(int value) {
    return value < 0 ? json(nullptr) : json(value);
}

json NumberText(const std::string& text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return nullptr;
    return value;
}

json OptionalBool(const RadioPair& pair) {
    return pair ? json(*pair) : json(nullptr);
}

std::string LoopText(MacroLoop loop) {
    switch (loop) {
    case MacroLoop::Times:
        return "times";
    case MacroLoop::Endless:
        return "endless";
    case MacroLoop::None:
        break;
    }
    return "none";
}

json MacroJson(int slot, const MacroName& name, const DecodedMacro& macro) {
    json lines = json::array();
    if (!macro.empty) {
        lines.push_back(macro.lines.header);
        for (const auto& line : macro.lines.events)
            lines.push_back(line);
    }
    json loop = LoopText(macro.loop);
    return {{"slot", slot},
            {"name", MacroNameText(name)},
            {"release_mode", macro.releaseStop ? json(*macro.releaseStop ? 1 : 0) : json(nullptr)},
            {"loop", macro.loop == MacroLoop::Times ? json(macro.loopTimes) : loop},
            {"lines", lines}};
}

json KeysJson(const SettingsStore& store) {
    json keys = {{"mode", store.keyMode < 0 ? json(nullptr) : json(store.keyMode + 1)}};
    for (int mode = 1; mode <= 2; ++mode) {
        const auto& texts = mode == 1 ? store.profile1KeyTexts : store.profile2KeyTexts;
        json codes = json::array();
        json names = json::array();
        for (const auto& text : texts) {
            codes.push_back(text);
            names.push_back(GetKeyFunctionName(text, English()));
        }
        keys["profile" + std::to_string(mode)] = codes;
        keys["names" + std::to_string(mode)] = names;
    }
    return keys;
}

// The AIM button's DPI index, as the first AIM key of either key mode carries it.
json AimIndex(const SettingsStore& store) {
    for (const auto* texts : {&store.profile1KeyTexts, &store.profile2KeyTexts}) {
        for (const auto& text : *texts) {
            const auto code = ParseKeyFunctionCode(text);
            if (code && code->Type() == KeyFunctionType::Aim)
                return code->p1;
        }
    }
    return nullptr;
}

json DescribeStore(const SettingsStore& store) {
    json levels = json::array();
    const int count = store.cpiStep < 0 ? 0 : store.cpiStep + 2;
    for (int i = 0; i < count && i < 7; ++i) {
        const auto& c = store.cpiColor[static_cast<std::size_t>(i)];
        const int index = store.cpi[static_cast<std::size_t>(i)];
        const auto value = DpiValueOfIndex(index);
        levels.push_back({{"index", NumberOrNull(index)},
                          {"value", value ? json(*value) : json(nullptr)},
                          {"color", {NumberText(c.r), NumberText(c.g), NumberText(c.b)}}});
    }
    int mode = kNoItem;
    if (store.ledType == LedType::MCULED)
        mode = store.mcuLedCurrentMode;
    else if (store.ledType == LedType::RBLED)
        mode = store.rbLedCurrentMode;
    json offered = json::array();
    for (std::size_t m = 0; m < store.mcuLedModes.size(); ++m) {
        if (store.mcuLedModes[m])
            offered.push_back(m + 1);
    }
    return {
        {"dpi",
         {{"count", count},
          {"current", NumberOrNull(store.currentCpi < 0 ? -1 : store.currentCpi + 1)},
          {"levels", levels}}},
        {"led",
         {{"type", std::string(LedTypeName(store.ledType))},
          {"mode", NumberOrNull(mode < 0 ? -1 : mode + 1)},
          {"off", OptionalBool(store.ledFlashOff)},
          {"count", NumberText(store.mcuLedNum)},
          {"step", NumberText(store.mcuLedCrtStep)},
          {"full_brightness", OptionalBool(store.mcuLedFullBrightness)},
          {"modes_offered", offered}}},
        {"keys", KeysJson(store)},
        {"aim_index", AimIndex(store)},
        {"rapid_fire",
         {{"continuous", store.isFireContinue},
          {"count",
           store.isFireContinue || store.fireCount < 0 ? json(nullptr) : json(store.fireCount + 1)},
          {"interval", NumberText(store.fireTime)}}},
        {"sensor_orientation", NumberOrNull(store.sensorOrientation)},
        {"remember_key_mode",
         store.keyModeNotSaved ? json(!*store.keyModeNotSaved) : json(nullptr)},
        {"ids",
         {{"manufacturer", NumberText(store.vendorId)}, {"product", NumberText(store.productId)}}},
    };
}

json SectionsJson(const SectionCheckReport& report) {
    return {{"parameter_a", CheckOutcomeText(report.parameterA)},
            {"parameter_b", CheckOutcomeText(report.parameterB)},
            {"profile", CheckOutcomeText(report.profile)},
            {"fire_key", CheckOutcomeText(report.fireKey)}};
}

json DescribeParameterImage(const DataBuf& image) {
    SectionCheckReport report;
    const WorkingCopy copy = LoadWorkingCopy(image, &report);
    SettingsStore store;
    ReadImageIntoStore(copy, store);
    json out = DescribeStore(store);
    out["sections"] = SectionsJson(report);

    json slots = json::array();
    const MacroSlots macroSlots = ReadAndRefreshMacro(image);
    for (int slot = 1; slot <= kBaseMacroSlotCount; ++slot) {
        const MacroEntry& entry = macroSlots[static_cast<std::size_t>(slot - 1)];
        slots.push_back(MacroJson(slot, entry.name, DecodeMacroContent(entry.block)));
    }
    out["macro_slots"] = slots;

    json records = json::array();
    if (const auto area = FireMacroAreaFromImage(image)) {
        const FireMacroRecords split = SplitFireMacroArea(*area);
        for (std::size_t r = 0; r < split.size(); ++r) {
            const auto check = FireMacroCheckByte(split[r]);
            const auto bytes = FireMacroRecordBytes(split[r]);
            const bool ok = check && split[r].length >= 1 && *check == bytes[split[r].length + 1];
            records.push_back({{"record", r + 1},
                               {"release_mode", split[r].releaseMode},
                               {"length", split[r].length},
                               {"check_ok", ok}});
        }
    }
    out["fire_records"] = records;
    return out;
}

Result<json> DescribeDriverImage(ByteView image) {
    WorkingCopy copy;
    const auto report = LoadDriverImageIntoWorkingCopy(image, copy);
    if (!report)
        return report.error();
    SettingsStore store;
    ReadImageIntoStore(copy, store);
    DriverModeBytes mode{};
    std::copy_n(image.begin() + driver_layout::kModeBytes, mode.size(), mode.begin());
    ReadDriverImageIntoStore(copy, mode, store);
    json out = DescribeStore(store);
    out["sections"] = SectionsJson(*report);

    json slots = json::array();
    for (std::size_t at = driver_layout::kMacros, n = 1;
         at + kDriverMacroRecordSize <= image.size(); at += kDriverMacroRecordSize, ++n) {
        DriverMacroRecord record;
        std::copy_n(image.begin() + at, kMacroNameSize, record.name.begin());
        if (!MacroNamePresent(record.name))
            break;
        std::copy_n(image.begin() + at + kMacroNameSize, kDriverMacroContentSize,
                    record.content.begin());
        slots.push_back(
            MacroJson(static_cast<int>(n), record.name, DecodeMacroContent(record.content)));
    }
    out["macro_slots"] = slots;
    out["fire_records"] = json::array(); // the driver keeps no fire macros
    return out;
}

} // namespace

Result<json> DescribeImage(ByteView bytes) {
    const auto file = ParseProfileFile(bytes);
    if (!file)
        return file.error();
    if (file->kind == ProfileKind::DriverImage)
        return DescribeDriverImage(bytes);
    return DescribeParameterImage(ParameterImageFromProfile(*file));
}

} // namespace orln7a::ctl
