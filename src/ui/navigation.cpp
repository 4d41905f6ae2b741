#include "ui/navigation.h"

#include "app/device_controller.h"
#include "app/tform1.h"
#include "ui/display_set.h"
#include "ui/page_controls.h"
#include "ui/skin_controls.h"
#include "ui/skin_label.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QTimer>
#include <QUrl>
#include <QWindow>

#include <array>

namespace orln7a {

namespace {

constexpr int kLabelRunMs = 200;

const std::array<const char*, 8> kActionStems = {"Confirm",  "Apply",    "Read", "Confirm1",
                                                 "Confirm2", "Confirm3", "Save", "Load"};
const std::array<const char*, 5> kPageStems = {"Main", "Second", "Adv", "Breath", "Macro"};
QString Copy(const QString& stem, int n) {
    return QString("%1_%2").arg(stem).arg(n);
}

} // namespace

Navigation::Navigation(TForm1& form) : QObject(&form), form_(form) {
    labelRun_ = new QTimer(this);
    labelRun_->setObjectName("LabelRun");
    labelRun_->setInterval(kLabelRunMs);
    connect(labelRun_, &QTimer::timeout, this, &Navigation::LabelRunTimer);
}

void Navigation::WireFamily(const QString& stem, bool copies) {
    SkinControls& c = form_.controls();
    const int count = copies ? 4 : 1;
    for (int n = 1; n <= count; ++n) {
        const QString name = copies ? Copy("Btn_" + stem, n) : stem;
        SkinLabel* label = c.Label(name);
        if (label == nullptr)
            continue;
        connect(label, &SkinLabel::entered, this, [this, label] { StartRolling(label); });
        connect(label, &SkinLabel::left, this, [this] { StopRolling(); });
    }
}

void Navigation::Wire() {
    SkinControls& c = form_.controls();
    auto each = [&c](const QString& stem, auto&& fn) {
        for (int n = 1; n <= 4; ++n)
            if (SkinLabel* l = c.Label(Copy("Btn_" + stem, n)))
                fn(l, n);
    };
    // Action buttons: the pointer lights all four copies.
    for (const char* stem : kActionStems) {
        const QString img = QString("Img_") + stem;
        each(stem, [&](SkinLabel* l, int) {
            connect(l, &SkinLabel::entered, this, [&c, img] {
                for (int k = 1; k <= 4; ++k)
                    c.SetArt(Copy(img, k), "BtnS_02");
            });
            connect(l, &SkinLabel::left, this, [&c, img] {
                for (int k = 1; k <= 4; ++k)
                    c.SetArt(Copy(img, k), "BtnS_01");
            });
        });
        WireFamily(stem, true);
    }
    // Page buttons: this copy lit; on leaving the selected page's button is selected again.
    const std::array<void (Navigation::*)(), 5> pageClicks = {
        &Navigation::Btn_Main_0Click, &Navigation::Btn_Second_0Click, &Navigation::Btn_Adv_0Click,
        &Navigation::Btn_Breath_0Click, &Navigation::Btn_Macro_0Click};
    for (std::size_t i = 0; i < kPageStems.size(); ++i) {
        const QString stem = kPageStems[i];
        each(stem, [&, stem, i](SkinLabel* l, int n) {
            const QString img = Copy("Img_" + stem, n);
            connect(l, &SkinLabel::entered, this, [&c, img] { c.SetArt(img, "SetS_02"); });
            connect(l, &SkinLabel::left, this, [this, &c, img] {
                c.SetArt(img, "SetS_01");
                if (form_.noDeviceState())
                    return;
                const QString selected = SelectedPageStem();
                for (int k = 1; k <= 4; ++k)
                    c.SetArt(Copy("Img_" + selected, k), "SetS_03");
            });
            connect(l, &SkinLabel::clicked, this, pageClicks[i]);
        });
        WireFamily(stem, true);
    }
    // Language buttons.
    for (int lang = 1; lang <= 3; ++lang) {
        const QString stem = QString("Lang%1").arg(lang);
        each(stem, [&, stem, lang](SkinLabel* l, int n) {
            const QString img = Copy("Img_" + stem, n);
            connect(l, &SkinLabel::entered, this, [&c, img] { c.SetArt(img, "Lang_02"); });
            connect(l, &SkinLabel::left, this, [this, &c, img] {
                c.SetArt(img, "Lang_01");
                for (int chosen = 1; chosen <= 3; ++chosen)
                    if (form_.SelectorChecked(QString("rb_Lang%1").arg(chosen)))
                        for (int k = 1; k <= 4; ++k)
                            c.SetArt(Copy(QString("Img_Lang%1").arg(chosen), k), "Lang_03");
            });
            connect(l, &SkinLabel::clicked, this,
                    [this, lang] { form_.displaySet().SelectLanguage(lang); });
        });
        WireFamily(stem, true);
    }
    // Close and minimise light all copies.
    for (const auto& [stem, normal, over] : std::array<std::array<const char*, 3>, 2>{
             {{"Exit", "ExitS_01", "ExitS_02"}, {"Mini", "MiniS_01", "MiniS_02"}}}) {
        const QString img = QString("Img_") + stem;
        const QString overArt = over, normalArt = normal;
        each(stem, [&, img, overArt, normalArt](SkinLabel* l, int) {
            connect(l, &SkinLabel::entered, this, [&c, img, overArt] {
                for (int k = 1; k <= 4; ++k)
                    c.SetArt(Copy(img, k), overArt);
            });
            connect(l, &SkinLabel::left, this, [&c, img, normalArt] {
                for (int k = 1; k <= 4; ++k)
                    c.SetArt(Copy(img, k), normalArt);
            });
        });
        WireFamily(stem, true);
    }
    each("Exit", [this](SkinLabel* l, int) {
        connect(l, &SkinLabel::clicked, &form_, &TForm1::Btn_Exit_0Click);
    });
    each("Mini", [this](SkinLabel* l, int) {
        connect(l, &SkinLabel::clicked, this, &Navigation::Btn_Minimize_0Click);
    });
    // The web link answers only while a mouse is connected; it does not roll.
    each("Web", [&](SkinLabel* l, int) {
        auto setAll = [this, &c](const char* art) {
            if (form_.noDeviceState())
                return;
            for (int k = 1; k <= 4; ++k)
                c.SetArt(Copy("Img_Web", k), art);
        };
        connect(l, &SkinLabel::entered, this, [setAll] { setAll("WebS_03"); });
        connect(l, &SkinLabel::left, this, [setAll] { setAll("WebS_01"); });
        connect(l, &SkinLabel::pressed, this, [setAll] { setAll("WebS_02"); });
        connect(l, &SkinLabel::clicked, this, &Navigation::Btn_Web_0Click);
    });
    // The nine button labels.
    for (int k = 1; k <= 9; ++k) {
        SkinLabel* l = c.Label(QString("Key%1").arg(k));
        if (l == nullptr)
            continue;
        const QString img = QString("Img_Key%1").arg(k);
        connect(l, &SkinLabel::entered, this, [&c, img] { c.SetArt(img, "KeyS_02"); });
        connect(l, &SkinLabel::left, this, [&c, img] { c.SetArt(img, "KeyS_01"); });
        WireFamily(l->objectName(), false);
    }
}

QString Navigation::SelectedPageStem() const {
    if (form_.SelectorChecked("rb_2"))
        return "Second";
    if (form_.SelectorChecked("rb_4"))
        return "Adv";
    if (form_.SelectorChecked("rb_5"))
        return "Breath";
    if (form_.SelectorChecked("rb_6"))
        return "Macro";
    return "Main";
}

void Navigation::ButtonTypeB_1IconInit() {
    for (const char* stem : kPageStems)
        for (int n = 1; n <= 4; ++n)
            form_.controls().SetArt(Copy(QString("Img_") + stem, n), "SetS_01");
}

void Navigation::HideAllMenu() {
    SkinControls& c = form_.controls();
    for (const char* panel : kMenuPanels)
        if (QWidget* w = c.Find(panel))
            w->hide();
    if (QWidget* names = c.Find("LB_Name"))
        names->hide();
}

void Navigation::ShowMacroGroups() {
    SkinControls& c = form_.controls();
    for (const char* name : {"Gb_Insert", "Img_InsertBase"})
        if (QWidget* w = c.Find(name))
            w->setVisible(macroInserting_);
    if (QWidget* delay = c.Find("Gb_Delay"))
        delay->setVisible(!macroInserting_);
}

void Navigation::PageButtonClick(Page page) {
    if (!form_.device().deviceOpen()) {
        form_.RefreshFormMessagDialog(form_.LanguageText("Str020"));
        return;
    }
    if (form_.noDeviceState())
        return;
    SkinControls& c = form_.controls();
    HideAllMenu();
    ButtonTypeB_1IconInit();
    static const std::array<const char*, 5> selectors = {"rb_1", "rb_2", "rb_4", "rb_5", "rb_6"};
    const auto index = static_cast<std::size_t>(page);
    form_.CheckSelector(selectors[index]);
    const OemSettings& oem = form_.oemSettings();
    QWidget* mainMenu = c.Find("Pnl_Main");
    auto setGunHint = [&c](bool shown) {
        for (const char* name : {"IB_ComboKey3", "Img_ComboKey3"})
            if (QWidget* w = c.Find(name))
                w->setVisible(shown);
    };
    int pageNumber = 1;
    switch (page) {
    case Page::Main:
        form_.state().store.keyMode = 0;
        if (mainMenu)
            mainMenu->resize(mainMenu->width(), oem.mainPnlHeightWithNoGun);
        setGunHint(false);
        break;
    case Page::Second:
        form_.state().store.keyMode = 1;
        if (mainMenu)
            mainMenu->resize(mainMenu->width(),
                             oem.gdEnable ? oem.mainPnlHeightWithGun : oem.mainPnlHeightWithNoGun);
        setGunHint(oem.gdEnable && form_.displaySet().comboKey3Enabled());
        break;
    case Page::Adv:
        pageNumber = 2;
        break;
    case Page::Breath:
        pageNumber = 3;
        break;
    case Page::Macro:
        pageNumber = 4;
        ShowMacroGroups();
        break;
    }
    form_.ShowPage(pageNumber);
    // Page 1's closing step: the nine labels show the chosen key mode.
    if (pageNumber == 1)
        form_.RefreshKeyCaptions();
    const QString stem = kPageStems[index];
    for (int n = 1; n <= 4; ++n)
        c.SetArt(Copy("Img_" + stem, n), "SetS_03");
    c.SetArt(QString("Img_P%1").arg(pageNumber), form_.displaySet().PanelArt(pageNumber));
}

void Navigation::Btn_Main_0Click() {
    PageButtonClick(Page::Main);
}
void Navigation::Btn_Second_0Click() {
    PageButtonClick(Page::Second);
}
void Navigation::Btn_Adv_0Click() {
    PageButtonClick(Page::Adv);
}
void Navigation::Btn_Breath_0Click() {
    PageButtonClick(Page::Breath);
}
void Navigation::Btn_Macro_0Click() {
    PageButtonClick(Page::Macro);
}

void Navigation::RefreshAPPage() {
    if (form_.noDeviceState()) {
        form_.ShowPage(1);
        return;
    }
    if (form_.SelectorChecked("rb_1")) {
        form_.ShowPage(1);
    } else if (form_.SelectorChecked("rb_4")) {
        form_.ShowPage(2);
    } else if (form_.SelectorChecked("rb_5")) {
        form_.ShowPage(3);
    } else if (form_.SelectorChecked("rb_6")) {
        form_.ShowPage(4);
        ShowMacroGroups();
    }
}

void Navigation::SelectPage(int page) {
    static const std::array<const char*, 4> selectors = {"rb_1", "rb_4", "rb_5", "rb_6"};
    if (page < 1 || page > 5)
        return;
    if (page == 5) {
        form_.ShowPage(5);
        return;
    }
    form_.CheckSelector(selectors[static_cast<std::size_t>(page - 1)]);
    RefreshAPPage();
}

void Navigation::ShowNoDevicePage() {
    form_.ShowPage(1);
    ButtonTypeB_1IconInit();
    for (int n = 1; n <= 4; ++n)
        form_.controls().SetArt(Copy("Img_Main", n), "SetS_03");
}

void Navigation::Btn_Minimize_0Click() {
    form_.showMinimized();
}

void Navigation::Btn_Web_0Click() {
    const OemSettings& oem = form_.oemSettings();
    if (!oem.webEnable || oem.web.empty())
        return;
    QDesktopServices::openUrl(QUrl::fromUserInput(QString::fromStdString(oem.web)));
}

void Navigation::StartRolling(SkinLabel* label) {
    rollName_ = label->objectName();
    rollCaption_ = label->text();
    rollText_ = rollCaption_;
    rollCounter_ = 0;
    if (label->isEnabled())
        labelRun_->start();
}

void Navigation::StopRolling() {
    labelRun_->stop();
    if (rollName_.isEmpty())
        return;
    form_.controls().SetCaption(rollName_, rollCaption_);
    rollName_.clear();
}

void Navigation::ResetRolling(const QString& labelName) {
    // The label under the pointer keeps rolling, from its caption in the new language, and
    // gets that caption back when the pointer leaves.
    if (rollName_.isEmpty())
        return;
    (void)labelName;
    rollCaption_ = form_.controls().CaptionOf(rollName_);
    rollText_ = rollCaption_;
    rollCounter_ = 0;
}

void Navigation::LabelRunTimer() {
    if (!form_.oemSettings().trEnable || rollName_.isEmpty() || rollText_.isEmpty())
        return;
    if (++rollCounter_ > 20)
        rollCounter_ = 2;
    const QString first = rollText_.left(1), rest = rollText_.mid(1);
    rollText_ = rollCounter_ == 1 ? rest + "    " + first : rest + first;
    form_.controls().SetCaption(rollName_, rollText_);
}

} // namespace orln7a
