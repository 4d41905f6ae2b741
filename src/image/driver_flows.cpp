// Driver storage mode: the configuration lives in the PC filter driver, and the mouse only gets
// the four driver-mode bytes (command 0x09).

#include "common/files.h"
#include "device/driver_channel.h"
#include "image/default_images.h"
#include "image/device_flows.h"
#include "image/driver_image_layout.h"
#include "image/image_codec.h"
#include "image/profile_file.h"

#include <algorithm>

namespace orln7a {

namespace {

// Enough of a driver image to hold the sections the editor reads from the driver.
constexpr std::size_t kDriverSectionsSize = driver_layout::kMacros;
// A driver profile file is read no further than this.
constexpr std::size_t kDriverSourceLimit = 102400;

Error DriverNotFound(const Error& cause) {
    return MakeError("Str020", cause.detail);
}

// Records of assigned driver macros the keys refer to: the largest macro parameter of types
// 0x06 and 0x0E (the rapid-fire key 0600F0 excepted) names the last record.
std::size_t DriverMacroCount(const SettingsStore& store) {
    int largest = 0;
    for (const auto* texts : {&store.profile1KeyTexts, &store.profile2KeyTexts}) {
        for (const auto& text : *texts) {
            const auto code = ParseKeyFunctionCode(text);
            if (!code || (code->type != 0x06 && code->type != 0x0E) || text == "0600F0")
                continue;
            largest = std::max<int>(largest, code->Parameter());
        }
    }
    if (largest == 0)
        return 0;
    return static_cast<std::size_t>((largest + 2016) / 2048);
}

} // namespace

Status DeviceFlows::EnsureDriverChannel() {
    if (channel_)
        return Ok();
    if (driverInterfaces_ == nullptr)
        return MakeError("Str020", "no filter driver on this system");
    auto channel = FindDriverChannel(transport_, *driverInterfaces_);
    if (!channel)
        return DriverNotFound(channel.error());
    channel_ = std::move(*channel);
    return Ok();
}

Status DeviceFlows::SendDriverModeBytes() {
    auto session = DeviceSession::Begin(transport_);
    if (!session)
        return DriverNotFound(session.error());
    if (auto probe = ProbeDriverMode(*session); !probe)
        return DriverNotFound(probe.error());
    if (Status sent = ::orln7a::SendDriverModeBytes(*session, state_.driverModeBytes); !sent)
        return DriverNotFound(sent.error());
    const Status saved = SaveDriverModeBytes(state_.dataFolder, state_.driverModeBytes);
    if (Status ended = session->End(); !ended)
        return DriverNotFound(ended.error());
    return saved;
}

Status DeviceFlows::DriverResetSequence() {
    auto session = DeviceSession::Begin(transport_);
    if (!session)
        return session.error();
    if (Status probe = ProbeDriverReset(*session); !probe)
        return probe;
    if (Status reloaded = session->Reload(); !reloaded)
        return reloaded;
    return session->End();
}

Status DeviceFlows::LoadDriverMode() {
    BusyScope busy(hooks_);
    state_.assignedDriverMacros.clear();
    auto fail = [this](const Error& error) -> Status {
        (void)DriverResetSequence();
        return DriverNotFound(error);
    };

    {
        auto session = DeviceSession::Begin(transport_);
        if (!session)
            return fail(session.error());
        const auto ledType = ProbeDriverMode(*session);
        if (!ledType)
            return fail(ledType.error());
        state_.store.ledType = LedTypeFromDriverProbe(*ledType);
        state_.driverModeBytes = LoadDriverModeBytes(state_.dataFolder);
        if (Status sent = ::orln7a::SendDriverModeBytes(*session, state_.driverModeBytes); !sent)
            return fail(sent.error());
        if (Status ended = session->End(); !ended)
            return fail(ended.error());
    }
    if (Status channel = EnsureDriverChannel(); !channel)
        return fail(channel.error());

    Bytes sections(kDriverSectionsSize, 0);
    const auto readRange = [&](std::size_t offset, std::size_t length) {
        return channel_->Read(static_cast<std::uint32_t>(offset),
                              std::span(sections).subspan(offset, length));
    };
    for (const auto& [offset, length] :
         {std::pair{driver_layout::kParameterA, std::size_t{48}},
          std::pair{driver_layout::kParameterB, std::size_t{8}},
          std::pair{driver_layout::kProfile, std::size_t{55}},
          std::pair{driver_layout::kFireKeyPrefix, std::size_t{13}}}) {
        if (Status s = readRange(offset, length); !s)
            return fail(s.error());
    }
    WorkingCopy copy = state_.copy;
    const auto report = LoadDriverImageIntoWorkingCopy(sections, copy);
    if (!report)
        return fail(report.error());
    state_.copy = copy;
    state_.lastChecks = *report;
    ReadDriverImageIntoStore(state_.copy, state_.driverModeBytes, state_.store);
    state_.aimIndex = AimIndexOfKeys(state_.copy);

    if (const std::size_t count = DriverMacroCount(state_.store); count > 0) {
        Bytes macros(count * kDriverMacroRecordSize, 0);
        if (Status s = channel_->Read(static_cast<std::uint32_t>(driver_layout::kMacros), macros);
            !s)
            return fail(s.error());
        for (std::size_t n = 0; n < count; ++n) {
            DriverMacroRecord record;
            const auto at =
                macros.begin() + static_cast<std::ptrdiff_t>(n * kDriverMacroRecordSize);
            std::copy_n(at, kMacroNameSize, record.name.begin());
            std::copy_n(at + kMacroNameSize, kDriverMacroContentSize, record.content.begin());
            state_.assignedDriverMacros.push_back(record);
        }
    }
    state_.deviceReady = true;
    hooks_.EditorsChanged();
    return Ok();
}

Status DeviceFlows::WriteDriverSections(const DriverSections& sections, bool withMacros) {
    if (Status channel = EnsureDriverChannel(); !channel)
        return channel;
    const std::pair<std::size_t, ByteView> writes[] = {
        {driver_layout::kParameterB, sections.parameterB},
        {driver_layout::kParameterA, sections.parameterA},
        {driver_layout::kFireKeyPrefix, sections.fireKey},
        {driver_layout::kProfile, sections.profile},
    };
    for (const auto& [offset, bytes] : writes) {
        if (Status s = channel_->Write(static_cast<std::uint32_t>(offset), bytes); !s)
            return MakeError("Str109", s.error().detail);
    }
    if (withMacros && !state_.assignedDriverMacros.empty()) {
        Bytes macros;
        for (const auto& record : state_.assignedDriverMacros) {
            macros.insert(macros.end(), record.name.begin(), record.name.end());
            macros.insert(macros.end(), record.content.begin(), record.content.end());
        }
        if (Status s = channel_->Write(static_cast<std::uint32_t>(driver_layout::kMacros), macros);
            !s)
            return MakeError("Str109", s.error().detail);
    }
    return Ok();
}

Status DeviceFlows::DownloadDriverParameter() {
    BusyScope busy(hooks_);
    const DriverSections sections = BuildDriverSections(
        state_.copy, state_.store, state_.aimIndex, state_.driverCopies, state_.driverModeBytes);
    if (Status sent = SendDriverModeBytes(); !sent)
        return sent;
    return WriteDriverSections(sections, true);
}

Status DeviceFlows::LoadDriverSource(ByteView source) {
    {
        BusyScope busy(hooks_);
        const auto modeBytes = LoadDriverSourceSections(source, state_.copy, state_.driverCopies);
        if (!modeBytes)
            return modeBytes.error();
        if (Status written = WriteDriverSections(
                DriverSectionsFromCopies(state_.copy, state_.driverCopies), false);
            !written)
            return written;
        state_.driverModeBytes = *modeBytes;
        if (Status sent = SendDriverModeBytes(); !sent)
            return sent;
    }
    return LoadDriverMode();
}

Status DeviceFlows::TLDefaultDriverParameter(int imageNumber) {
    const auto image = DriverDefaultImage(imageNumber);
    if (!image)
        return image.error();
    return LoadDriverSource(*image);
}

Status DeviceFlows::TLDefaultDriverParameter1(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::exists(file, ec))
        return Ok(); // a file that does not exist loads nothing
    const auto bytes = ReadWholeFile(file, kDriverSourceLimit * 4);
    if (!bytes)
        return bytes.error();
    const std::size_t used = std::min(bytes->size(), kDriverSourceLimit);
    return LoadDriverSource(ByteView(*bytes).first(used));
}

} // namespace orln7a
