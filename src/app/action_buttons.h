#pragma once

// The action buttons of the window chrome: read, apply, confirm, the three default images and
// the profile files. Each handler shows the pressed artwork on every copy, waits 110 ms
// (except "Read") and runs its device flow.

#include <QObject>
#include <QString>

namespace orln7a {

class TForm1;
struct Error;

class ActionButtons : public QObject {
    Q_OBJECT
public:
    explicit ActionButtons(TForm1& form);

    void Wire();

    void Btn_Read_0Click();
    void Btn_Apply_0Click();
    void Btn_Confirm_0Click();
    void Btn_Confirm1_1Click();
    void Btn_Confirm2_1Click();
    void Btn_Confirm3_1Click();
    void Btn_Save_0Click();
    void Btn_Load_0Click();

private:
    // The common front: pressed artwork, the wait, the device check. False: stop here.
    bool Front(const QString& stem, bool wait);
    void LoadDefault(const QString& stem, int imageNumber);
    void Report(const Error& error);

    TForm1& form_;
};

} // namespace orln7a
