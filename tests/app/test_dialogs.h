#pragma once

// Answers the editor's dialogs in tests: messages are recorded, file dialogs return what the
// test put in.

#include "ui/message_seam.h"

#include <QStringList>

namespace orln7a::testing {

class RecordingDialogs : public DialogSeam {
public:
    RecordingDialogs() { SetDialogs(this); }
    ~RecordingDialogs() override { SetDialogs(nullptr); }
    void ShowMessage(QWidget*, const QString&, const QString& text) override { messages << text; }
    QString AskOpenFileName(QWidget*, const QString&) override { return openAnswer; }
    QString AskSaveFileName(QWidget*, const QString&) override { return saveAnswer; }

    QStringList messages;
    QString openAnswer;
    QString saveAnswer;
};

} // namespace orln7a::testing
