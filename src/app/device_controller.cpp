#include "app/device_controller.h"

#include "app/loading_window.h"
#include "app/tform1.h"
#include "ui/message_seam.h"

#include <QCoreApplication>
#include <QTimer>

namespace orln7a {

DeviceController::DeviceController(TForm1& form, EditorState& state,
                                   std::unique_ptr<HidBackend> backend,
                                   std::unique_ptr<Clock> clock,
                                   std::unique_ptr<DriverInterfaces> driverInterfaces)
    : QObject(&form), form_(form), state_(state), clock_(std::move(clock)),
      backend_(std::move(backend)), driverInterfaces_(std::move(driverInterfaces)) {
    TransportHooks hooks;
    hooks.pumpMessages = [] { QCoreApplication::processEvents(QEventLoop::AllEvents); };
    hooks.repaintLoadingWindow = [this] {
        if (TFormLoadingUI* loading = form_.loadingWindow(); loading && loading->isVisible()) {
            loading->CentreOn(form_);
            loading->repaint();
        }
    };
    transport_ = std::make_unique<Transport>(*clock_, hooks);
    flows_ = std::make_unique<DeviceFlows>(state_, *transport_, *this, driverInterfaces_.get());
    poller_ = std::make_unique<DevicePoller>(
        *this, *clock_, [] { QCoreApplication::processEvents(QEventLoop::AllEvents); });
    connect(form_.devTimerFirst(), &QTimer::timeout, this, &DeviceController::DevTimerTimer);
    connect(form_.devTimer(), &QTimer::timeout, this, &DeviceController::DevTimerTimer);
}

DeviceController::~DeviceController() = default;

void DeviceController::DevTimerTimer() {
    if (poller_->DevTimerTimer() == DevicePoller::Outcome::Busy)
        return;
    // After the first decision the 3-second timer polls, unless a flow is still running (its
    // end starts the timer again).
    form_.devTimerFirst()->stop();
    if (busyDepth_ == 0 && !form_.devTimer()->isActive())
        form_.devTimer()->start();
}

int DeviceController::CountHidInterfaces() {
    return orln7a::CountHidInterfaces(*backend_);
}

bool DeviceController::FindDevice(CandidatePair ids, std::uint16_t version) {
    auto found = orln7a::FindDevice(*backend_, ids.vendor, ids.product, version);
    if (!found) {
        if (IsPermissionDeniedError(found.error()) && !permissionToldSincePlug_) {
            permissionToldSincePlug_ = true;
            ReportFailure(found.error());
        }
        return false;
    }
    permissionToldSincePlug_ = false;
    transport_->Attach(std::move(found->handle), found->info);
    return true;
}

void DeviceController::DeviceLost() {
    // `RefreshErrorAP`: the default image behind the busy overlay, page 1 shown.
    InitNoDevice(state_);
    form_.RefreshErrorAP();
    EditorsChanged();
    form_.devTimerFirst()->stop();
    form_.devTimer()->start();
    const QString text = form_.LanguageText("Str100") + "\r\r" + form_.LanguageText("Str101");
    form_.RefreshFormMessagDialog(text);
}

void DeviceController::ReadDevInfo() {
    if (Status read = flows_->ReadDevInfo(false); !read)
        ReportFailure(read.error());
}

void DeviceController::ReportFailure(const Error& error) {
    if (error.key.empty())
        return;
    QString text = form_.LanguageText(QString::fromStdString(error.key));
    if (IsPermissionDeniedError(error))
        text += "\r\r" + QString::fromStdString(error.detail);
    form_.RefreshFormMessagDialog(text);
}

void DeviceController::BeginBusy() {
    if (busyDepth_++ > 0)
        return;
    form_.devTimer()->stop();
    form_.ShowBusyOverlay();
    form_.ShowLoadingWindow();
}

void DeviceController::EndBusy() {
    if (--busyDepth_ > 0)
        return;
    form_.HideLoadingWindow();
    form_.devTimerFirst()->stop();
    form_.devTimer()->start();
    // Without an accepted mouse the pages stay locked.
    if (state_.deviceReady)
        form_.HideBusyOverlay();
}

void DeviceController::EditorsChanged() {
    form_.RefreshUI();
}

} // namespace orln7a
