// The window with a simulated mouse: plugging in reads it and unlocks the pages, unplugging
// returns to the no-device state with its message.

#include "app/device_controller.h"
#include "app/tform1.h"
#include "device/simulated_backend.h"
#include "test_dialogs.h"

#include <QtTest>

using namespace orln7a;

class DeviceWindowTest : public QObject {
    Q_OBJECT

    testing::RecordingDialogs dialogs;

private slots:
    void plugReadsTheMouseAndUnplugLocksThePages() {
        auto oem = LoadOemSettings();
        QVERIFY(oem);
        auto clock = std::make_unique<FakeClock>();
        auto mouse = std::make_shared<SimulatedMouse>(*clock);
        Bytes levels = {5};
        auto backendOwned = std::make_unique<SimulatedHidBackend>();
        SimulatedHidBackend* backend = backendOwned.get();
        DeviceSetup setup{std::move(backendOwned), std::move(clock)};
        TForm1 form(*oem, std::move(setup));
        form.show();
        form.CreateLoadingWindow();
        dialogs.messages.clear();

        form.device().DevTimerTimer(); // nothing plugged: nothing changes
        QVERIFY(form.BusyOverlayVisible());
        QVERIFY(!form.state().deviceReady);

        backend->Plug({SimulatedHidBackend::MouseInterfaceInfo("/dev/hidraw-sim"), mouse});
        form.device().DevTimerTimer();
        QVERIFY(form.state().deviceReady);
        QVERIFY(!form.BusyOverlayVisible());
        QVERIFY(form.devTimer()->isActive());
        QVERIFY(!form.devTimerFirst()->isActive());
        QVERIFY(dialogs.messages.isEmpty());
        QCOMPARE(mouse->ReloadCount(), 1);
        QVERIFY(!mouse->SessionOpen());

        backend->Unplug("/dev/hidraw-sim");
        form.device().DevTimerTimer();
        QVERIFY(!form.state().deviceReady);
        QVERIFY(form.BusyOverlayVisible());
        QCOMPARE(form.currentPage(), 1);
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0], QString("Please Connect the USB Device\r\rPlease check your "
                                              "device is attached to USB port"));
    }

    void rejectedMouseIsReportedAndStaysLocked() {
        auto oem = LoadOemSettings();
        auto clock = std::make_unique<FakeClock>();
        auto mouse = std::make_shared<SimulatedMouse>(*clock);
        mouse->SetMemory(0x36, Bytes{7, 9});
        auto backend = std::make_unique<SimulatedHidBackend>();
        backend->Plug({SimulatedHidBackend::MouseInterfaceInfo("/dev/hidraw-sim"), mouse});
        TForm1 form(*oem, DeviceSetup{std::move(backend), std::move(clock)});
        form.show();
        dialogs.messages.clear();
        form.device().DevTimerTimer();
        QVERIFY(!form.state().deviceReady);
        QVERIFY(form.BusyOverlayVisible());
        QCOMPARE(dialogs.messages, QStringList{"The mouse manufacturer or product id error"});
    }

    void permissionProblemIsToldOncePerPlugIn() {
        auto oem = LoadOemSettings();
        auto clock = std::make_unique<FakeClock>();
        auto mouse = std::make_shared<SimulatedMouse>(*clock);
        auto backendOwned = std::make_unique<SimulatedHidBackend>();
        SimulatedHidBackend* backend = backendOwned.get();
        TForm1 form(*oem, DeviceSetup{std::move(backendOwned), std::move(clock)});
        form.show();
        dialogs.messages.clear();
        backend->Plug({SimulatedHidBackend::MouseInterfaceInfo("/dev/hidraw-sim"), mouse, true});
        form.device().DevTimerTimer();
        const int told = static_cast<int>(dialogs.messages.filter("70-orln7a-editor.rules").size());
        QCOMPARE(told, 1);
        // Another device arriving makes the editor look again; it does not repeat itself.
        backend->Plug({SimulatedHidBackend::OtherInterfaceInfo("/dev/hidraw-kbd"), nullptr});
        form.device().DevTimerTimer();
        QCOMPARE(static_cast<int>(dialogs.messages.filter("70-orln7a-editor.rules").size()), 1);
    }
};

QTEST_MAIN(DeviceWindowTest)
#include "device_window_test.moc"
