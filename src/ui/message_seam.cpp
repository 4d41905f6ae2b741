#include "ui/message_seam.h"

#include <QFileDialog>
#include <QMessageBox>

namespace orln7a {

namespace {

class RealDialogs final : public DialogSeam {
public:
    void ShowMessage(QWidget* parent, const QString& caption, const QString& text) override {
        QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent);
        box.setObjectName("FormMessagDialog");
        if (parent != nullptr)
            box.setFont(parent->font());
        // The skin's colours: graphite sheet, light text, the accent on the button.
        box.setStyleSheet("QMessageBox{background-color:rgb(30,33,38);}"
                          "QMessageBox QLabel{color:rgb(222,226,232);min-width:260px;}"
                          "QPushButton{color:rgb(222,226,232);background-color:rgb(46,50,56);"
                          "border:1px solid rgb(255,92,40);padding:4px 18px;}"
                          "QPushButton:hover{background-color:rgb(70,74,80);}");
        box.exec();
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
