#pragma once

// The window's side of the device link: the polling timers drive the hot-plug decision, found
// mice are identified and read, and every flow's busy frame shows the overlay and the loading
// window. Messages go to the user through the dialog seam, in the current language.

#include "device/discovery.h"
#include "device/hid_backend.h"
#include "device/transport.h"
#include "image/device_flows.h"

#include <QObject>
#include <memory>

namespace orln7a {

class TForm1;

class DeviceController : public QObject, public PollTarget, public FlowHooks {
public:
    DeviceController(TForm1& form, EditorState& state, std::unique_ptr<HidBackend> backend,
                     std::unique_ptr<Clock> clock,
                     std::unique_ptr<DriverInterfaces> driverInterfaces = nullptr);
    ~DeviceController() override;

    // `DevTimerTimer`: the handler of both polling timers.
    void DevTimerTimer();
    DeviceFlows& flows() { return *flows_; }
    Transport& transport() { return *transport_; }
    bool deviceOpen() const { return transport_->IsOpen(); }
    Clock& clock() { return *clock_; }

    // Shows the message of a failed flow (nothing for an error without a language key).
    void ReportFailure(const Error& error);

    // PollTarget
    int CountHidInterfaces() override;
    bool DeviceOpen() const override { return transport_->IsOpen(); }
    bool FindDevice(CandidatePair ids, std::uint16_t version) override;
    void CloseDevice() override { transport_->Detach(); }
    void DeviceLost() override;
    void ReadDevInfo() override;

    // FlowHooks
    void BeginBusy() override;
    void EndBusy() override;
    void EditorsChanged() override;

private:
    TForm1& form_;
    EditorState& state_;
    // The clock outlives the backend: a simulated mouse in it keeps a reference to the clock.
    std::unique_ptr<Clock> clock_;
    std::unique_ptr<HidBackend> backend_;
    std::unique_ptr<DriverInterfaces> driverInterfaces_;
    std::unique_ptr<Transport> transport_;
    std::unique_ptr<DeviceFlows> flows_;
    std::unique_ptr<DevicePoller> poller_;
    int busyDepth_ = 0;
    // The permission message is shown once per plug-in, not on every tick.
    bool permissionToldSincePlug_ = false;
};

} // namespace orln7a
