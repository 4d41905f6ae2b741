#include "ui/message_seam.h"

#include <QFileDialog>
#include <QMessageBox>

namespace orln7a {

namespace {

class RealDialogs final : public DialogSeam {
public:
    void ShowMessage(QWidget* parent, const QString& caption, const QString& text) override {
        QMessageBox::information(parent, caption, text);
    }
    QString AskOpenFileName(QWidget* parent, const QString& filter) override {
        return QFileDialog::getOpenFileName(parent, {}, {}, filter);
    }
    QString AskSaveFileName(QWidget* parent, const QString& filter) override {
        return QFileDialog::getSaveFileName(parent, {}, {}, filter);
    }
};

RealDialogs realDialogs;
DialogSeam* current = &realDialogs;

} // namespace

DialogSeam& Dialogs() {
    return *current;
}

void SetDialogs(DialogSeam* seam) {
    current = seam != nullptr ? seam : &realDialogs;
}

} // namespace orln7a
