#include "ui/page_controls.h"
#include "ui/skin_controls.h"
#include "ui/skin_label.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QColor>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QWidget>

#include <array>
#include <span>
#include <string_view>
#include <tuple>

// Page 4 in page pixels. The panel (800 x 378 at 195, 167) has three groups, y 179..533:
//   library  x 207..457: heading, the macro names (217, 214) 230 x 272, New and Delete below.
//   steps    x 469..729: heading, the steps of the macro (479, 214) 240 x 272, Record below.
//   options  x 741..983: the delay group over the whole group (rows of 28 from y 219, in three
//            blocks: delay mode, release mode, loop), or, while a step is inserted, the insert
//            panel with its 207 x 162 picture at (758, 214) and OK / Cancel under it.
// Inside the two groups the places are the group's own pixels.

namespace orln7a {

namespace {

using K = ControlKind;

constexpr int kPopupWidth = 120; // the layout's Edit_PCMarco_Width
constexpr int kPopupRow = 24;

// The options of the delay group: indicator, click label (the caption starts right of the
// indicator), hidden holder.
struct Option {
    const char* image;
    const char* label;
    const char* holder;
    const char* art;
    int top;
    int labelWidth;
};

const std::array<Option, 7> kDelayOptions = {{
    {"LED_RecDelay", "IB_RecDelay", "rb_RecDelay", "RdS_E", 40, 220},
    {"LED_DelayTime", "IB_DelayTime", "rb_DelayTime", "RdS_D", 68, 140},
    {"LED_NoDelay", "IB_NoDelay", "rb_NoDelay", "RdS_D", 96, 220},
    {"Img_ReleaseStop", "IB_ReleaseStop", "rb_ReleaseStop", "RdS_D", 136, 220},
    {"Img_ReleaseContiue", "IB_ReleaseContiue", "rb_ReleaseContinue", "RdS_E", 164, 220},
    {"Img_CircleTimes", "IB_CircleTimes", "rb_CircleTimes", "RdS_D", 204, 140},
    {"Img_CircleAll", "IB_CircleAll", "rb_CircleAll", "RdS_D", 232, 220},
}};

// The insert panel's delay options; their captions begin with blanks that clear the indicator.
const std::array<Option, 3> kInsertOptions = {{
    {"LED_InsertRecDelay", "IB_InsertRecDelay", "rb_InsertRecDelay", "RdS_E", 56, 120},
    {"LED_InsertDelayTime", "IB_InsertDelayTime", "rb_InsertDelayTime", "RdS_D", 82, 120},
    {"LED_InsertNoDelay", "IB_InsertNoDelay", "rb_InsertNoDelay", "RdS_D", 108, 120},
}};

const std::array<const char*, 7> kLibraryButtons = {
    "Btn_NewMacro", "Btn_NewName",   "Btn_DelPCMacro", "Btn_ImportOne",
    "Btn_Import",   "Btn_ExportOne", "Btn_Export"};
const std::array<const char*, 3> kStepButtons = {"Btn_Edit", "Btn_Del", "Btn_Insert"};

void Clickable(QWidget* w) {
    if (w != nullptr)
        w->setCursor(Qt::PointingHandCursor);
}

void AddOption(SkinControls& c, QWidget* page, const char* group, const Option& o,
               QButtonGroup* holders, int left) {
    c.Add({o.image, K::Image, left + 2, o.top, 0, 0, o.art, group}, page);
    const bool insert = std::string_view(o.label).starts_with("IB_Insert");
    Clickable(c.Add({o.label, K::Caption, left, insert ? o.top : o.top - 3, o.labelWidth,
                     insert ? 16 : 20, nullptr, group},
                    page));
    if (!insert)
        if (SkinLabel* l = c.Label(o.label))
            l->setIndent(22);
    if (auto* r = qobject_cast<QAbstractButton*>(c.Add({o.holder, K::Radio}, page)))
        if (holders != nullptr)
            holders->addButton(r);
}

QLineEdit* AddEdit(SkinControls& c, QWidget* page, const char* name, int x, int y, int w,
                   const char* text, int maxLength, const char* parent, bool visible = true) {
    auto* e = qobject_cast<QLineEdit*>(
        c.Add({name, K::Edit, x, y, w, 22, nullptr, parent, visible}, page));
    if (e != nullptr) {
        e->setText(text);
        e->setMaxLength(maxLength);
    }
    return e;
}

// A label that names the field right of it.
void AddFieldLabel(SkinControls& c, QWidget* page, const char* name, int x, int y, int w,
                   bool visible) {
    c.Add({name, K::Caption, x, y, w, 20, nullptr, "Gb_Insert", visible}, page);
    if (SkinLabel* l = c.Label(name))
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void AddPopup(SkinControls& c, QWidget* page, const char* panel,
              std::span<const char* const> buttons) {
    const int rows = static_cast<int>(buttons.size());
    QWidget* p = c.Add(
        {panel, K::Panel, 0, 0, kPopupWidth, rows * kPopupRow + 2, nullptr, nullptr, false}, page);
    if (p == nullptr)
        return;
    c.SetBackground(p, QColor(38, 41, 46));
    c.SetBorder(p, QColor(70, 74, 80));
    for (int i = 0; i < rows; ++i) {
        const char* name = buttons[static_cast<std::size_t>(i)];
        Clickable(c.Add(
            {name, K::Caption, 1, 1 + i * kPopupRow, kPopupWidth - 2, kPopupRow, nullptr, panel},
            page));
        if (SkinLabel* l = c.Label(name)) {
            l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            l->setIndent(10);
        }
    }
}

void BuildLists(SkinControls& c, QWidget* page) {
    c.Add({"lbl_Marco_List", K::Caption, 223, 182, 200, 22}, page);
    c.Add({"lbl_Marco_Content", K::Caption, 485, 182, 230, 22}, page);
    for (const auto& [name, x, w] :
         {std::tuple{"LB_PCMacroName", 217, 230}, std::tuple{"LB_macro", 479, 240}}) {
        auto* list = qobject_cast<QListWidget*>(c.Add({name, K::List, x, 214, w, 272}, page));
        if (list == nullptr)
            continue;
        list->setUniformItemSizes(true);
        list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }
    // The names of the mouse's macro slots, kept for the button menus.
    c.Add({"LB_MacroName", K::List, 217, 214, 230, 272, nullptr, nullptr, false}, page);

    // New and Delete under the names, Record under the steps.
    c.Add({"Img_New", K::Image, 217, 497, 0, 0, "MacroS_01"}, page);
    Clickable(c.Add({"Btn_New", K::Caption, 217, 497, 110, 27}, page));
    c.Add({"Img_Delete", K::Image, 337, 497, 0, 0, "MacroS_01"}, page);
    // The layout colours New and Record but not Delete; it takes their designed colour.
    if (QWidget* del = c.Add({"Btn_Delete", K::Caption, 337, 497, 110, 27}, page)) {
        Clickable(del);
        c.SetTextColour(del, QColor(222, 226, 232));
    }
    c.Add({"Img_Start", K::Image, 543, 496, 0, 0, "MacroS_03"}, page);
    Clickable(c.Add({"Btn_Start", K::Caption, 543, 496, 112, 30}, page));

    // The right-click menus of the two lists.
    AddPopup(c, page, "Pnl_PCMacro", kLibraryButtons);
    AddPopup(c, page, "Pnl_DevContent", kStepButtons);
}

void BuildDelayGroup(SkinControls& c, QWidget* page) {
    c.Add({"Gb_Delay", K::Group, 741, 179, 242, 354}, page);
    auto* delay = new QButtonGroup(page);
    auto* release = new QButtonGroup(page);
    for (std::size_t i = 0; i < kDelayOptions.size(); ++i) {
        // The two loop options may both be off, so they are not one exclusive group.
        QButtonGroup* holders = i < 3 ? delay : (i < 5 ? release : nullptr);
        AddOption(c, page, "Gb_Delay", kDelayOptions[i], holders, 14);
    }
    for (const char* loop : {"rb_CircleTimes", "rb_CircleAll"})
        if (auto* r = c.Get<QAbstractButton>(loop))
            r->setAutoExclusive(false);
    // Recorded delays, play to the end, no loop.
    for (const char* on : {"rb_RecDelay", "rb_ReleaseContinue"})
        if (auto* r = c.Get<QAbstractButton>(on))
            r->setChecked(true);

    // The fixed delay beside its option, the loop count beside its own.
    AddEdit(c, page, "Edt_Delay", 160, 64, 44, "32", 4, "Gb_Delay");
    c.Add({"lbl_MS", K::Caption, 208, 65, 30, 20, nullptr, "Gb_Delay"}, page);
    AddEdit(c, page, "Edt_Circle_Times", 160, 200, 44, "8", 3, "Gb_Delay");
}

void BuildInsertPanel(SkinControls& c, QWidget* page) {
    c.Add({"Img_InsertBase", K::Image, 758, 214, 0, 0, "InsertDelayBase", nullptr, false}, page);
    c.Add({"Gb_Insert", K::Group, 748, 204, 227, 215, nullptr, nullptr, false}, page);
    if (auto* what = qobject_cast<QComboBox*>(
            c.Add({"CB_Insert", K::Combo, 20, 20, 187, 24, nullptr, "Gb_Insert"}, page))) {
        for (int i = 0; i < 8; ++i)
            what->addItem(QString());
        what->setCurrentIndex(0);
        Clickable(what);
    }
    // The panel opens on its first choice, a delay: the options and Record belong to the key
    // choices and start hidden.
    auto* holders = new QButtonGroup(page);
    for (const Option& o : kInsertOptions) {
        AddOption(c, page, "Gb_Insert", o, holders, 22);
        for (const char* name : {o.image, o.label})
            if (QWidget* w = c.Find(name))
                w->hide();
    }
    if (auto* r = c.Get<QAbstractButton>("rb_InsertRecDelay"))
        r->setChecked(true);

    AddFieldLabel(c, page, "lbl_Delay", 72, 81, 70, true);
    AddEdit(c, page, "Edt_InsertDelay", 146, 79, 40, "50", 5, "Gb_Insert");
    c.Add({"lbl_s_A", K::Caption, 190, 81, 26, 20, nullptr, "Gb_Insert"}, page);
    // X, Y and repeat values share the place; one shows at a time.
    for (const auto& [label, edit, text] : {std::tuple{"lbl_XAxisValue", "edt_XAxisValue", "12"},
                                            std::tuple{"lbl_YAxisValue", "edt_YAxisValue", "12"},
                                            std::tuple{"lbl_Repeat", "edt_Repeat", "1"}}) {
        AddFieldLabel(c, page, label, 82, 81, 60, false);
        AddEdit(c, page, edit, 146, 79, 40, text, 4, "Gb_Insert", false);
    }

    c.Add({"Img_InsertStart", K::Image, 20, 136, 0, 0, "MacroS_01", "Gb_Insert", false}, page);
    Clickable(c.Add({"Btn_InsertStart", K::Caption, 20, 136, 110, 27, nullptr, "Gb_Insert", false},
                    page));
    c.Add({"Img_OK", K::Image, 125, 184, 0, 0, "MacroBtnS_01", "Gb_Insert"}, page);
    Clickable(c.Add({"Btn_OK", K::Caption, 125, 184, 44, 27, nullptr, "Gb_Insert"}, page));
    c.Add({"Img_Cancel", K::Image, 173, 184, 0, 0, "MacroBtnS_01", "Gb_Insert"}, page);
    Clickable(c.Add({"Btn_Cancel", K::Caption, 173, 184, 44, 27, nullptr, "Gb_Insert"}, page));
}

} // namespace

void BuildMacroPage(SkinControls& c, QWidget* page) {
    BuildLists(c, page);
    BuildDelayGroup(c, page);
    BuildInsertPanel(c, page);
    // The menus open over everything else on the page.
    for (const char* popup : {"Pnl_PCMacro", "Pnl_DevContent"})
        if (QWidget* p = c.Find(popup))
            p->raise();
}

} // namespace orln7a
