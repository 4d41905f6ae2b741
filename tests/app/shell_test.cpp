// The window shell on the offscreen platform, driven by objectName.

#include "app/loading_window.h"
#include "app/tform1.h"
#include "device/simulated_backend.h"
#include "test_dialogs.h"
#include "ui/oem_settings.h"
#include "ui/skin_label.h"

#include <QSignalSpy>
#include <QtTest>

using namespace orln7a;

// A HID system without the mouse, so the window stays in its no-device state.
DeviceSetup NoMouse() {
    DeviceSetup setup;
    setup.backend = std::make_unique<SimulatedHidBackend>();
    setup.clock = std::make_unique<FakeClock>();
    return setup;
}

class ShellTest : public QObject {
    Q_OBJECT
    testing::RecordingDialogs dialogs;

    std::unique_ptr<TForm1> MakeForm() {
        auto oem = LoadOemSettings();
        if (!oem)
            qFatal("%s", oem.error().detail.c_str());
        auto form = std::make_unique<TForm1>(*oem, NoMouse());
        form->show();
        form->CreateLoadingWindow();
        if (!QTest::qWaitForWindowExposed(form.get()))
            qFatal("window not exposed");
        return form;
    }

private slots:
    void windowTakesTheBackgroundsSizeAndIsBorderless() {
        auto form = MakeForm();
        QCOMPARE(form->size(), QSize(1030, 662));
        QCOMPARE(form->designSize(), QSize(1030, 662));
        QVERIFY(form->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(form->windowTitle(), QString("ORLN7A Gaming Mouse v1."));
        QCOMPARE(form->currentPage(), 1);
        for (int n = 1; n <= 5; ++n) {
            auto* page = form->findChild<QWidget*>(QString("gbPage%1").arg(n));
            QVERIFY(page);
            QCOMPARE(page->size(), form->designSize());
            QVERIFY(form->findChild<QWidget*>(QString("Img_Base_%1").arg(n)));
        }
    }

    void busyOverlaySwallowsClicksOnTheEditorsButNotTheChrome() {
        auto form = MakeForm();
        QVERIFY(form->BusyOverlayVisible());
        auto* key = form->findChild<SkinLabel*>("Key1");
        QVERIFY(key && key->isVisible());
        QSignalSpy clicks(key, &SkinLabel::clicked);
        const QPoint at = key->geometry().center();
        auto* page = form->page(1);
        QCOMPARE(page->childAt(at)->objectName(), QString("Disable_All_1"));
        QTest::mouseClick(page->childAt(at), Qt::LeftButton, {}, at);
        QCOMPARE(clicks.count(), 0);

        form->HideBusyOverlay();
        QVERIFY(!form->BusyOverlayVisible());
        QCOMPARE(page->childAt(at), key);
        QTest::mouseClick(key, Qt::LeftButton, {}, key->rect().center());
        QCOMPARE(clicks.count(), 1);

        // The window can be closed without a mouse.
        form->ShowBusyOverlay();
        auto* exit = form->findChild<SkinLabel*>("Btn_Exit_1");
        QCOMPARE(page->childAt(exit->geometry().center()), exit);
        QTest::mouseClick(exit, Qt::LeftButton, {}, exit->rect().center());
        QVERIFY(!form->isVisible());
    }

    void loadingWindowCentres() {
        auto form = MakeForm();
        form->move(100, 50);
        TFormLoadingUI* loading = form->loadingWindow();
        QVERIFY(loading);
        QCOMPARE(loading->size(), QSize(206, 196));
        QVERIFY(loading->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!loading->isVisible());
        form->ShowLoadingWindow();
        QVERIFY(loading->isVisible());
        const QRect main = form->frameGeometry();
        QCOMPARE(loading->pos(), QPoint(main.left() + (main.width() - 206) / 2,
                                        main.top() + (main.height() - 196) / 2));
        const int frame = loading->waitGif()->frame();
        QTest::qWait(250);
        QVERIFY(loading->waitGif()->frame() != frame); // the wait image moves
        form->HideLoadingWindow();
        QVERIFY(!loading->isVisible());
    }

    void loadingWindowStartsFortyPixelsBelowCentre() {
        auto oem = LoadOemSettings();
        TForm1 form(*oem, NoMouse());
        form.move(-30, -20); // a small screen gives negative positions; kept as they are
        form.CreateLoadingWindow();
        const QRect main = form.frameGeometry();
        QCOMPARE(form.loadingWindow()->pos(), QPoint(main.left() + (main.width() - 206) / 2,
                                                     main.top() + (main.height() - 196) / 2 + 40));
        QVERIFY(form.devTimerFirst()->isActive());
    }

    void shellRenders() {
        auto form = MakeForm();
        const QImage shot = form->grab().toImage();
        QCOMPARE(shot.size(), form->size());
        const QString dir = QString::fromLocal8Bit(qgetenv("ORLN7A_SCREENSHOTS"));
        if (!dir.isEmpty()) {
            QDir().mkpath(dir);
            QVERIFY(shot.save(dir + "/shell.png"));
        }
        // The background artwork, not an empty window.
        QSet<QRgb> colours;
        for (int y = 0; y < shot.height(); y += 17)
            for (int x = 0; x < shot.width(); x += 13)
                colours.insert(shot.pixel(x, y));
        QVERIFY(colours.size() > 2);
    }
};

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
