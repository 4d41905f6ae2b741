#include "app/tform1.h"

#include "app/action_buttons.h"
#include "app/device_controller.h"
#include "app/loading_window.h"
#include "device/hidapi_backend.h"
#include "device/substitute_driver.h"
#include "keys/key_function_name.h"
#include "ui/data_folders.h"
#include "ui/display_set.h"
#include "ui/language_table.h"
#include "ui/message_seam.h"
#include "ui/navigation.h"
#include "ui/page_controls.h"
#include "ui/skin_controls.h"
#include "ui/skin_images.h"
#include "ui/skin_label.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBitmap>
#include <QCloseEvent>
#include <QEventLoop>
#include <QListWidget>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>

namespace orln7a {

namespace {

constexpr int kDevTimerFirstMs = 20;
constexpr int kDevTimerMs = 3000;
constexpr int kLoadingWindowDrop = 40;

// Full-page label over a page while no mouse has been read: it takes every click, so the
// controls beneath get none. The window can still be dragged by it.
class BusyOverlay : public QWidget {
public:
    BusyOverlay(const QString& name, QWidget* parent) : QWidget(parent) {
        setObjectName(name);
        setAttribute(Qt::WA_NoSystemBackground);
    }

protected:
    void mousePressEvent(QMouseEvent* e) override { e->accept(); }
    void mouseReleaseEvent(QMouseEvent* e) override { e->accept(); }
    void mouseDoubleClickEvent(QMouseEvent* e) override { e->accept(); }
    void wheelEvent(QWheelEvent* e) override { e->accept(); }
};

} // namespace

TForm1::TForm1(const LoadedOemSettings& oem, DeviceSetup device, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint), oem_(oem),
      controls_(std::make_unique<SkinControls>()), displaySet_(std::make_unique<DisplaySet>(*this)),
      navigation_(std::make_unique<Navigation>(*this)) {
    setObjectName("TForm1");
    setWindowTitle(kCaption);

    // Both polling timers stay off until the loading window exists.
    devTimerFirst_ = new QTimer(this);
    devTimerFirst_->setObjectName("DevTimerFirst");
    devTimerFirst_->setInterval(kDevTimerFirstMs);
    devTimerFirst_->setSingleShot(true);
    devTimer_ = new QTimer(this);
    devTimer_->setObjectName("DevTimer");
    devTimer_->setInterval(kDevTimerMs);

    LoadWindowBackground();
    SetUpWindow();
    dataFolder_ = DataFolder(oem_.settings.path);
    BuildPages();
    displaySet_->LoadSkinImages();

    languageIndex_ = 1;
    CheckSelector("rb_1");
    CheckSelector("rb_Lang1");
    if (const Status applied = displaySet_->ApplyDisplaySet(); !applied)
        qWarning("%s", applied.error().detail.c_str());
    for (const char* list : {"LB_PCMacroName", "LB_MacroName", "LB_macro"})
        if (auto* l = controls_->Get<QListWidget>(list))
            controls_->SetExtraStyle(l, QString("QListWidget::item{height:%1px;}")
                                            .arg(displaySet_->colours().macroNameHeight));

    // The no-device state: the default image in every editor, the pages locked.
    state_ = MakeEditorState(oem_, dataFolder_);
    SetApplicationTitle(displaySet_->title());
    if (!device.backend)
        device.backend = std::make_unique<HidapiBackend>();
    if (!device.clock)
        device.clock = std::make_unique<SystemClock>();
    std::unique_ptr<DriverInterfaces> driver;
    if (!oem_.eepromMode)
        driver = std::make_unique<SubstituteDriver>(dataFolder_, kSubstituteDriverId);
    device_ = new DeviceController(*this, state_, std::move(device.backend),
                                   std::move(device.clock), std::move(driver));
    actions_ = std::make_unique<ActionButtons>(*this);
    navigation_->Wire();
    actions_->Wire();
    RefreshErrorAP();
    RefreshUI();
    displaySet_->SelectLanguage(languageIndex_);
    update();
}

QString TForm1::LanguageText(const QString& key) const {
    const auto& tables = BuiltInLanguageTables();
    return QString::fromStdString(
        tables[static_cast<std::size_t>(languageIndex_ - 1)].Text(key.toStdString()));
}

void TForm1::SetApplicationTitle(const QString& title) {
    applicationTitle_ = title;
    QApplication::setApplicationDisplayName(title);
}

void TForm1::RefreshUI() {
    RefreshKeyCaptions();
    if (state_.deviceReady && noDeviceState_)
        LeaveNoDeviceState();
}

void TForm1::RefreshKeyCaptions() {
    const auto& codes =
        SelectorChecked("rb_2") ? state_.store.profile2KeyTexts : state_.store.profile1KeyTexts;
    const auto& table = BuiltInLanguageTables()[static_cast<std::size_t>(languageIndex_ - 1)];
    KeyNameSources sources;
    sources.eepromMode = state_.eepromMode();
    sources.macroNames = state_.slotNameList;
    for (int k = 1; k <= 9; ++k)
        controls_->SetCaption(QString("Key%1").arg(k),
                              QString::fromStdString(GetKeyFunctionName(
                                  codes[static_cast<std::size_t>(k - 1)], table, sources)));
}

bool TForm1::SelectorChecked(const QString& name) const {
    const auto* r = controls_->Get<QAbstractButton>(name);
    return r != nullptr && r->isChecked();
}

void TForm1::CheckSelector(const QString& name) {
    if (auto* r = controls_->Get<QAbstractButton>(name))
        r->setChecked(true);
}

void TForm1::RefreshAPPage() {
    navigation_->RefreshAPPage();
}

void TForm1::ResetRolling(const QString& labelName) {
    navigation_->ResetRolling(labelName);
}

void TForm1::RefreshFormMessagDialog(const QString& text) {
    // The dialog takes the form's font: the language table's family.
    QFont f = font();
    f.setFamilies(FontFamiliesFor(displaySet_->fontName()));
    setFont(f);
    Dialogs().ShowMessage(this, applicationTitle_, text);
}

void TForm1::RefreshErrorAP() {
    noDeviceState_ = true;
    navigation_->ShowNoDevicePage();
    ShowBusyOverlay();
}

void TForm1::LeaveNoDeviceState() {
    ShowPage(1);
    noDeviceState_ = false;
    if (SelectorChecked("rb_1"))
        navigation_->Btn_Main_0Click();
}

void TForm1::WaitWithMessages(int ms) {
    for (int slice = 0; slice < ms / 10; ++slice) {
        device_->clock().SleepFor(std::chrono::milliseconds(10));
        LetMessagesRun();
    }
}

TForm1::~TForm1() = default;

void TForm1::LoadWindowBackground() {
    background_ = KeyColourToAlpha(SkinImage("L1_BackGround"));
    designSize_ = background_.size();
}

void TForm1::SetUpWindow() {
    setFixedSize(designSize_);
    // The shape of the window is the shape of the artwork: the key colour becomes alpha (which
    // a compositor or Wayland honours) and the same pixels make a mask (a real shaped window on
    // X11 without a compositor).
    setAttribute(Qt::WA_TranslucentBackground);
    const QPixmap shape = QPixmap::fromImage(background_);
    if (!shape.isNull() && background_.hasAlphaChannel())
        setMask(shape.mask());

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        // Integer division toward zero; a screen smaller than the window gives negative
        // positions, used as they are.
        const QRect s = screen->geometry();
        move(s.left() + (s.width() - designSize_.width()) / 2,
             s.top() + (s.height() - designSize_.height()) / 2);
    }
    programFolder_ = ProgramFolder();

