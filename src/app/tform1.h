#pragma once

// The main form: one borderless, skinned window that owns the editor's state for the life of
// the process. Each subsystem contributes a page controller that works on this state.

#include "device/clock.h"
#include "device/hid_backend.h"
#include "image/editor_state.h"
#include "ui/oem_settings.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>
#include <string>

class QTimer;

namespace orln7a {

class ActionButtons;
class DeviceController;
class DisplaySet;
class Navigation;
class SkinControls;
class SkinLabel;
class TFormLoadingUI;

// Where the window finds its mouse: the system's HID devices, or a simulated mouse.
struct DeviceSetup {
    std::unique_ptr<HidBackend> backend; // null: hidapi
    std::unique_ptr<Clock> clock;        // null: the system clock
};

class TForm1 : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kCaption = "ORLN7A Gaming Mouse v1.";
    // Colour key of the skin: pixels of this colour are see-through.
    static constexpr QRgb kKeyColour = 0xFF800000;

    // Builds the form; `oem` comes from LoadOemSettings, which start-up ran already.
    explicit TForm1(const LoadedOemSettings& oem, DeviceSetup device = {},
                    QWidget* parent = nullptr);
    ~TForm1() override;

    // Created after the main form, 40 px below its centre; arms device polling.
    void CreateLoadingWindow();

    void ShowBusyOverlay();
    void HideBusyOverlay();
    bool BusyOverlayVisible() const;
    void ShowLoadingWindow();
    void HideLoadingWindow();
    TFormLoadingUI* loadingWindow() const;

    // Restores, raises and activates the window (a second start asked for it).
    void BringToFront();

    QSize designSize() const { return designSize_; }
    const OemSettings& oemSettings() const { return oem_.settings; }
    bool eepromMode() const { return oem_.eepromMode; }
    const std::string& programFolder() const { return programFolder_; }
    const std::string& dataFolder() const { return dataFolder_; }
    QWidget* page(int n) const { return pages_.at(n - 1); }
    int currentPage() const;
    void ShowPage(int n);

    EditorState& state() { return state_; }
    DeviceController& device() { return *device_; }
    // The text of a language key in the current display set's table.
    QString LanguageText(const QString& key) const;
    int languageIndex() const { return languageIndex_; }
    void SetLanguageIndex(int n) { languageIndex_ = n; }
    // The language text `Title`, shown by the system for the program and on its messages.
    void SetApplicationTitle(const QString& title);
    const QString& applicationTitle() const { return applicationTitle_; }
    // Every editor from the settings holders.
    void RefreshUI();
    // The nine button labels named from their codes in the shown key mode.
    void RefreshKeyCaptions();

    SkinControls& controls() { return *controls_; }
    DisplaySet& displaySet() { return *displaySet_; }
    Navigation& navigation() { return *navigation_; }
    ActionButtons& actions() { return *actions_; }
    // The window background of every page, with the colour key see-through.
    void SetBackgroundArt(const QString& art);
    // The hidden selector radios (rb_1 .. rb_6, rb_Lang1 .. rb_Lang3).
    bool SelectorChecked(const QString& name) const;
    void CheckSelector(const QString& name);
    // Shows again the page the selector names (after a language switch).
    void RefreshAPPage();
    // The caption rolling under the pointer restarts from this label's caption.
    void ResetRolling(const QString& labelName);
    // `RefreshFormMessagDialog`: the message dialog with one OK button, in the table's font.
    void RefreshFormMessagDialog(const QString& text);
    // `RefreshErrorAP` for the window: page 1 in front, the pages locked.
    void RefreshErrorAP();
    bool noDeviceState() const { return noDeviceState_; }
    // Lets queued events run for `ms` milliseconds of the device clock, in 10 ms slices.
    void WaitWithMessages(int ms);

    QTimer* devTimerFirst() const { return devTimerFirst_; }
    QTimer* devTimer() const { return devTimer_; }

public slots:
    void Btn_Exit_0Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void LoadWindowBackground();
    void SetUpWindow();
    void BuildPages();
    void LeaveNoDeviceState();
    void Img_BaseMouseDown(QMouseEvent* event);
    void FormCloseQuery();
    void LetMessagesRun();

    LoadedOemSettings oem_;
    std::string programFolder_;
    std::string dataFolder_;
    EditorState state_;
    DeviceController* device_ = nullptr;
    int languageIndex_ = 1;
    QString applicationTitle_;
    bool noDeviceState_ = true;
    std::unique_ptr<SkinControls> controls_;
    std::unique_ptr<DisplaySet> displaySet_;
    std::unique_ptr<Navigation> navigation_;
    std::unique_ptr<ActionButtons> actions_;
    QSize designSize_;
    QImage background_;
    std::array<QWidget*, 5> pages_{};
    std::array<SkinLabel*, 5> imgBase_{};
    QImage shownBackground_;
    std::array<QWidget*, 4> overlays_{};
    QPointer<TFormLoadingUI> loadingWindow_;
    QTimer* devTimerFirst_ = nullptr;
    QTimer* devTimer_ = nullptr;
    // Where the pointer grabbed the window, when the platform cannot move it for us.
    QPoint dragOffset_;
    bool manualDrag_ = false;
};

} // namespace orln7a
