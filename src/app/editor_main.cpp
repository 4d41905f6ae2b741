// orln7a-editor: the configuration editor window.
//
//   orln7a-editor                    the mouse among this PC's HID devices
//   orln7a-editor --simulate FILE    a simulated mouse whose memory persists in FILE (demo)

#include "app/single_instance.h"
#include "app/tform1.h"
#include "device/simulated_backend.h"
#include "ui/oem_settings.h"

#include <QApplication>
#include <QMessageBox>

namespace {

// A simulated mouse plugged in from the start, its memory kept in `file` between runs.
orln7a::DeviceSetup SimulatedDevice(const QString& file, QString& problem) {
    orln7a::DeviceSetup setup;
    auto clock = std::make_unique<orln7a::SystemClock>();
    const std::filesystem::path path = file.toStdString();
    std::shared_ptr<orln7a::SimulatedMouse> mouse;
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) {
        auto image = orln7a::SimulatedMouse::LoadImageFile(path);
        if (!image) {
            problem = QString::fromStdString(image.error().detail);
            return setup;
        }
        mouse = std::make_shared<orln7a::SimulatedMouse>(*clock, *image);
    } else {
        mouse = std::make_shared<orln7a::SimulatedMouse>(*clock);
    }
    mouse->PersistTo(path);
    auto backend = std::make_unique<orln7a::SimulatedHidBackend>();
    backend->Plug(
        {orln7a::SimulatedHidBackend::MouseInterfaceInfo("/dev/hidraw-simulated"), mouse});
    setup.backend = std::move(backend);
    // The mouse keeps a reference to the clock: the clock lives as long as the backend.
    setup.clock = std::move(clock);
    return setup;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationName("orln7a-editor");

    orln7a::SingleInstanceGuard guard;
    if (guard.AskRunningInstanceToShow())
        return 0;
    guard.Listen();

    const auto oem = orln7a::LoadOemSettings();
    if (!oem) {
        QMessageBox::critical(
            nullptr, "orln7a-editor",
            QString::fromStdString("The editor cannot start: " + oem.error().detail));
        return 1;
    }

    orln7a::DeviceSetup device;
    const QStringList args = app.arguments();
    if (const auto at = args.indexOf("--simulate"); at >= 0) {
        if (at + 1 >= args.size()) {
            QMessageBox::critical(nullptr, "orln7a-editor", "--simulate needs a memory FILE");
            return 2;
        }
        QString problem;
        device = SimulatedDevice(args[at + 1], problem);
        if (!problem.isEmpty()) {
            QMessageBox::critical(nullptr, "orln7a-editor", problem);
            return 1;
        }
    }

    // The task bar shows the language table's title (the form sets it with each language);
    // the window keeps its own caption.
    orln7a::TForm1 form(*oem, std::move(device));
    QObject::connect(&guard, &orln7a::SingleInstanceGuard::showRequested, &form,
                     &orln7a::TForm1::BringToFront);
    form.show();
    form.CreateLoadingWindow();
    return app.exec();
}