    for (int n = 1; n <= 5; ++n) {
        auto* page = new QWidget(this);
        page->setObjectName(QString("gbPage%1").arg(n));
        page->setGeometry(0, 0, designSize_.width(), designSize_.height());
        const std::string baseName = "Img_Base_" + std::to_string(n);
        auto* base = static_cast<SkinLabel*>(controls_->Add(
            {baseName.c_str(), ControlKind::Image, 0, 0, designSize_.width(), designSize_.height()},
            page));
        connect(base, &SkinLabel::pressed, this, &TForm1::Img_BaseMouseDown);
        base->installEventFilter(this);
        pages_[n - 1] = page;
        imgBase_[n - 1] = base;
    }
    ShowPage(1);
}

void TForm1::BuildPages() {
    // Bottom to top on each page: background, content panel, the page's controls, the busy
    // overlay, the chrome. The overlay locks the editors while no mouse is read; the chrome
    // above it still answers, so the window can be closed, moved, switched to another language
    // and asked for a page (which explains that no mouse is there).
    for (int n = 1; n <= 5; ++n) {
        const std::string panel = "Img_P" + std::to_string(n);
        controls_->Add({panel.c_str(), ControlKind::Image}, pages_[n - 1]);
    }
    BuildAssignmentPage(*controls_, pages_[0]);
    BuildSettingsPage(*controls_, pages_[1]);
    BuildLightingPage(*controls_, pages_[2]);
    BuildMacroPage(*controls_, pages_[3]);
    BuildGunPage(*controls_, pages_[4]);
    ApplySpecialKeyList(*controls_, oem_.settings.specialConfig);
    for (int n = 1; n <= 4; ++n) {
        auto* overlay = new BusyOverlay(QString("Disable_All_%1").arg(n), pages_[n - 1]);
        overlay->setGeometry(0, 0, designSize_.width(), designSize_.height());
        overlay->installEventFilter(this);
        overlays_[n - 1] = overlay;
    }
    for (int n = 1; n <= 4; ++n) {
        BuildWindowChrome(*controls_, pages_[n - 1], n);
        // The brand places the web link; its click area takes the picture's size.
        QWidget* image = controls_->Find(QString("Img_Web_%1").arg(n));
        QWidget* link = controls_->Find(QString("Btn_Web_%1").arg(n));
        image->move(oem_.settings.webX, oem_.settings.webY);
        link->setGeometry(image->geometry());
    }
}

