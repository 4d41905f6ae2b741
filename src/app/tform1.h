#pragma once

// The main form: one borderless, skinned window that owns the editor's state for the life of
// the process. Each subsystem contributes a page controller that works on this state.

#include "ui/oem_settings.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <string>

class QTimer;

namespace orln7a {

class SkinLabel;
class TFormLoadingUI;

class TForm1 : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kCaption = "ORLN7A Gaming Mouse v1.";
    // Colour key of the skin: pixels of this colour are see-through.
    static constexpr QRgb kKeyColour = 0xFF800000;

    // Builds the form; `oem` comes from LoadOemSettings, which start-up ran already.
    explicit TForm1(const LoadedOemSettings& oem, QWidget* parent = nullptr);
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
    bool deviceHandleValid_ = false;
};

} // namespace orln7a
