#pragma once

// Page navigation and the window chrome: the page buttons with their no-device guard, the
// pointer-over and selected artwork of the skinned button families, minimise, the web link and
// the captions that roll under the pointer.

#include <QObject>
#include <QString>

class QTimer;

namespace orln7a {

class SkinLabel;
class TForm1;

class Navigation : public QObject {
    Q_OBJECT
public:
    explicit Navigation(TForm1& form);

    // Connects the chrome copies and the button labels to their handlers.
    void Wire();

    void Btn_Main_0Click();
    void Btn_Second_0Click();
    void Btn_Adv_0Click();
    void Btn_Breath_0Click();
    void Btn_Macro_0Click();
    void Btn_Minimize_0Click();
    void Btn_Web_0Click();
    // "SetS_01" on every page button image, all copies.
    void ButtonTypeB_1IconInit();
    void RefreshAPPage();
    // Names page 1..4 in the selector and shows it as its page button does; page 5 is shown
    // without touching the selector (pictures of the window, tests).
    void SelectPage(int page);
    // Page 1 in front and its button selected: the no-device look.
    void ShowNoDevicePage();
    // Closes every open assignment menu.
    void HideAllMenu();
    // Set while a macro insertion is in progress: the macro page shows the insert panel.
    void SetMacroInserting(bool inserting) { macroInserting_ = inserting; }

    // Text rolling.
    void ResetRolling(const QString& labelName);
    void LabelRunTimer();
    QTimer* labelRun() const { return labelRun_; }

private:
    enum class Page { Main, Second, Adv, Breath, Macro };
    void PageButtonClick(Page page);
    void ShowMacroGroups();
    QString SelectedPageStem() const;
    void StartRolling(SkinLabel* label);
    void StopRolling();
    void WireFamily(const QString& stem, bool copies);

    TForm1& form_;
    QTimer* labelRun_ = nullptr;
    bool macroInserting_ = false;
    // Rolling state: the label, its caption on entering, the rolling text, the tick counter.
    QString rollName_, rollCaption_, rollText_;
    int rollCounter_ = 0;
};

} // namespace orln7a