void TForm1::SetBackgroundArt(const QString& art) {
    const QImage image = KeyColourToAlpha(SkinImage(art));
    if (image.isNull())
        return;
    shownBackground_ = image;
    const QPixmap pixmap = QPixmap::fromImage(image);
    for (SkinLabel* base : imgBase_)
        base->setPixmap(pixmap);
}

void TForm1::CreateLoadingWindow() {
    loadingWindow_ = new TFormLoadingUI(this);
    loadingWindow_->CentreOn(*this, kLoadingWindowDrop);
    devTimerFirst_->start();
}

TFormLoadingUI* TForm1::loadingWindow() const {
    return loadingWindow_;
}

void TForm1::ShowBusyOverlay() {
    for (QWidget* o : overlays_)
        o->show();
}

void TForm1::HideBusyOverlay() {
    for (QWidget* o : overlays_)
        o->hide();
}

bool TForm1::BusyOverlayVisible() const {
    return overlays_[0]->isVisibleTo(const_cast<TForm1*>(this));
}

void TForm1::LetMessagesRun() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void TForm1::ShowLoadingWindow() {
    if (!loadingWindow_)
        return;
    loadingWindow_->CentreOn(*this);
    loadingWindow_->show();
    loadingWindow_->raise();
    LetMessagesRun();
}

void TForm1::HideLoadingWindow() {
    if (!loadingWindow_)
        return;
    loadingWindow_->hide();
    LetMessagesRun();
}

void TForm1::BringToFront() {
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    // A window that was iconified or unmapped behind Qt's back is still "visible" to Qt;
    // showing it again maps it.
    if (windowHandle() != nullptr && !windowHandle()->isExposed())
        hide();
    show();
    raise();
    activateWindow();
}

int TForm1::currentPage() const {
    for (int n = 1; n <= 5; ++n) {
        if (pages_[n - 1]->isVisibleTo(const_cast<TForm1*>(this)))
            return n;
    }
    return 0;
}

void TForm1::ShowPage(int n) {
    for (int k = 1; k <= 5; ++k)
        pages_[k - 1]->setVisible(k == n);
}

void TForm1::Img_BaseMouseDown(QMouseEvent* event) {
    // Borderless: the background is the caption bar. The system moves the window where it
    // can (X11 window managers, Wayland); elsewhere the window follows the pointer itself.
    QWindow* handle = windowHandle();
    manualDrag_ = handle == nullptr || !handle->startSystemMove();
    if (manualDrag_)
        dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    const bool isBase = std::find(imgBase_.begin(), imgBase_.end(), watched) != imgBase_.end();
    const bool isOverlay =
        std::find(overlays_.begin(), overlays_.end(), watched) != overlays_.end();
    if (!isBase && !isOverlay)
        return QWidget::eventFilter(watched, event);
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
        type != QEvent::MouseButtonRelease)
        return QWidget::eventFilter(watched, event);
    auto* mouse = static_cast<QMouseEvent*>(event);
    switch (type) {
    case QEvent::MouseButtonPress:
        // The backgrounds report presses themselves; the overlays drag the window too.
        if (isOverlay && mouse->button() == Qt::LeftButton)
            Img_BaseMouseDown(mouse);
        break;
    case QEvent::MouseMove:
        if (manualDrag_ && (mouse->buttons() & Qt::LeftButton))
            move(mouse->globalPosition().toPoint() - dragOffset_);
        break;
    case QEvent::MouseButtonRelease:
        manualDrag_ = false;
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void TForm1::Btn_Exit_0Click() {
    close();
}

void TForm1::FormCloseQuery() {
    device_->CloseDevice();
    state_.assignedDriverMacros.clear();
}

void TForm1::closeEvent(QCloseEvent* event) {
    // Closing is always allowed.
    FormCloseQuery();
    if (loadingWindow_)
        loadingWindow_->close();
    event->accept();
}

} // namespace orln7a
