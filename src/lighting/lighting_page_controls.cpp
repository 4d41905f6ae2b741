#include "ui/page_controls.h"
#include "ui/skin_controls.h"
#include "ui/skin_label.h"
#include "ui/skin_slider.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QColor>
#include <QComboBox>
#include <QFont>
#include <QLineEdit>
#include <QWidget>

#include <array>
#include <string>

// Page 3 in page pixels. The panel (800 x 378 at 195, 167) has three groups:
//   switches  x 207..513, y 179..391: four blocks 52 high from y 183, each a heading and an
//             option pair (radio images at x 223 and 383, 24 below the heading).
//   breathing x 207..513, y 399..533: title strip, the speed slider (235 wide at x 243, y 441)
//             with the step numbers under its eight stops, "slow" and "fast" under its ends.
//   modes     x 525..983, y 179..533: title strip; the seven modes in rows of 26 from y 216 at
//             x 545; the brightness pair right of the modes (x 815 and 895, beside a sun
//             mark); the ten-segment LED count bar at (597, 428) with its numbers below.
// Each option is a radio image with a click label over it: the label starts 4 left and 2 above
// the image and indents its caption past it.

namespace orln7a {

namespace {

using K = ControlKind;

constexpr int kOptionIndent = 24;
constexpr int kModeTop = 216, kModePitch = 26;
constexpr int kBarX = 597, kBarY = 428, kBarSegment = 26, kBarGap = 6;
constexpr int kBreathX = 243, kBreathY = 441, kBreathWidth = 235, kBreathStop = 30;

// The default image: MCU LED, mode 2, speed step 1, ten LEDs, full brightness, every switch on.
constexpr int kDefaultMode = 2, kDefaultStep = 1;

std::string Num(const char* stem, int k, const char* tail = "") {
    return stem + std::to_string(k) + tail;
}

QStringList Numbers(int first, int last) {
    QStringList items;
    for (int k = first; k <= last; ++k)
        items << QString::number(k);
    return items;
}

// A radio image (15 x 15) at (x, y) and the click label carrying its caption.
void AddOption(SkinControls& c, QWidget* page, const std::string& stem, int x, int y, int width,
               bool on, bool visible = true) {
    const std::string img = "Img_" + stem, lbl = "lbl_" + stem;
    c.Add({img.c_str(), K::Image, x, y, 0, 0, on ? "RdS_E" : "RdS_D", nullptr, visible}, page);
    if (c.Add({lbl.c_str(), K::Caption, x - 4, y - 2, width, 20, nullptr, nullptr, visible},
              page)) {
        SkinLabel* label = c.Label(QString::fromStdString(lbl));
        label->setIndent(kOptionIndent);
        label->setCursor(Qt::PointingHandCursor);
    }
}

// Holder radios of one choice; the first named is checked.
void AddRadioGroup(SkinControls& c, QWidget* page, std::initializer_list<const char*> names) {
    auto* group = new QButtonGroup(page);
    for (const char* name : names)
        if (auto* r = static_cast<QAbstractButton*>(c.Add({name, K::Radio}, page))) {
            group->addButton(r);
            if (group->buttons().size() == 1)
                r->setChecked(true);
        }
}

QComboBox* AddHolderCombo(SkinControls& c, QWidget* page, const char* name) {
    return static_cast<QComboBox*>(
        c.Add({name, K::Combo, 0, 0, 0, 0, nullptr, nullptr, false}, page));
}

void AddHolderEdit(SkinControls& c, QWidget* page, const char* name, const QString& text) {
    if (auto* e = static_cast<QLineEdit*>(
            c.Add({name, K::Edit, 0, 0, 0, 0, nullptr, nullptr, false}, page)))
        e->setText(text);
}

void BuildSwitchGroup(SkinControls& c, QWidget* page) {
    struct Switch {
        const char* heading;
        const char* on;
        const char* off;
    };
    const std::array<Switch, 4> switches = {{{"lbl_LED_Status", "LEDOn", "LEDOff"},
                                             {"lbl_LLED_Status", "LCPIOn", "LCPIOff"},
                                             {"lbl_MCPI_Status", "B4CPIOn", "B4CPIOff"},
                                             {"lbl_Led_Light", "SaveKeyMode", "NoSaveKeyMode"}}};
    for (std::size_t i = 0; i < switches.size(); ++i) {
        const int top = 183 + 52 * static_cast<int>(i);
        c.Add({switches[i].heading, K::Caption, 224, top, 280, 20}, page);
        AddOption(c, page, switches[i].on, 223, top + 26, 140, true);
        AddOption(c, page, switches[i].off, 383, top + 26, 140, false);
    }
    AddRadioGroup(c, page, {"rb_LEDOn", "rb_LEDOff"});
    AddRadioGroup(c, page, {"rb_LCPIOn", "rb_LCPIOff"});
    AddRadioGroup(c, page, {"rb_B4CPIOn", "rb_B4CPIOff"});
    AddRadioGroup(c, page, {"rb_Save", "rb_NoSave"});
}

void BuildBreathingGroup(SkinControls& c, QWidget* page) {
    c.Add({"lbl_LED_Effect_Setting", K::Caption, 224, 403, 200, 20}, page);
    // The eight step images give way to the slider; the layout keeps them out of view.
    for (int k = 1; k <= 8; ++k)
        c.Add({Num("Img_MCULEDStep_", k).c_str(), K::Image, 9000, kBreathY, 0, 0,
               k == kDefaultStep + 1 ? "Bar1_E" : "Bar1_D"},
              page);
    if (auto* slider = static_cast<SkinSlider*>(c.Add(
            {"slider_Breath_Speed", K::Slider, kBreathX, kBreathY, kBreathWidth, 25}, page))) {
        slider->setRange(0, 700);
        slider->setPageStep(100);
        slider->setValue(700 - 100 * kDefaultStep);
        slider->setCursor(Qt::PointingHandCursor);
    }
    // A number under each stop of the slider, slow to fast.
    const int thumb = 25;
    for (int k = 1; k <= 8; ++k) {
        const std::string name = Num("lbl_MCULEDStep_", k);
        const int centre = kBreathX + thumb / 2 + kBreathStop * (k - 1);
        if (c.Add({name.c_str(), K::Caption, centre - 8, kBreathY + 27, 16, 16}, page)) {
            c.SetCaption(QString::fromStdString(name), QString::number(k));
            c.Label(QString::fromStdString(name))->setAlignment(Qt::AlignCenter);
        }
    }
    c.Add({"lbl_LED_Effect_Slow", K::Caption, kBreathX, 488, 60, 18}, page);
    c.Add({"lbl_LED_Effect_Fast", K::Caption, kBreathX + kBreathWidth - 26, 488, 60, 18}, page);
    AddHolderEdit(c, page, "edt_MCULEDCrtStep", QString::number(kDefaultStep));
}

void BuildModeGroup(SkinControls& c, QWidget* page) {
    c.Add({"lbl_Led_Mode", K::Caption, 543, 183, 200, 20}, page);
    // The flowing-light modes of the MCU LED and, in the same places, the RB LED's modes; the
    // mouse's LED type decides which set shows.
    for (int k = 1; k <= 7; ++k) {
        const int y = kModeTop + kModePitch * (k - 1) + 2;
        AddOption(c, page, Num("MCULEDMode", k), 545, y, 200, k == kDefaultMode);
        AddOption(c, page, Num("RBLEDMode", k), 545, y, 200, k == kDefaultMode, false);
    }
    // Brightness of the MCU LED, full or half.
    AddOption(c, page, "MCULED3Control", 815, kModeTop + 2, 70, true);
    AddOption(c, page, "MCULED6Control", 895, kModeTop + 2, 70, false);
    // No language table names them: the two levels read the same in every language.
    for (const auto& [name, text] :
         {std::pair{"lbl_MCULED3Control", "100%"}, {"lbl_MCULED6Control", "50%"}})
        if (SkinLabel* label = c.Label(name)) {
            label->setText(text);
            QFont font = label->font();
            font.setPointSize(10);
            label->setFont(font);
            c.SetTextColour(label, QColor(222, 226, 232));
        }
    // The number of LEDs: segment k stands for k + 3 LEDs.
    for (int k = 1; k <= 10; ++k) {
        const int x = kBarX + (kBarSegment + kBarGap) * (k - 1);
        const std::string img = Num("Img_MCULEDNum_", k), lbl = Num("lbl_MCULEDNum_", k);
        if (c.Add({img.c_str(), K::Image, x, kBarY, 0, 0, k == 1 ? "Bar1_E" : "Bar1_D"}, page))
            c.Label(QString::fromStdString(img))->setCursor(Qt::PointingHandCursor);
        if (c.Add({lbl.c_str(), K::Caption, x, kBarY + 24, kBarSegment, 16}, page)) {
            c.SetCaption(QString::fromStdString(lbl), QString::number(k));
            c.Label(QString::fromStdString(lbl))->setAlignment(Qt::AlignCenter);
        }
    }

    AddRadioGroup(c, page, {"rb_MCULED", "rb_RBLED", "rb_SyncLED", "rb_BreLED"});
    AddRadioGroup(c, page, {"rb_MCULED3Control", "rb_MCULED6Control"});
    for (const char* name : {"cb_MCULEDCurrentMode", "cb_RBLEDCurrentMode"})
        if (QComboBox* mode = AddHolderCombo(c, page, name)) {
            mode->addItems(Numbers(1, 7));
            mode->setCurrentIndex(kDefaultMode - 1);
        }
    for (int k = 1; k <= 7; ++k)
        if (auto* offered =
                static_cast<QAbstractButton*>(c.Add({Num("cb_Mode", k).c_str(), K::Check}, page)))
            offered->setChecked(true);
    AddHolderEdit(c, page, "edt_MCULEDNum", "10");
}

} // namespace

void BuildLightingPage(SkinControls& controls, QWidget* page) {
    BuildSwitchGroup(controls, page);
    BuildBreathingGroup(controls, page);
    BuildModeGroup(controls, page);
}

} // namespace orln7a
