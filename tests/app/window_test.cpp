// The whole window driven by objectName against the simulated mouse: start-up, navigation and
// its no-device guard, language switching, the layout pass, the action buttons.

#include "app/device_controller.h"
#include "app/tform1.h"
#include "device/simulated_backend.h"
#include "image/section_checks.h"
#include "test_dialogs.h"
#include "ui/display_set.h"
#include "ui/language_table.h"
#include "ui/navigation.h"
#include "ui/resource_catalogue.h"
#include "ui/skin_controls.h"
#include "ui/skin_label.h"

#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>
#include <fstream>
#include <functional>

using namespace orln7a;

namespace {

// A window over a simulated HID system; `plugged` puts the mouse in before start-up.
struct Window {
    explicit Window(bool plugged, LoadedOemSettings oem = *LoadOemSettings()) {
        auto clockOwned = std::make_unique<FakeClock>();
        clock = clockOwned.get();
        mouse = std::make_shared<SimulatedMouse>(*clockOwned);
        auto backendOwned = std::make_unique<SimulatedHidBackend>();
        backend = backendOwned.get();
        if (plugged)
            Plug();
        form = std::make_unique<TForm1>(
            oem, DeviceSetup{std::move(backendOwned), std::move(clockOwned)});
        form->show();
    }
    void Plug() { backend->Plug({SimulatedHidBackend::MouseInterfaceInfo("/dev/sim"), mouse}); }
    // One polling tick, as the timers give them.
    void Poll() { form->device().DevTimerTimer(); }
    SkinControls& c() { return form->controls(); }
    void Click(const QString& name) {
        SkinLabel* label = c().Label(name);
        QVERIFY2(label, qPrintable(name));
        QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
    }
    QString Caption(const QString& name) { return c().CaptionOf(name); }

