// orln7a-demo-shots: starts the editor window against the simulated mouse, as the editor does,
// and saves a picture of each page of each display set into a folder, so the program can be seen
// working on a machine without a screen.
//
//   orln7a-demo-shots OUTPUT_DIR

#include "app/tform1.h"
#include "device/simulated_backend.h"
#include "ui/display_set.h"
#include "ui/navigation.h"
#include "ui/oem_settings.h"

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: orln7a-demo-shots OUTPUT_DIR\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(dir);
    const auto oem = orln7a::LoadOemSettings();
    if (!oem) {
        std::fprintf(stderr, "%s\n", oem.error().detail.c_str());
        return 1;
    }
    // The simulated mouse, plugged in from the start and answering at once.
    auto clock = std::make_unique<orln7a::FakeClock>();
    auto mouse = std::make_shared<orln7a::SimulatedMouse>(*clock);
    auto backend = std::make_unique<orln7a::SimulatedHidBackend>();
    backend->Plug(
        {orln7a::SimulatedHidBackend::MouseInterfaceInfo("/dev/hidraw-simulated"), mouse});
    orln7a::TForm1 form(*oem, orln7a::DeviceSetup{std::move(backend), std::move(clock)});
    form.show();
    form.CreateLoadingWindow();
    int status = 0;
    // Let start-up and the first device poll finish before taking the pictures.
    QTimer::singleShot(1500, &form, [&] {
        // Every page of display set 1, then page 1 of the others (setN-pageP.png).
        for (int set = 1; set <= 3; ++set) {
            form.displaySet().SelectLanguage(set);
            for (int page = 1; page <= 5; ++page) {
                form.navigation().SelectPage(page);
                const QString file = QString("%1/set%2-page%3.png").arg(dir).arg(set).arg(page);
                if (!form.grab().save(file))
                    status = 1;
                std::printf("%s\n", qPrintable(file));
            }
        }
        form.displaySet().SelectLanguage(1);
        std::printf("mouse %s\n", form.state().deviceReady ? "read" : "not read");
        app.quit();
    });
    app.exec();
    return status;
}
