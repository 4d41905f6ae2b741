#include "fire/fire_macro_tables.h"
#include "ui/page_controls.h"
#include "ui/skin_controls.h"
#include "ui/skin_label.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QColor>
#include <QLineEdit>
#include <QWidget>

#include <array>
#include <string>
#include <tuple>
#include <utility>

// Page 5 in page pixels. The panel (720 x 650 at 236, 6) has no window chrome:
//   gun rail   the seven gun buttons (120 x 56) at x 258, y 84 + 72 (g - 1).
//   values     row captions from x 420; three value columns 106 wide at x 598, 714, 830
//              (centres 651, 767, 883); the sights centred at y 118 over the columns; seven
//              rows 56 high centred at y 190 + 56 r: stop on release, count, X step, Y step,
//              Y offset, interval, colour.
//   footer     Confirm and Cancel at (706, 612) and (826, 612).
// The page opens on gun 1: one column, no sights.

namespace orln7a {

namespace {

using K = ControlKind;

constexpr int kGunCount = 7;
constexpr int kColumns = 3;
constexpr std::array<int, kColumns> kColumnCentre = {651, 767, 883};
constexpr int kEditWidth = 70;

int RowCentre(int row) {
    return 190 + 56 * row;
}

std::string Num(const char* prefix, int k, const char* suffix = "") {
    return prefix + std::to_string(k) + suffix;
}

QWidget* Clickable(QWidget* w) {
    if (w != nullptr)
        w->setCursor(Qt::PointingHandCursor);
    return w;
}

void BuildGunRail(SkinControls& c, QWidget* page) {
    auto* holders = new QButtonGroup(page);
    for (int g = 1; g <= kGunCount; ++g) {
        const int top = 84 + 72 * (g - 1);
        const std::string art = Num("Gun", g, g == 1 ? "_02" : "_01");
        c.Add({Num("Img_Fire", g).c_str(), K::Image, 258, top, 0, 0, art.c_str()}, page);
        Clickable(c.Add({Num("Btn_Fire", g).c_str(), K::Caption, 258, top, 120, 56}, page));
        if (auto* r = qobject_cast<QAbstractButton*>(
                c.Add({Num("rb_Fire", g).c_str(), K::Radio}, page))) {
            holders->addButton(r);
            r->setChecked(g == 1);
        }
    }
    // Sights of the cartridge presets over their columns: 1 and 2 for gun 6, 3 to 5 for gun 7.
    const std::array<std::pair<int, int>, 5> sights = {
        {{0, 42}, {1, 52}, {0, 42}, {1, 52}, {2, 62}}};
    for (int k = 1; k <= 5; ++k) {
        const auto [column, size] = sights[static_cast<std::size_t>(k - 1)];
        const int x = kColumnCentre[static_cast<std::size_t>(column)] - size / 2;
        c.Add({Num("Img_GunMode", k).c_str(), K::Image, x, 118 - size / 2, 0, 0,
               Num("GunMode", k).c_str(), nullptr, false},
              page);
    }
}

void BuildRowCaptions(SkinControls& c, QWidget* page) {
    // Row 2 (the X step) has no caption; its picture marks it.
    const std::array<std::pair<const char*, int>, 6> rows = {{{"lbl_Fire_Marco_Stop_Release", 0},
                                                              {"lbl_Fire_Marco_Count", 1},
                                                              {"lbl_Fire_Marco_Y", 3},
                                                              {"lbl_Fire_Marco_Y_Offset", 4},
                                                              {"lbl_Fire_Marco_Delay", 5},
                                                              {"lbl_Fire_Marco_Color", 6}}};
    for (const auto& [name, row] : rows) {
        // A click on any of them toggles column 1's stop on release.
        Clickable(c.Add({name, K::Caption, 420, RowCentre(row) - 10, 170, 20}, page));
        if (SkinLabel* l = c.Label(name))
            l->setWordWrap(true);
    }
}

void BuildColumn(SkinControls& c, QWidget* page, int k, const FireMacroTables& defaults) {
    const int centre = kColumnCentre[static_cast<std::size_t>(k - 1)];
    const bool shown = k == 1;
    // Stop on release: the check picture, its click label and the hidden flag.
    const int checkTop = RowCentre(0) - 8;
    c.Add({Num("Img_FireRKFS", k).c_str(), K::Image, centre - 8, checkTop, 0, 0, "CbS_D", nullptr,
           shown},
          page);
    Clickable(c.Add({Num("lbl_FireRKFS", k).c_str(), K::Caption, centre - 10, checkTop, 20, 20,
                     nullptr, nullptr, shown},
                    page));
    c.Add({Num("cb_FireRKFS", k).c_str(), K::Check}, page);

    const std::array<std::pair<std::string, int>, 5> edits = {{{Num("Edt_FireCnt", k), 1},
                                                               {Num("Edt_FireX", k), 2},
                                                               {Num("Edt_FireY", k), 3},
                                                               {Num("Edt_FireY", k, "Offset"), 4},
                                                               {Num("Edt_FireTime", k), 5}}};
    for (const auto& [name, row] : edits)
        if (auto* e = qobject_cast<QLineEdit*>(
                c.Add({name.c_str(), K::Edit, centre - kEditWidth / 2, RowCentre(row) - 11,
                       kEditWidth, 22, nullptr, nullptr, shown},
                      page))) {
            e->setText("0");
            e->setMaxLength(4);
        }

    // The indicator colour: the swatch under its frame, the click label on top. Column 1 shows
    // gun 1's record until the mouse is read.
    const int colourTop = RowCentre(6) - 9;
    if (QWidget* s = c.Add({Num("cs_FireColor", k).c_str(), K::Swatch, centre - 9, colourTop, 18,
                            18, nullptr, nullptr, shown},
                           page)) {
        const FireMacroColor& rgb = defaults.colors[0];
        c.SetBackground(s, QColor(rgb.red, rgb.green, rgb.blue));
    }
    c.Add({Num("Img_FireColor", k).c_str(), K::Image, centre - 9, colourTop, 0, 0, "Col_F", nullptr,
           shown},
          page);
    Clickable(c.Add({Num("IB_FireColor", k).c_str(), K::Caption, centre - 9, colourTop, 18, 18,
                     nullptr, nullptr, shown},
                    page));
}

// The text copies of the Y offsets and the colours of the ten records, which the image builder
// reads; never shown.
void BuildTextCopies(SkinControls& c, QWidget* page, const FireMacroTables& defaults) {
    for (int r = 1; r <= 10; ++r) {
        const auto i = static_cast<std::size_t>(r - 1);
        const FireMacroColor& rgb = defaults.colors[i];
        const std::array<std::pair<std::string, int>, 4> copies = {
            {{Num("edt_YOffset", r), defaults.yOffsets[i].Offset()},
             {Num("edt_FireMacroColor", r, "R"), rgb.red},
             {Num("edt_FireMacroColor", r, "G"), rgb.green},
             {Num("edt_FireMacroColor", r, "B"), rgb.blue}}};
        for (const auto& [name, value] : copies)
            if (auto* e = qobject_cast<QLineEdit*>(
                    c.Add({name.c_str(), K::Edit, 0, 0, 0, 0, nullptr, nullptr, false}, page)))
                e->setText(QString::number(value));
    }
}

} // namespace

void BuildGunPage(SkinControls& c, QWidget* page) {
    const FireMacroTables defaults = DefaultFireMacroTables();
    BuildGunRail(c, page);
    BuildRowCaptions(c, page);
    for (int k = 1; k <= kColumns; ++k)
        BuildColumn(c, page, k, defaults);
    BuildTextCopies(c, page, defaults);
    for (const auto& [image, label, x] : {std::tuple{"Img_FireConfirm", "Btn_FireConfirm", 706},
                                          std::tuple{"Img_FireExit", "Btn_FireExit", 826}}) {
        c.Add({image, K::Image, x, 612, 0, 0, "BtnS_01"}, page);
        Clickable(c.Add({label, K::Caption, x, 612, 110, 27}, page));
    }
}

} // namespace orln7a
