// orln7a-editor: the configuration editor window.

#include "app/single_instance.h"
#include "app/tform1.h"
#include "ui/message_seam.h"
#include "ui/oem_settings.h"

#include <QApplication>
#include <QMessageBox>

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

    // The task bar shows the language table's title; the window keeps its own caption.
    QApplication::setApplicationDisplayName({});
    orln7a::TForm1 form(*oem);
    QObject::connect(&guard, &orln7a::SingleInstanceGuard::showRequested, &form,
                     &orln7a::TForm1::BringToFront);
    form.show();
    form.CreateLoadingWindow();
    return app.exec();
}
