#pragma once

// The editor's conversations with the mouse (or, in driver storage mode, with the PC filter
// driver): reading, applying, loading defaults and profiles, write-and-verify. Each flow works
// on the EditorState and tells the window what to show through FlowHooks; every flow follows
// the same pattern (polling paused, busy overlay and loading window up, one device session,
// everything taken down again), written once in BusyScope.
//
// Failures are values. Their language key is what the user is told ("Str109" "Fail", "Str020"
// "Finding the specified device", "Str107", "Str102"); an empty key means the editor says
// nothing, as when a found device does not identify as an ORLN7A.

#include "common/result.h"
#include "device/driver_channel.h"
#include "device/transport.h"
#include "image/editor_state.h"

#include <filesystem>
#include <memory>

namespace orln7a {

class FlowHooks {
public:
    virtual ~FlowHooks() = default;
    // Stop DevTimer, ShowBusyOverlay, ShowLoadingWindow.
    virtual void BeginBusy() {}
    // HideLoadingWindow, DevTimerFirst off, DevTimer on, HideBusyOverlay.
    virtual void EndBusy() {}
    // The holders changed: refresh every editor from them.
    virtual void EditorsChanged() {}
};

// The frame of every flow: polling off, busy overlay and loading window up for its whole
// duration, all taken down again on every way out.
class BusyScope {
public:
    explicit BusyScope(FlowHooks& hooks) : hooks_(hooks) { hooks_.BeginBusy(); }
    ~BusyScope() { hooks_.EndBusy(); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    FlowHooks& hooks_;
};

class DeviceFlows {
public:
    // `driverInterfaces` is needed only in driver storage mode.
    DeviceFlows(EditorState& state, Transport& transport, FlowHooks& hooks,
                DriverInterfaces* driverInterfaces = nullptr);

    // Identification and, when accepted, the read (`Btn_Read`). In driver storage mode the
    // driver mode is loaded instead.
    Status ReadDevInfo(bool readAll);
    // "Apply" / "Confirm": the editors to the mouse (or to the driver).
    Status DownloadParameter();
    // "Confirm1".."Confirm3": default image 0..2 to the editors and the mouse, verified.
    Status TLDefaultParameter(int imageNumber);
    // DataBuf to the editors, then to the mouse with verification.
    Status MemoToDataBuf_OnClick();
    // The fire macro area when the gun page is first opened.
    Status ReadFireMacroArea();

    // "Save Profile": reads the mouse afresh and stores its image. No file is written when the
    // mouse could not be read.
    Status SaveProfile(const std::filesystem::path& file);
    // "Load Profile": the file's image to the editors and the mouse. A file that is no profile
    // (neither 2048 nor 40960 bytes) is refused with "Str102" before anything is sent.
    Status LoadProfile(const std::filesystem::path& file);

    // Driver storage mode.
    Status LoadDriverMode();
    Status DownloadDriverParameter();
    Status TLDefaultDriverParameter(int imageNumber);
    Status TLDefaultDriverParameter1(const std::filesystem::path& file);
    Status SendDriverModeBytes();
    Status DriverResetSequence();

    Transport& transport() { return transport_; }

private:
    Status ReadWithSession(DeviceSession& session, bool readAll);
    Status WriteAndVerifyImage(DeviceSession& session);
    Status WriteMacroSlots(DeviceSession& session);
    Status EnsureDriverChannel();
    Status WriteDriverSections(const DriverSections& sections, bool withMacros);
    Status LoadDriverSource(ByteView source);

    EditorState& state_;
    Transport& transport_;
    FlowHooks& hooks_;
    DriverInterfaces* driverInterfaces_;
    std::unique_ptr<DriverChannel> channel_;
};

} // namespace orln7a
