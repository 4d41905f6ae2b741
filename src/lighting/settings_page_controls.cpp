#include "lighting/dpi_values.h"
#include "ui/page_controls.h"
#include "ui/skin_controls.h"
#include "ui/skin_label.h"
#include "ui/skin_slider.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QColor>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QWidget>

#include <array>
#include <string>

// Page 2 in page pixels. The panel (800 x 378 at 195, 167) has three groups:
//   pointer   x 207..513, y 179..420: three speed blocks 62 high from y 183 (heading, slider
//             281 wide at x 219, tick labels 26 apart under it), then the two options.
//   fire key  x 207..513, y 428..533: title strip, then count, interval and continuous rows.
//   DPI       x 525..983, y 179..533: title strip with the level count box, a column heading,
//             seven level rows 33 high from y 228, the AIM row from y 467 and the note below.
// The layout table places most of these; the rows below give the same places, and the sizes.

namespace orln7a {

namespace {

using K = ControlKind;

constexpr int kLevelTop = 228, kLevelPitch = 33, kAimTop = 467;
constexpr int kSpeedSliderWidth = 281, kDpiSliderWidth = 225, kSliderHeight = 25;
constexpr int kTickWidth = 16, kTickHeight = 16;

// The default image's DPI indexes and colours of levels 1..7, its level count and current level.
constexpr std::array<int, 7> kDefaultDpi = {1, 4, 6, 7, 9, 10, 7};
constexpr std::array<QRgb, 7> kDefaultColour = {0x00FF00, 0xFF00FF, 0x0000FF, 0xFF8000,
                                                0x00FFFF, 0xFFFF00, 0xFFFFFF};
constexpr int kDefaultLevels = 6, kDefaultCurrentLevel = 2;

std::string Num(const char* stem, int k, const char* tail = "") {
    return stem + std::to_string(k) + tail;
}

QString DpiText(int index) {
    return QString::number(DpiValueOfIndex(index).value_or(kDpiValues.front()));
}

void AddCaption(SkinControls& c, QWidget* page, const std::string& name, int x, int y, int w,
                int h) {
    c.Add({name.c_str(), K::Caption, x, y, w, h}, page);
}

// A transparent label that takes the clicks for a check image and its caption.
void AddClickLabel(SkinControls& c, QWidget* page, const char* name, int x, int y, int w, int h) {
    if (QWidget* l = c.Add({name, K::Caption, x, y, w, h}, page))
        l->setCursor(Qt::PointingHandCursor);
}

SkinSlider* AddSlider(SkinControls& c, QWidget* page, const std::string& name, int x, int y, int w,
                      int max, int value) {
    auto* s =
        static_cast<SkinSlider*>(c.Add({name.c_str(), K::Slider, x, y, w, kSliderHeight}, page));
    if (s == nullptr)
        return nullptr;
    s->setRange(0, max);
    s->setSingleStep(1);
    s->setPageStep(100);
    s->setValue(value);
    s->setCursor(Qt::PointingHandCursor);
    return s;
}

QComboBox* AddHolderCombo(SkinControls& c, QWidget* page, const std::string& name) {
    return static_cast<QComboBox*>(
        c.Add({name.c_str(), K::Combo, 0, 0, 0, 0, nullptr, nullptr, false}, page));
}

QLineEdit* AddHolderEdit(SkinControls& c, QWidget* page, const std::string& name,
                         const QString& text) {
    auto* e = static_cast<QLineEdit*>(
        c.Add({name.c_str(), K::Edit, 0, 0, 0, 0, nullptr, nullptr, false}, page));
    if (e != nullptr)
        e->setText(text);
    return e;
}

QStringList Numbers(int first, int last) {
    QStringList items;
    for (int k = first; k <= last; ++k)
        items << QString::number(k);
    return items;
}

void BuildPointerGroup(SkinControls& c, QWidget* page) {
    // Pointer speed, double-click speed and wheel lines: eleven levels each.
    struct Speed {
        const char* caption;
        const char* slider;
        const char* tick;
        int level; // the Windows default: speed 10, 500 ms, 3 lines
    };
    const std::array<Speed, 3> speeds = {{{"lbl_Mouse_Speed", "slider_Spd", "lbl_Spd", 6},
                                          {"lbl_Double_Click", "slider_DbSpd", "lbl_DbSpd", 7},
                                          {"lbl_Roller_Speed", "slider_SrcSpd", "lbl_ScrSpd", 3}}};
    for (int i = 0; i < 3; ++i) {
        const Speed& s = speeds[static_cast<std::size_t>(i)];
        const int top = 183 + 62 * i;
        AddCaption(c, page, s.caption, 224, top, 260, 20);
        AddSlider(c, page, s.slider, 219, top + 20, kSpeedSliderWidth, 1000, 100 * (s.level - 1));
        for (int k = 1; k <= 11; ++k) {
            const std::string tick = Num(s.tick, k);
            AddCaption(c, page, tick, 219 + 26 * (k - 1) + 4, top + 46, kTickWidth, kTickHeight);
            c.SetCaption(QString::fromStdString(tick), QString::number(k));
            if (SkinLabel* l = c.Label(QString::fromStdString(tick)))
                l->setAlignment(Qt::AlignCenter);
        }
    }
    // Enhance pointer precision and one screen at a time: check image, caption, click label.
    static const std::array<ControlSpec, 4> options = {{
        {"Img_IsControl", K::Image, 221, 377, 0, 0, "CbS_E"},
        {"lbl_Is_Control", K::Caption, 243, 375, 260, 20},
        {"Img_IsScreen", K::Image, 221, 398, 0, 0, "CbS_D"},
        {"lbl_Roll_All_Screen", K::Caption, 243, 396, 260, 20},
    }};
    c.AddAll(options, page);
    AddClickLabel(c, page, "lbl_IsControl", 213, 377, 290, 18);
    AddClickLabel(c, page, "lbl_IsScreen", 219, 398, 284, 18);
    if (auto* holder = static_cast<QAbstractButton*>(c.Add({"cb_IsControl", K::Check}, page)))
        holder->setChecked(true);
    c.Add({"cb_IsScreen", K::Check}, page);
}

void BuildFireGroup(SkinControls& c, QWidget* page) {
    static const std::array<ControlSpec, 6> rows = {{
        {"lbl_FireKey", K::Caption, 224, 432, 200, 20},
        {"lbl_Fire_Count", K::Caption, 219, 460, 150, 20},
        {"Edt_Repeat1", K::Edit, 360, 460, 56, 20},
        {"lbl_Fire_Time", K::Caption, 219, 484, 150, 20},
        {"Edt_DelayTime1", K::Edit, 360, 484, 56, 20},
        {"Img_FireContinue", K::Image, 221, 510, 0, 0, "CbS_D"},
    }};
    c.AddAll(rows, page);
    AddCaption(c, page, "lbl_Fire_Continue", 243, 508, 200, 20);
    AddClickLabel(c, page, "lbl_FireContinue", 213, 510, 220, 18);
    // The default image: three shots, an interval of 6, continuous fire off.
    for (const auto& [name, text] : {std::pair{"Edt_Repeat1", "3"}, {"Edt_DelayTime1", "6"}})
        if (auto* e = c.Get<QLineEdit>(name)) {
            e->setMaxLength(3);
            e->setText(text);
        }
    c.Add({"cb_IsFireContinue", K::Check}, page);
    if (QComboBox* count = AddHolderCombo(c, page, "cb_FireCount")) {
        count->addItems(Numbers(0, 255));
        count->setCurrentIndex(2);
    }
    AddHolderEdit(c, page, "edt_FireTime", "6");
    // Settings of the image without an editor, written back as read.
    if (QComboBox* orientation = AddHolderCombo(c, page, "cb_SensorOri"))
        orientation->addItems(Numbers(0, 7));
    auto* fnGroup = new QButtonGroup(page);
    for (const char* name : {"rb_FireFnOn", "rb_FireFnOff"})
        if (auto* r = static_cast<QAbstractButton*>(c.Add({name, K::Radio}, page)))
            fnGroup->addButton(r);
    c.Add({"cb_Smooth", K::Check}, page);
}

void BuildDpiGroup(SkinControls& c, QWidget* page) {
    AddCaption(c, page, "lbl_DPI_Setting", 543, 183, 200, 20);
    if (auto* count =
            static_cast<QComboBox*>(c.Add({"cbb_DPICount", K::Combo, 917, 182, 54, 22}, page))) {
        count->addItems(Numbers(2, 7));
        count->setCurrentIndex(kDefaultLevels - 2);
        count->setCursor(Qt::PointingHandCursor);
        // Dressed like the page's edits.
        c.SetTextColour(count, QColor(222, 226, 232));
        c.SetBackground(count, QColor(30, 33, 38));
        c.SetBorder(count, QColor(70, 74, 80));
    }
    AddCaption(c, page, "lbl_DPI_Value", 866, 210, 100, 16);
    // The layout pass sets the range from the brand's DPI count; eleven values until then.
    const int rulerMax = 1000;
    for (int k = 1; k <= 7; ++k) {
        const int centre = kLevelTop + kLevelPitch * (k - 1) + 16;
        const std::size_t i = static_cast<std::size_t>(k - 1);
        c.Add({Num("Img_DPI", k).c_str(), K::Image, 543, centre - 8, 0, 0,
               k == kDefaultCurrentLevel ? "CbS_E" : "CbS_D"},
              page);
        if (SkinLabel* check = c.Label(QString::fromStdString(Num("Img_DPI", k))))
            check->setCursor(Qt::PointingHandCursor);
        AddCaption(c, page, Num("lbl_DPI", k), 565, centre - 10, 60, 20);
        if (SkinLabel* level = c.Label(QString::fromStdString(Num("lbl_DPI", k))))
            level->setCursor(Qt::PointingHandCursor);
        AddSlider(c, page, Num("slider_DPI", k), 634, centre - 12, kDpiSliderWidth, rulerMax,
                  100 * kDefaultDpi[i]);
        const std::string value = Num("lbl_DPI", k, "Value");
        AddCaption(c, page, value, 866, centre - 10, 44, 20);
        c.SetCaption(QString::fromStdString(value), DpiText(kDefaultDpi[i]));
        // The level's colour: the swatch under its frame, the click label on top.
        const std::string swatch = Num("cs_DPI", k, "Col");
        if (QWidget* s = c.Add({swatch.c_str(), K::Swatch, 935, centre - 9, 18, 18}, page))
            c.SetBackground(s, QColor::fromRgb(kDefaultColour[i]));
        c.Add({Num("Img_DPI", k, "Col").c_str(), K::Image, 935, centre - 9, 0, 0, "Col_F"}, page);
        AddClickLabel(c, page, Num("lbl_DPI", k, "Col").c_str(), 935, centre - 9, 18, 18);
    }
    // Ruler marks of level 7, shown when the level is taken into use.
    for (int k = 1; k <= 11; ++k)
        c.Add({Num("Img_DPI7_", k).c_str(), K::Image, 634 + 12 + 20 * (k - 1),
               kLevelTop + kLevelPitch * 6 + 29, 1, 3, nullptr, nullptr, false},
              page);
    // The AIM value that every AIM button shares.
    AddCaption(c, page, "lbl_AIMKey", 565, kAimTop + 6, 60, 20);
    c.SetCaption("lbl_AIMKey", "AIM");
    AddSlider(c, page, "slider_DPI8", 634, kAimTop + 4, kDpiSliderWidth, rulerMax, 0);
    AddCaption(c, page, "lbl_AIMKeyValue", 866, kAimTop + 6, 44, 20);
    c.SetCaption("lbl_AIMKeyValue", DpiText(0));
    AddCaption(c, page, "lbl_DPI_Note", 543, 509, 420, 18);

    // Holders of the levels: DPI index, colour components, count and current level.
    for (int k = 1; k <= 7; ++k) {
        const std::size_t i = static_cast<std::size_t>(k - 1);
        if (QComboBox* cpi = AddHolderCombo(c, page, Num("cb_CPI", k))) {
            cpi->addItems(Numbers(0, static_cast<int>(kDpiValues.size()) - 1));
            cpi->setCurrentIndex(kDefaultDpi[i]);
        }
        const QColor colour = QColor::fromRgb(kDefaultColour[i]);
        AddHolderEdit(c, page, Num("edt_CPI", k, "R"), QString::number(colour.red()));
        AddHolderEdit(c, page, Num("edt_CPI", k, "G"), QString::number(colour.green()));
        AddHolderEdit(c, page, Num("edt_CPI", k, "B"), QString::number(colour.blue()));
    }
    if (QComboBox* step = AddHolderCombo(c, page, "cb_CPIStep")) {
        step->addItems(Numbers(0, 5));
        step->setCurrentIndex(kDefaultLevels - 2);
    }
    if (QComboBox* current = AddHolderCombo(c, page, "cb_CurrentCPI")) {
        current->addItems(Numbers(1, kDefaultLevels));
        current->setCurrentIndex(kDefaultCurrentLevel - 1);
    }
}

} // namespace

void BuildSettingsPage(SkinControls& controls, QWidget* page) {
    BuildPointerGroup(controls, page);
    BuildFireGroup(controls, page);
    BuildDpiGroup(controls, page);
}

} // namespace orln7a
