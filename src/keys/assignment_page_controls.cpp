#include "ui/oem_settings.h"
#include "ui/page_controls.h"
#include "ui/skin_controls.h"
#include "ui/skin_label.h"

#include <QComboBox>
#include <QWidget>

#include <array>
#include <string>
#include <vector>

namespace orln7a {

namespace {

using K = ControlKind;

constexpr int kMenuRow = 24;    // rows of the main menu: 7 fit the shorter height, 8 the taller
constexpr int kSubMenuRow = 25; // rows of the other menus
constexpr int kMenuWidth = 180;

struct MenuSpec {
    const char* panel;
    std::vector<const char*> entries;
};

// The menus in the order they open; entries top to bottom.
const std::array<MenuSpec, 6> kSubMenus = {{
    {"Pnl_MseKey", {"Key_Left", "Key_Right", "Key_Middle", "Key_B4", "Key_B5"}},
    {"Pnl_Special",
     {"Key_CPIKey", "Key_Fire", "Key_AIMKey", "Key_LEDMode", "Key_LEDSwitch", "Key_KeyMode",
      "Key_KeyOff", "Key_FnFire"}},
    {"Pnl_CPIKey", {"Key_CPI", "Key_CPII", "Key_CPID"}},
    {"Pnl_Media",
     {"Key_PlayPause", "Key_Stop", "Key_PreviousTrack", "Key_NextTrack", "Key_VolumePlus",
      "Key_VolumeMinus", "Key_Mute"}},
    {"Pnl_WWW",
     {"Key_WWWHome", "Key_WWWSearch", "Key_WWWBack", "Key_WWWForward", "Key_WWWStop",
      "Key_WWWRefresh", "Key_WWWFavorites"}},
    {"Pnl_MyPC", {"Key_Computer", "Key_Calculator", "Key_EMail", "Key_Desktop"}},
}};

// Main menu entries, and the arrow of those that open a submenu.
const std::array<std::pair<const char*, const char*>, 8> kMainMenu = {{
    {"Key_Standard", "ST_Standard"},
    {"Key_Special", "ST_Special"},
    {"Key_Media", "ST_Media"},
    {"Key_WWW", "ST_WWW"},
    {"Key_MyPC", "ST_MyPC"},
    {"Key_Assembly", nullptr},
    {"Key_Macro", "ST_Macro"},
    {"Key_FireMacro", nullptr},
}};

void AddMenuEntry(SkinControls& c, QWidget* page, const char* panel, const char* name, int top,
                  int row) {
    if (!c.Add({name, K::Caption, 2, top, kMenuWidth - 4, row, nullptr, panel}, page))
        return;
    SkinLabel* entry = c.Label(name);
    entry->setCursor(Qt::PointingHandCursor);
    entry->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void AddArrow(SkinControls& c, QWidget* page, const char* panel, const char* name, int top,
              int row) {
    if (c.Add({name, K::Caption, kMenuWidth - 24, top, 20, row, nullptr, panel}, page))
        c.SetCaption(name, ">>");
}

} // namespace

void BuildAssignmentPage(SkinControls& c, QWidget* page) {
    // The nine button labels over their slot pictures, and the three long-press options below
    // the mouse. The layout table places them.
    for (int k = 1; k <= 9; ++k) {
        const std::string img = "Img_Key" + std::to_string(k);
        c.Add({img.c_str(), K::Image, 0, 0, 0, 0, "KeyS_01"}, page);
    }
    for (int k = 1; k <= 9; ++k) {
        const std::string key = "Key" + std::to_string(k);
        if (QWidget* w = c.Add({key.c_str(), K::Caption, 0, 0, 170, 27}, page))
            w->setCursor(Qt::PointingHandCursor);
    }
    for (int k = 1; k <= 3; ++k) {
        const std::string img = "Img_ComboKey" + std::to_string(k);
        const std::string hint = "IB_ComboKey" + std::to_string(k);
        c.Add({img.c_str(), K::Image, 0, 0, 0, 0, "CbS_D"}, page);
        if (QWidget* w = c.Add({hint.c_str(), K::Caption, 0, 0, 300, 20}, page))
            w->setCursor(Qt::PointingHandCursor);
    }
    // The key mode written to the mouse as the current one; the page buttons set it.
    if (auto* mode = static_cast<QComboBox*>(
            c.Add({"cb_KeyMode", K::Combo, 0, 0, 0, 0, nullptr, nullptr, false}, page)))
        mode->addItems({"1", "2"});

    // The assignment menus float over the page, closed until a button label is clicked.
    c.Add({"Pnl_Main", K::Panel, 0, 0, kMenuWidth, 8 * kMenuRow + 2, nullptr, nullptr, false},
          page);
    for (std::size_t i = 0; i < kMainMenu.size(); ++i) {
        const int top = 1 + static_cast<int>(i) * kMenuRow;
        AddMenuEntry(c, page, "Pnl_Main", kMainMenu[i].first, top, kMenuRow);
        if (kMainMenu[i].second)
            AddArrow(c, page, "Pnl_Main", kMainMenu[i].second, top, kMenuRow);
    }
    for (const MenuSpec& menu : kSubMenus) {
        const int rows = static_cast<int>(menu.entries.size());
        c.Add({menu.panel, K::Panel, 0, 0, kMenuWidth, rows * kSubMenuRow + 2, nullptr, nullptr,
               false},
              page);
        for (int i = 0; i < rows; ++i)
            // Special entries are placed by the brand's list below; unlisted ones stay out of
            // the panel's visible area.
            AddMenuEntry(c, page, menu.panel, menu.entries[static_cast<std::size_t>(i)],
                         std::string(menu.panel) == "Pnl_Special" ? 9000 : 1 + i * kSubMenuRow,
                         kSubMenuRow);
    }
    AddArrow(c, page, "Pnl_Special", "ST_CPIKey", 9000, kSubMenuRow);
    // The macro names offered for a button.
    c.Add({"LB_Name", K::List, 0, 0, kMenuWidth, 8 * kSubMenuRow + 2, nullptr, nullptr, false},
          page);
}

} // namespace orln7a

namespace orln7a {

void ApplySpecialKeyList(SkinControls& c, const std::string& specialConfig) {
    // The brand's list of special entries, in list order, 25 pixels a row.
    const SpecialKeyPlacement special = PlanSpecialKeyList(specialConfig);
    for (const auto& label : special.labels)
        if (QWidget* w = c.Find(QString::fromStdString(label.name)))
            w->move(w->x(), label.top + 1);
    if (special.cpiArrowTop)
        if (QWidget* arrow = c.Find("ST_CPIKey"))
            arrow->move(arrow->x(), *special.cpiArrowTop + 1);
    if (QWidget* panel = c.Find("Pnl_Special"))
        panel->resize(panel->width(), special.panelHeight);
}

} // namespace orln7a
