#pragma once

// Every message box and file dialog of the editor goes through this seam, so tests answer them
// instead of blocking on a modal window.

#include <QString>
#include <functional>

class QWidget;

namespace orln7a {

class DialogSeam {
public:
    virtual ~DialogSeam() = default;
    // A message with one OK button; returns when the user has closed it.
    virtual void ShowMessage(QWidget* parent, const QString& caption, const QString& text) = 0;
    // A file to open or save; empty when the user cancelled.
    virtual QString AskOpenFileName(QWidget* parent, const QString& filter) = 0;
    virtual QString AskSaveFileName(QWidget* parent, const QString& filter) = 0;
};

// The seam in use; the default shows real dialogs.
DialogSeam& Dialogs();
// Installs a replacement (tests); nullptr restores the real dialogs.
void SetDialogs(DialogSeam* seam);

} // namespace orln7a
