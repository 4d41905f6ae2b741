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
#include <string>

class QTimer;

namespace orln7a {

class DeviceController;
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
    // Every editor from the settings holders.
    void RefreshUI();

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
    void BuildChrome();
    void Img_BaseMouseDown(QMouseEvent* event);
    void FormCloseQuery();
    void LetMessagesRun();

    LoadedOemSettings oem_;
    std::string programFolder_;
    std::string dataFolder_;
    EditorState state_;
    DeviceController* device_ = nullptr;
    int languageIndex_ = 1;
    QSize designSize_;
    QImage background_;
    std::array<QWidget*, 5> pages_{};
    std::array<SkinLabel*, 5> imgBase_{};
    std::array<QWidget*, 4> overlays_{};
    QPointer<TFormLoadingUI> loadingWindow_;
    QTimer* devTimerFirst_ = nullptr;
    QTimer* devTimer_ = nullptr;
    // Where the pointer grabbed the window, when the platform cannot move it for us.
    QPoint dragOffset_;
    bool manualDrag_ = false;
};

} // namespace orln7a
