#include "ui/oem_settings.h"

#include "ui/resource_catalogue.h"

#include <algorithm>

namespace orln7a {

namespace {

class Reader {
public:
    explicit Reader(const SettingsSection& section) : section_(section) {}

    // A number without a default: must be there and numeric.
    int Required(std::string_view key) {
        if (const auto v = section_.Number(key))
            return *v;
        Missing(key);
        return 0;
    }
    bool RequiredFlag(std::string_view key) { return Required(key) == 1; }
    int WithDefault(std::string_view key, int fallback) {
        if (!section_.Find(key))
            return fallback;
        return Required(key);
    }
    std::string Text(std::string_view key, std::string_view fallback = {}) {
        return section_.Text(key, fallback);
    }

    const std::optional<Error>& error() const { return error_; }

private:
    void Missing(std::string_view key) {
        if (error_)
            return;
        const auto v = section_.Find(key);
        error_ = MakeError(
            "", "OEM setting " + std::string(key) +
                    (v ? " is not a number: \"" + std::string(*v) + "\"" : " is missing"));
    }

    const SettingsSection& section_;
    std::optional<Error> error_;
};

} // namespace

Result<LoadedOemSettings> LoadOemSettings(const SettingsText& text) {
    const SettingsSection* section = text.Section("org");
    if (section == nullptr)
        return MakeError("", "OEM settings have no [org] section");
    Reader r(*section);
    LoadedOemSettings out;
    OemSettings& s = out.settings;

    s.webEnable = r.RequiredFlag("Web_Enable");
    s.web = r.Text("Web");
    s.webX = r.Required("Web_X");
    s.webY = r.Required("Web_Y");
    s.revManuId = r.Required("Rev_Manu_ID");
    s.revProId = r.Required("Rev_Pro_ID");
    s.path = r.Text("Path");
    s.trEnable = r.RequiredFlag("TR_Enable");
    s.gdEnable = r.RequiredFlag("GD_Enable");
    s.mainPnlHeightWithGun = r.WithDefault("Main_Pnl_Height_With_Gun", 190);
    s.mainPnlHeightWithNoGun = r.WithDefault("Main_Pnl_Height_WithNo_Gun", 170);
    s.dpiLedStatus = r.RequiredFlag("DPILED_Status");
    s.gun6Num = std::min(std::max(r.Required("Gun6_Num"), 1), 2);
    s.gun7Num = std::min(std::max(r.Required("Gun7_Num"), 1), 3);
    s.numOrder = std::min(std::max(r.Required("Num_Order"), 0), 1);
    s.apMode = r.Required("Ap_Mode");
    if (s.apMode == 0 || s.apMode == 2) {
        out.eepromMode = true;
    } else if (s.apMode == 1) {
        // The filter driver keeps no gun display, whatever GD_Enable said.
        out.eepromMode = false;
        s.gdEnable = false;
    }
    s.dpiCount = r.Required("DPI_Count");
    s.specialConfig = r.Text("Special_Config", "11111110");

    if (r.error())
        return *r.error();
    return out;
}

Result<LoadedOemSettings> LoadOemSettings() {
    const auto bytes = OpenDataResource("ORG");
    if (!bytes)
        return MakeError("", "the built-in OEM settings \"ORG\" are missing");
    return LoadOemSettings(SettingsText::Parse(*bytes));
}

const std::vector<std::string>& SpecialKeyLabelNames() {
    static const std::vector<std::string> names = {"Key_CPIKey",  "Key_Fire",      "Key_AIMKey",
                                                   "Key_LEDMode", "Key_LEDSwitch", "Key_KeyMode",
                                                   "Key_KeyOff",  "Key_FnFire"};
    return names;
}

SpecialKeyPlacement PlanSpecialKeyList(std::string_view config) {
    SpecialKeyPlacement plan;
    const auto& known = SpecialKeyLabelNames();
    int slot = 0;
    while (true) {
        const auto comma = config.find(',');
        const std::string_view name = TrimSettingsText(config.substr(0, comma));
        const auto match = std::find(known.begin(), known.end(), name);
        if (match != known.end()) {
            plan.labels.push_back({*match, 25 * slot});
            if (*match == "Key_CPIKey")
                plan.cpiArrowTop = 25 * slot;
            ++slot;
        }
        if (comma == std::string_view::npos)
            break;
        config.remove_prefix(comma + 1);
    }
    plan.panelHeight = 25 * slot + 2;
    return plan;
}

} // namespace orln7a
