#include "ui/display_set.h"

#include "app/tform1.h"
#include "ui/language_captions.h"
#include "ui/message_seam.h"
#include "ui/page_controls.h"
#include "ui/resource_catalogue.h"
#include "ui/skin_controls.h"
#include "ui/skin_images.h"
#include "ui/skin_label.h"
#include "ui/skin_slider.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>

#include <array>

namespace orln7a {

namespace {

// Start-up pictures, always of set 1: image control, first artwork.
struct StartArt {
    QString art;
    std::vector<QString> controls;
};

std::vector<QString> Copies(const QString& stem) {
    std::vector<QString> names;
    for (int n = 1; n <= 4; ++n)
        names.push_back(QString("%1_%2").arg(stem).arg(n));
    return names;
}

std::vector<QString> Numbered(const QString& stem, int first, int last, const QString& tail = {}) {
    std::vector<QString> names;
    for (int k = first; k <= last; ++k)
        names.push_back(QString("%1%2%3").arg(stem).arg(k).arg(tail));
    return names;
}

std::vector<StartArt> StartArtwork() {
    std::vector<StartArt> rows;
    StartArt buttons{"BtnS_01", {"Img_FireConfirm", "Img_FireExit"}};
    for (const char* stem : {"Img_Confirm", "Img_Apply", "Img_Read", "Img_Confirm1", "Img_Confirm2",
                             "Img_Confirm3", "Img_Save", "Img_Load"})
        for (const QString& n : Copies(stem))
            buttons.controls.push_back(n);
    rows.push_back(buttons);
    rows.push_back({"ExitS_01", Copies("Img_Exit")});
    rows.push_back({"MiniS_01", Copies("Img_Mini")});
    rows.push_back({"SetS_03", Copies("Img_Main")});
    StartArt pages{"SetS_01", {}};
    for (const char* stem : {"Img_Second", "Img_Adv", "Img_Breath", "Img_Macro"})
        for (const QString& n : Copies(stem))
            pages.controls.push_back(n);
    rows.push_back(pages);
    rows.push_back({"Lang_03", Copies("Img_Lang1")});
    StartArt langs{"Lang_01", Copies("Img_Lang2")};
    for (const QString& n : Copies("Img_Lang3"))
        langs.controls.push_back(n);
    rows.push_back(langs);
    rows.push_back({"KeyS_01", Numbered("Img_Key", 1, 9)});
    rows.push_back({"WebS_01", Copies("Img_Web")});
    StartArt checks{"CbS_D", Numbered("Img_ComboKey", 1, 3)};
    for (const QString& n : Numbered("Img_FireRKFS", 1, 3))
        checks.controls.push_back(n);
    rows.push_back(checks);
    StartArt frames{"Col_F", Numbered("Img_DPI", 1, 7, "Col")};
    for (const QString& n : Numbered("Img_FireColor", 1, 3))
        frames.controls.push_back(n);
    rows.push_back(frames);
    rows.push_back({"Bar1_E", {"Img_MCULEDNum_1", "Img_MCULEDStep_1"}});
    rows.push_back(
        {"RdS_D",
         {"LED_DelayTime", "LED_NoDelay", "Img_ReleaseStop", "Img_CircleTimes", "Img_CircleAll"}});
    rows.push_back({"RdS_E", {"LED_RecDelay", "Img_ReleaseContiue"}});
    rows.push_back({"MacroS_01", {"Img_New", "Img_Delete", "Img_InsertStart"}});
    rows.push_back({"MacroS_03", {"Img_Start"}});
    rows.push_back({"MacroBtnS_01", {"Img_OK", "Img_Cancel"}});
    rows.push_back({"Gun1_02", {"Img_Fire1"}});
    for (int k = 2; k <= 7; ++k)
        rows.push_back({QString("Gun%1_01").arg(k), {QString("Img_Fire%1").arg(k)}});
    for (int k = 1; k <= 5; ++k)
        rows.push_back({QString("GunMode%1").arg(k), {QString("Img_GunMode%1").arg(k)}});
    return rows;
}

} // namespace

DisplaySet::DisplaySet(TForm1& form) : form_(form) {}

LayoutInputs DisplaySet::MeasuredInputs() {
    LayoutInputs in = DefaultLayoutInputs();
    for (auto& [name, size] : in.imageSizes) {
        const QImage image = SkinImage(QString::fromStdString(name));
        if (!image.isNull())
            size = {image.width(), image.height()};
    }
    return in;
}

QString DisplaySet::PanelArt(int page) const {
    return QString("L%1_Back%2").arg(form_.languageIndex()).arg(page);
}

void DisplaySet::LoadSkinImages() {
    SkinControls& c = form_.controls();
    form_.SetBackgroundArt("L1_BackGround");
    for (int p = 1; p <= 5; ++p)
        c.SetArt(QString("Img_P%1").arg(p), QString("L1_Back%1").arg(p));
    for (const StartArt& row : StartArtwork())
        for (const QString& name : row.controls)
            c.SetArt(name, row.art);
    if (auto* r = c.Get<QAbstractButton>("rb_ReleaseContinue"))
        r->setChecked(true);
}

Status DisplaySet::ApplyDisplaySet() {
    const int n = form_.languageIndex();
    const auto bytes = OpenDataResource("ORG" + std::to_string(n));
    if (!bytes)
        return MakeError("", "layout table ORG" + std::to_string(n) + " is not built in");
    const SettingsText text = SettingsText::Parse(*bytes);
    const SettingsSection* section = text.Section("org" + std::to_string(n));
    if (section == nullptr)
        return MakeError("", "layout table ORG" + std::to_string(n) + " has no section");
    return ApplyDisplaySet(*section);
}

Status DisplaySet::ApplyDisplaySet(const SettingsSection& layout) {
    const int n = form_.languageIndex();
    LayoutInputs inputs = MeasuredInputs();
    const OemSettings& oem = form_.oemSettings();
    inputs.numOrderDescending = oem.numOrder == 1;
    inputs.gdEnable = oem.gdEnable;
    inputs.gamingProfile = form_.SelectorChecked("rb_2");
    inputs.dpiCount = oem.dpiCount;
    auto plan = PlanDisplaySet(layout, inputs);
    if (!plan)
        return plan.error();
    plan_ = std::move(*plan);

    SkinControls& c = form_.controls();
    const QString set = QString("L%1_").arg(n);
    form_.SetBackgroundArt(set + "BackGround");
    if (form_.SelectorChecked("rb_1") || form_.SelectorChecked("rb_2"))
        c.SetArt("Img_P1", PanelArt(1));
    else if (form_.SelectorChecked("rb_4"))
        c.SetArt("Img_P2", PanelArt(2));
    else if (form_.SelectorChecked("rb_5"))
        c.SetArt("Img_P3", PanelArt(3));
    else if (form_.SelectorChecked("rb_6"))
        c.SetArt("Img_P4", PanelArt(4));
    c.SetArt("Img_P5", PanelArt(5));

    unknownControls_ = c.Apply(plan_);
    ApplyMenuWidths();
    const QPixmap thumb = SkinPixmap("Slider_Thumb"), ruler = SkinPixmap("Slider_Ruler");
    for (QWidget* w : c.all())
        if (auto* slider = qobject_cast<SkinSlider*>(w))
            slider->SetArtwork(thumb, ruler);
    ApplyLanguage();
    return Ok();
}

void DisplaySet::ApplyMenuWidths() {
    SkinControls& c = form_.controls();
    for (const char* panelName : kMenuPanels) {
        QWidget* panel = c.Find(panelName);
        if (panel == nullptr)
            continue;
        const int width = panel->width();
        for (QWidget* child : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            // Entries and arrows share the menu's font size and text colour.
            QFont font = child->font();
            font.setPointSize(std::max(1, plan_.colours.menuFontSize));
            child->setFont(font);
            c.SetTextColour(child, ToQColor(plan_.colours.menuText));
            if (child->objectName().startsWith("Key_"))
                child->resize(width - 4, child->height());
            // The arrows of the main menu mark its entries that open a submenu.
            else if (child->objectName().startsWith("ST_") && QString(panelName) == "Pnl_Main")
                child->move(plan_.colours.mainMenuWidth - 24, child->y());
        }
    }
    if (QWidget* panel = c.Find("Pnl_PCMacro"))
        for (QWidget* child : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (child->objectName().startsWith("Btn_"))
                child->resize(panel->width() - 2, child->height());
}

void DisplaySet::ApplyLanguage() {
    SkinControls& c = form_.controls();
    fontName_ = form_.LanguageText("FontName");
    c.SetFontFamily(fontName_);
    title_ = form_.LanguageText("Title");
    const std::string bullet = form_.LanguageText("Str200").toStdString();
    for (const CaptionEntry& e : LanguageCaptions()) {
        std::string text =
            CaptionText(e, form_.LanguageText(QString::fromLatin1(e.key)).toStdString(), bullet);
        const QString name = QString::fromLatin1(e.control);
        if ((name == "IB_ReleaseStop" && plan_.wrapReleaseStop) ||
            (name == "IB_ReleaseContiue" && plan_.wrapReleaseContinue))
            text = WrapAtDash(text);
        const QString caption = QString::fromStdString(text);
        switch (e.form) {
        case CaptionEntry::Form::Copies:
            for (const QString& copy : Copies(name))
                c.SetCaption(copy, caption);
            break;
        case CaptionEntry::Form::ComboItem:
            if (auto* combo = c.Get<QComboBox>(name)) {
                while (combo->count() <= e.index)
                    combo->addItem(QString());
                combo->setItemText(e.index, caption);
            }
            break;
        case CaptionEntry::Form::LeftPlain:
            c.SetCaption(name, caption);
            if (auto* label = c.Label(name))
                label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            break;
        default:
            c.SetCaption(name, caption);
            break;
        }
    }
    // The nine button labels are named afresh from their codes, so every name follows.
    form_.RefreshKeyCaptions();
}

void DisplaySet::SelectLanguage(int n) {
    if (n < 1 || n > 3)
        return;
    SkinControls& c = form_.controls();
    for (int lang = 1; lang <= 3; ++lang)
        for (const QString& img : Copies(QString("Img_Lang%1").arg(lang)))
            c.SetArt(img, lang == n ? "Lang_03" : "Lang_01");
    form_.CheckSelector(QString("rb_Lang%1").arg(n));
    auto* insert = c.Get<QComboBox>("CB_Insert");
    const int insertItem = insert ? insert->currentIndex() : -1;
    if (QWidget* delay = c.Find("Gb_Delay"))
        delay->hide();
    const int before = form_.languageIndex();
    form_.SetLanguageIndex(n);
    if (const Status applied = ApplyDisplaySet(); !applied) {
        // A broken table must not leave half a display set: back to the one that worked.
        form_.SetLanguageIndex(before);
        (void)ApplyDisplaySet();
        Dialogs().ShowMessage(&form_, title_, QString::fromStdString(applied.error().detail));
    }
    if (insert)
        insert->setCurrentIndex(insertItem);
    form_.SetApplicationTitle(title_);
    form_.RefreshAPPage();
    form_.ResetRolling(QString("Btn_Lang%1_1").arg(n));
}

} // namespace orln7a
