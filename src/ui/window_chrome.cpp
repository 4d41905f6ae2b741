#include "ui/page_controls.h"
#include "ui/skin_controls.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QWidget>

#include <array>
#include <string>

namespace orln7a {

namespace {

struct ChromeButton {
    const char* stem; // Img_<stem>_n under Btn_<stem>_n
    const char* art;
    int x, y; // designed place; the layout table moves the enabled ones
};

// The side column and the header of the artwork: page buttons above the action buttons,
// language buttons in the header tray, minimise and close at the right.
const std::array<ChromeButton, 18> kButtons = {{
    {"Main", "SetS_03", 24, 84},
    {"Second", "SetS_01", 24, 124},
    {"Adv", "SetS_01", 24, 164},
    {"Breath", "SetS_01", 24, 204},
    {"Macro", "SetS_01", 24, 244},
    {"Confirm", "BtnS_01", 24, 304},
    {"Apply", "BtnS_01", 24, 340},
    {"Read", "BtnS_01", 24, 376},
    {"Confirm1", "BtnS_01", 24, 412},
    {"Confirm2", "BtnS_01", 24, 448},
    {"Confirm3", "BtnS_01", 24, 484},
    {"Save", "BtnS_01", 24, 520},
    {"Load", "BtnS_01", 24, 556},
    {"Lang1", "Lang_03", 24, 17},
    {"Lang2", "Lang_01", 140, 17},
    {"Lang3", "Lang_01", 256, 17},
    {"Mini", "MiniS_01", 964, 14},
    {"Exit", "ExitS_01", 990, 14},
}};

} // namespace

void BuildWindowChrome(SkinControls& controls, QWidget* page, int n) {
    // The controls copy their names; a row only needs its name while it is added.
    std::string name;
    auto keep = [&name](std::string s) -> const char* {
        name = std::move(s);
        return name.c_str();
    };
    const std::string suffix = "_" + std::to_string(n);
    for (const ChromeButton& b : kButtons) {
        const char* img = keep("Img_" + std::string(b.stem) + suffix);
        controls.Add({img, ControlKind::Image, b.x, b.y, 0, 0, b.art}, page);
    }
    controls.Add({keep("Img_Web" + suffix), ControlKind::Image, 391, 0, 0, 0, "WebS_01"}, page);
    for (const ChromeButton& b : kButtons) {
        const QWidget* img = controls.Find(QString("Img_%1%2").arg(b.stem).arg(suffix.c_str()));
        const char* lbl = keep("Btn_" + std::string(b.stem) + suffix);
        QWidget* w =
            controls.Add({lbl, ControlKind::Caption, b.x, b.y, img->width(), img->height()}, page);
        w->setCursor(Qt::PointingHandCursor);
    }
    QWidget* web =
        controls.Add({keep("Btn_Web" + suffix), ControlKind::Caption, 391, 0, 260, 80}, page);
    web->setCursor(Qt::PointingHandCursor);

    if (n != 1)
        return;
    // The hidden selectors: the page to return to, and the chosen language.
    static const std::array<ControlSpec, 8> selectors = {{
        {"rb_1", ControlKind::Radio},
        {"rb_2", ControlKind::Radio},
        {"rb_4", ControlKind::Radio},
        {"rb_5", ControlKind::Radio},
        {"rb_6", ControlKind::Radio},
        {"rb_Lang1", ControlKind::Radio},
        {"rb_Lang2", ControlKind::Radio},
        {"rb_Lang3", ControlKind::Radio},
    }};
    controls.AddAll(selectors, page);
    // Two separate choices: the page to return to and the language.
    auto* pageChoice = new QButtonGroup(page);
    auto* languageChoice = new QButtonGroup(page);
    for (const ControlSpec& s : selectors)
        if (auto* radio = controls.Get<QAbstractButton>(s.name))
            (QString(s.name).startsWith("rb_Lang") ? languageChoice : pageChoice)->addButton(radio);
}

} // namespace orln7a