    FakeClock* clock = nullptr;
    std::shared_ptr<SimulatedMouse> mouse;
    SimulatedHidBackend* backend = nullptr;
    std::unique_ptr<TForm1> form;
};

QString Text(int table, const char* key) {
    return QString::fromStdString(
        BuiltInLanguageTables()[static_cast<std::size_t>(table - 1)].Text(key));
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

    testing::RecordingDialogs dialogs;

private slots:
    void init() { dialogs.messages.clear(); }

    void startUpEndsInTheNoDeviceStateWithEveryControlOfEverySet() {
        Window w(false);
        QVERIFY(w.form->noDeviceState());
        QVERIFY(w.form->BusyOverlayVisible());
        QCOMPARE(w.form->currentPage(), 1);
        QVERIFY(!w.form->devTimer()->isActive() && !w.form->devTimerFirst()->isActive());
        for (int n = 1; n <= 4; ++n) {
            QCOMPARE(w.c().ArtOf(QString("Img_Main_%1").arg(n)), QString("SetS_03"));
            QCOMPARE(w.c().ArtOf(QString("Img_Macro_%1").arg(n)), QString("SetS_01"));
            QCOMPARE(w.c().ArtOf(QString("Img_Lang1_%1").arg(n)), QString("Lang_03"));
            QCOMPARE(w.Caption(QString("Btn_Apply_%1").arg(n)), QString("Apply"));
        }
        // The editors show the first default image.
        QCOMPARE(w.Caption("Key1"), QString("Left Click"));
        QCOMPARE(w.Caption("Key6"), QString("DPI +"));
        QCOMPARE(w.form->applicationTitle(), QString("Corvane Gaming Mouse"));
        QCOMPARE(w.Caption("Key_Standard"), QString(" * Standard Mouse Keys"));
        // Every control a layout table places exists, in all three sets.
        for (int set = 1; set <= 3; ++set) {
            w.form->displaySet().SelectLanguage(set);
            QVERIFY2(w.form->displaySet().unknownControls().isEmpty(),
                     qPrintable(w.form->displaySet().unknownControls().join(' ')));
        }
        QVERIFY(dialogs.messages.isEmpty());

        w.form->CreateLoadingWindow();
        QVERIFY(w.form->devTimerFirst()->isActive());
    }

    void pagesWithoutAMouseExplainAndStayOnPageOne() {
        Window w(false);
        w.Click("Btn_Breath_1");
        QCOMPARE(dialogs.messages, QStringList{"Finding the specified device"});
        QCOMPARE(w.form->currentPage(), 1);
        // Leaving a page button in the no-device state selects nothing.
        QCOMPARE(w.c().ArtOf("Img_Breath_1"), QString("SetS_01"));
        w.Click("Btn_Apply_2");
        w.Click("Btn_Confirm_1");
        QCOMPARE(dialogs.messages.size(), 3);
        QVERIFY(w.form->isVisible()); // "Confirm" without a mouse keeps the window
    }

    void theMouseIsFoundReadAndThePagesSwitch() {
        Window w(true);
        w.Poll();
        QVERIFY(w.form->state().deviceReady);
        QVERIFY(!w.form->noDeviceState());
        QVERIFY(!w.form->BusyOverlayVisible());
        const std::array<std::pair<const char*, int>, 5> pages = {{{"Btn_Adv_1", 2},
                                                                   {"Btn_Breath_2", 3},
                                                                   {"Btn_Macro_3", 4},
                                                                   {"Btn_Second_4", 1},
                                                                   {"Btn_Main_1", 1}}};
        for (const auto& [button, page] : pages) {
            w.Click(button);
            QCOMPARE(w.form->currentPage(), page);
            const QString stem = QString(button).section('_', 1, 1);
            for (int n = 1; n <= 4; ++n)
                QCOMPARE(w.c().ArtOf(QString("Img_%1_%2").arg(stem).arg(n)), QString("SetS_03"));
        }
        QCOMPARE(w.form->state().store.keyMode, 0);
        QVERIFY(dialogs.messages.isEmpty());

        w.backend->Unplug("/dev/sim");
        w.Poll();
        QVERIFY(w.form->noDeviceState());
        QCOMPARE(w.form->currentPage(), 1);
    }

    void gamingViewShowsTheGunHintOnlyWhereTheBrandAndTheLayoutAllowIt() {
        struct Case {
            bool gdEnable;
            int expectedHeight;
            bool hintShown;
        };
        for (const Case& k : {Case{true, 195, true}, Case{false, 165, false}}) {
            auto oem = *LoadOemSettings();
            oem.settings.gdEnable = k.gdEnable;
            Window w(true, oem);
            w.Poll();
            w.Click("Btn_Second_1");
            QCOMPARE(w.form->state().store.keyMode, 1);
            QCOMPARE(w.c().Find("Pnl_Main")->height(), k.expectedHeight);
            QCOMPARE(w.c().Find("IB_ComboKey3")->isVisibleTo(w.form.get()), k.hintShown);
            w.Click("Btn_Main_1");
            QCOMPARE(w.c().Find("Pnl_Main")->height(), 165);
            QVERIFY(!w.c().Find("IB_ComboKey3")->isVisibleTo(w.form.get()));
        }
    }

    void switchingLanguageRecaptionsEverythingAndKeepsThePage() {
        Window w(true);
        w.Poll();
        w.Click("Btn_Macro_1");
        w.Click("Btn_Lang2_4");
        QCOMPARE(w.form->languageIndex(), 2);
        QCOMPARE(w.form->currentPage(), 4);
        QVERIFY(w.c().Find("Gb_Delay"));
        QVERIFY(w.c().Find("Gb_Delay")->isVisibleTo(w.form.get()));
        for (int n = 1; n <= 4; ++n) {
            QCOMPARE(w.Caption(QString("Btn_Apply_%1").arg(n)), Text(2, "Str001"));
            QCOMPARE(w.c().ArtOf(QString("Img_Lang2_%1").arg(n)), QString("Lang_03"));
            QCOMPARE(w.c().ArtOf(QString("Img_Lang1_%1").arg(n)), QString("Lang_01"));
        }
        QCOMPARE(w.Caption("Key_Standard"), " " + Text(2, "Str200") + " " + Text(2, "Str201"));
        QCOMPARE(w.Caption("Key1"), Text(2, "Str210"));
        QCOMPARE(w.Caption("Key6"), Text(2, "Str232"));
        QCOMPARE(w.form->applicationTitle(), Text(2, "Title"));
        // The list rows keep the layout's height through the restyling of a language switch.
        for (const char* list : {"LB_PCMacroName", "LB_macro"})
            QVERIFY(w.c().Find(list)->styleSheet().contains("QListWidget::item{height:"));

        // The gaming view stays on page 1, with its labels named in the new language.
        w.Click("Btn_Second_2");
        w.Click("Btn_Lang3_1");
        QCOMPARE(w.form->currentPage(), 1);
        QCOMPARE(w.Caption("Key1"), Text(3, "Str210"));
        QCOMPARE(w.Caption("Btn_Read_3"), Text(3, "Str017"));
    }

    void aLayoutKeyChangeMovesItsControl() {
        // Expected places are reckoned from the changed table, so they hold for any values.
        using Place = std::function<QRect(const SettingsSection&)>;
        auto n = [](const SettingsSection& t, const char* key) { return *t.Number(key); };
        struct Case {
            const char* key;
            int value;
            const char* control;
            Place expected; // an empty size: only the position is compared
        };
        const Case cases[] = {
            {"Btn_A2_X", 40, "Btn_Apply_3",
             [&](const auto& t) { return QRect(40, n(t, "Btn_A2_Y"), 110, 27); }},
            {"Btn_B4_Y", 170, "Btn_Adv_2", // the label is inset by the two spaces
             [&](const auto& t) {
                 return QRect(n(t, "Btn_B4_X") + n(t, "Btn_Space_F"), 170,
                              110 - n(t, "Btn_Space_F") - n(t, "Btn_Space_B"), 30);
             }},
            {"Key7_X", 700, "Img_Key7",
             [&](const auto& t) { return QRect(700, n(t, "Key7_Y"), n(t, "Key_Width"), 27); }},
            {"P2_Y", 150, "Img_P2",
             [&](const auto& t) { return QRect(n(t, "P2_X"), 150, 800, 378); }},
            {"Spd_X", 230, "lbl_Spd3",
             [&](const auto& t) {
                 return QRect(230 + 2 * n(t, "Spd_D") + 4, n(t, "Spd_Y") + 26, 0, 0);
             }},
            {"MCULEDNum_D", 10, "Img_MCULEDNum_3",
             [&](const auto& t) {
                 return QRect(n(t, "MCULEDNum_X") + 2 * (26 + 10), n(t, "MCULEDNum_Y"), 0, 0);
             }},
            {"Fire2_Y", 120, "Btn_Fire2",
             [&](const auto& t) { return QRect(n(t, "Fire2_X"), 120, 120, 56); }},
        };
        Window w(false);
        const auto bytes = OpenDataResource("ORG1");
        QVERIFY(bytes);
        const std::string shipped(bytes->begin(), bytes->end());
        for (const Case& k : cases) {
            std::string table = shipped;
            const std::string prefix = std::string("\n") + k.key + "=";
            const auto at = table.find(prefix);
            QVERIFY2(at != std::string::npos, k.key);
            const auto end = table.find_first_of("\r\n", at + prefix.size());
            table.replace(at + prefix.size(), end - at - prefix.size(), std::to_string(k.value));
            const SettingsText text = SettingsText::Parse(std::string_view(table));
            const SettingsSection& section = *text.Section("org1");
            QVERIFY(w.form->displaySet().ApplyDisplaySet(section));
            QWidget* control = w.c().Find(k.control);
            QVERIFY2(control, k.control);
            const QRect expected = k.expected(section);
            QCOMPARE(control->pos(), expected.topLeft());
            if (!expected.isEmpty())
                QCOMPARE(control->size(), expected.size());
        }
    }

    void aBrokenLayoutTableIsRefusedByName() {
        Window w(false);
        const SettingsText text = SettingsText::Parse(std::string_view("[org1]\nSize_A=10\n"));
        const Status applied = w.form->displaySet().ApplyDisplaySet(*text.Section("org1"));
        QVERIFY(!applied);
        QVERIFY(applied.error().detail.find("Color_A_R") != std::string::npos);
        QCOMPARE(w.Caption("Btn_Apply_1"), QString("Apply")); // the window is as it was
    }

    void applyAfterAChangeReachesTheMouseWithValidChecks() {
        Window w(true);
        w.Poll();
        w.form->state().store.profile1KeyTexts[1] = "010200"; // button 2: right click
        w.Click("Btn_Apply_1");
        QVERIFY(dialogs.messages.isEmpty());
        for (int n = 1; n <= 4; ++n)
            QCOMPARE(w.c().ArtOf(QString("Img_Apply_%1").arg(n)), QString("BtnS_03"));
        const Bytes& memory = w.mouse->Memory();
        QCOMPARE(int(memory[0x43]), 0x01);
        QCOMPARE(int(memory[0x44]), 0x02);
        QCOMPARE(int(memory[0x45]), 0x00);
        DataBuf image{};
        std::copy_n(memory.begin(), image.size(), image.begin());
        SectionCheckReport report;
        LoadWorkingCopy(image, &report);
        QCOMPARE(report.parameterA, CheckOutcome::Ok);
        QCOMPARE(report.parameterB, CheckOutcome::Ok);
        QCOMPARE(report.profile, CheckOutcome::Ok);
        QCOMPARE(report.fireKey, CheckOutcome::Ok);
        QVERIFY(w.form->isVisible());
    }

    void profilesAreSavedAndAWrongSizeIsRefusedUntouched() {
        Window w(true);
        w.Poll();
        QTemporaryDir dir;
        dialogs.saveAnswer = dir.filePath("work");
        w.Click("Btn_Save_1");
        QVERIFY(dialogs.messages.isEmpty());
        QCOMPARE(QFileInfo(dir.filePath("work.bin")).size(), qint64(2048));

        const QString bad = dir.filePath("short.bin");
        std::ofstream(bad.toStdString(), std::ios::binary) << std::string(100, 'x');
        const Bytes before = w.mouse->Memory();
        const int reloads = w.mouse->ReloadCount();
        dialogs.openAnswer = bad;
        w.Click("Btn_Load_3");
        QCOMPARE(dialogs.messages, QStringList{"BIN file type error"});
        QCOMPARE(w.mouse->Memory(), before);
        QCOMPARE(w.mouse->ReloadCount(), reloads);
        QVERIFY(!w.form->noDeviceState());
    }

    void captionsRollUnderThePointerWhenTheBrandAsks() {
        for (const bool rolling : {true, false}) {
            auto oem = *LoadOemSettings();
            oem.settings.trEnable = rolling;
            Window w(false, oem);
            SkinLabel* apply = w.c().Label("Btn_Apply_1");
            QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
            QCoreApplication::sendEvent(apply, &enter);
            QVERIFY(w.form->navigation().labelRun()->isActive());
            QCOMPARE(w.c().ArtOf("Img_Apply_4"), QString("BtnS_02"));
            w.form->navigation().LabelRunTimer();
            QCOMPARE(apply->text(), rolling ? QString("pply    A") : QString("Apply"));
            w.form->navigation().LabelRunTimer();
            QCOMPARE(apply->text(), rolling ? QString("ply    Ap") : QString("Apply"));
            QEvent leave(QEvent::Leave);
            QCoreApplication::sendEvent(apply, &leave);
            QVERIFY(!w.form->navigation().labelRun()->isActive());
            QCOMPARE(apply->text(), QString("Apply"));
            QCOMPARE(w.c().ArtOf("Img_Apply_4"), QString("BtnS_01"));
        }
        // A disabled label does not roll.
        Window w(false);
        SkinLabel* read = w.c().Label("Btn_Read_1");
        read->setEnabled(false);
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QCoreApplication::sendEvent(read, &enter);
        QVERIFY(!w.form->navigation().labelRun()->isActive());
    }

    void theMessageDialogIsModalSkinnedAndInTheTablesFont() {
        Window w(false);
        w.form->displaySet().SelectLanguage(2);
        SetDialogs(nullptr); // the real dialog
        QString title, text, family;
        bool modal = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            QCOMPARE(box->objectName(), QString("FormMessagDialog"));
            modal = box->isModal();
            title = box->windowTitle();
            text = box->text();
            family = box->font().families().value(0);
            QCOMPARE(box->buttons().size(), 1);
            box->button(QMessageBox::Ok)->click();
        });
        w.form->RefreshFormMessagDialog("Fail");
        SetDialogs(&dialogs);
        QVERIFY(modal);
        QCOMPARE(title, Text(2, "Title"));
        QCOMPARE(text, QString("Fail"));
        QCOMPARE(family, Text(2, "FontName"));
    }

    void screenshotsOfEveryPage() {
        Window w(true);
        w.Poll();
        const QString dir = qEnvironmentVariable("ORLN7A_SCREENSHOTS");
        if (dir.isEmpty())
            QSKIP("ORLN7A_SCREENSHOTS is not set");
        QDir().mkpath(dir);
        for (int set = 1; set <= 3; ++set) {
            w.form->displaySet().SelectLanguage(set);
            for (int page = 1; page <= 5; ++page) {
                w.form->navigation().SelectPage(page);
                QVERIFY(w.form->grab().save(
                    QString("%1/window-set%2-page%3.png").arg(dir).arg(set).arg(page)));
            }
        }
        // The assignment menus as they float over page 1, main menu and a submenu.
        w.form->navigation().SelectPage(1);
        QWidget* key = w.c().Find("Key1");
        QWidget* main = w.c().Find("Pnl_Main");
        QWidget* sub = w.c().Find("Pnl_Special");
        main->move(key->x() + key->width() / 2, key->y() + key->height() / 2);
        sub->move(main->x() + main->width() + 2, main->y() + 25);
        main->show();
        sub->show();
        QVERIFY(w.form->grab().save(QString("%1/window-menus.png").arg(dir)));
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
