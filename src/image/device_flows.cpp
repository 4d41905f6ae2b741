#include "image/device_flows.h"

#include "common/files.h"
#include "image/default_images.h"
#include "image/image_codec.h"
#include "image/profile_file.h"

#include <set>

namespace orln7a {

namespace {

constexpr std::uint16_t kShortReadLength = 255; // "Read" takes the parameters only
constexpr int kVerifyRepairRounds = 3;

Error WriteFailed(const Error& cause) {
    return MakeError("Str109", cause.detail);
}

// The session's closing commands; a failure to close after a good transfer is not reported
// over the transfer's own result.
Status Finish(DeviceSession& session, Status result) {
    const Status reloaded = session.Reload();
    const Status ended = session.End();
    if (!result)
        return result;
    if (!reloaded)
        return reloaded;
    return ended;
}

std::vector<std::size_t> Differences(const DataBuf& wanted, const DataBuf& read) {
    std::vector<std::size_t> at;
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        if (wanted[i] != read[i])
            at.push_back(i);
    }
    return at;
}

} // namespace

DeviceFlows::DeviceFlows(EditorState& state, Transport& transport, FlowHooks& hooks,
                         DriverInterfaces* driverInterfaces)
    : state_(state), transport_(transport), hooks_(hooks), driverInterfaces_(driverInterfaces) {}

Status DeviceFlows::ReadDevInfo(bool readAll) {
    if (!state_.eepromMode())
        return LoadDriverMode();
    BusyScope busy(hooks_);
    auto mouse = IdentifyMouse(transport_, state_.accepted);
    if (!mouse)
        return mouse.error();
    state_.controller = mouse->session.Controller();
    state_.store.vendorId = std::to_string(mouse->identifiers.manufacturer);
    state_.store.productId = std::to_string(mouse->identifiers.product);
    return ReadWithSession(mouse->session, readAll);
}

Status DeviceFlows::ReadWithSession(DeviceSession& session, bool readAll) {
    // Read into a buffer of its own: a failed transfer leaves the editor as it was.
    DataBuf image;
    image.fill(0xFF);
    const std::uint16_t length =
        readAll ? static_cast<std::uint16_t>(kDataBufSize) : kShortReadLength;
    if (Status read = session.Link().ReadBlock(0, length, image); !read) {
        (void)Finish(session, Ok());
        return MakeError("Str109", read.error().detail);
    }
    state_.dataBuf = image;
    // After a short read the macro and fire macro editors keep what they had.
    LoadImageIntoEditors(state_, state_.dataBuf, readAll);
    state_.deviceReady = true;
    hooks_.EditorsChanged();
    return Finish(session, Ok());
}

Status DeviceFlows::DownloadParameter() {
    if (!state_.eepromMode())
        return DownloadDriverParameter();
    BusyScope busy(hooks_);
    BuildImageFromStore(state_.store, state_.copy);
    if (state_.aimIndex)
        ApplyAimIndex(state_.copy, *state_.aimIndex);
    StampSectionChecks(state_.copy);
    PackWorkingCopy(state_.copy, state_.dataBuf);
    RefreshBaseMacroBuf(state_.macroSlots, state_.dataBuf);
    JoinFireMacroArea(state_.fireRecords, state_.fireArea);
    (void)StoreFireMacroArea(state_.fireArea, state_.dataBuf);

    auto session = DeviceSession::Begin(transport_);
    if (!session)
        return MakeError("Str020", session.error().detail);
    state_.controller = session->Controller();
    if (!session->Controller().writeAllowed) {
        // The mouse keeps what it has; it still reloads and closes the session.
        return Finish(*session, MakeError("Str109", "the mouse does not allow writing"));
    }
    Status written =
        session->Link().WriteBlock(0, ByteView(state_.dataBuf).first(kShortReadLength));
    if (!written)
        return Finish(*session, WriteFailed(written.error()));
    return Finish(*session, WriteMacroSlots(*session));
}

Status DeviceFlows::WriteMacroSlots(DeviceSession& session) {
    Transport& link = session.Link();
    if (state_.fireAreaLoaded) {
        if (Status s = link.WriteBlock(kFireMacroAreaAddress, state_.fireArea); !s)
            return WriteFailed(s.error());
    }
    // Slot identifiers that the buttons play.
    std::set<std::uint16_t> used;
    for (const auto* texts : {&state_.store.profile1KeyTexts, &state_.store.profile2KeyTexts}) {
        for (const auto& text : *texts) {
            const auto code = ParseKeyFunctionCode(text);
            if (code && (code->type == 0x06 || code->type == 0x0E))
                used.insert(code->Parameter());
        }
    }
    // A slot whose name in the mouse is among the assigned names holds its macro already. An
    // empty name proves nothing: before the first full read every name is empty.
    for (int slot = 1; slot <= kBaseMacroSlotCount; ++slot) {
        const std::string& inMouse = state_.deviceSlotNames[static_cast<std::size_t>(slot - 1)];
        if (inMouse.empty())
            continue;
        for (const auto& assigned : state_.slotNameList) {
            if (EqualsIgnoringAsciiCase(assigned, inMouse))
                used.erase(BaseMacroSlotIds[static_cast<std::size_t>(slot - 1)]);
        }
    }
    for (int slot = 1; slot <= kBaseMacroSlotCount; ++slot) {
        const std::uint16_t id = BaseMacroSlotIds[static_cast<std::size_t>(slot - 1)];
        if (used.count(id) == 0)
            continue;
        const MacroEntry& entry = state_.macroSlots[static_cast<std::size_t>(slot - 1)];
        if (Status s = link.WriteBlock(static_cast<std::uint16_t>(id - 33), entry.name); !s)
            return WriteFailed(s.error());
        if (Status s = link.WriteBlock(static_cast<std::uint16_t>(id - 1), entry.block); !s)
            return WriteFailed(s.error());
        state_.deviceSlotNames[static_cast<std::size_t>(slot - 1)] =
            state_.slotNameList[static_cast<std::size_t>(slot - 1)];
    }
    return Ok();
}

Status DeviceFlows::TLDefaultParameter(int imageNumber) {
    if (!state_.eepromMode())
        return TLDefaultDriverParameter(imageNumber);
    const auto image = DefaultImage(imageNumber);
    if (!image)
        return image.error();
    state_.dataBuf = *image;
    const Status written = MemoToDataBuf_OnClick();
    state_.fireAreaLoaded = true;
    state_.deviceSlotNames = {};
    state_.slotNameList = {};
    return written;
}

Status DeviceFlows::MemoToDataBuf_OnClick() {
    // The editors show the repaired sections; the mouse gets the image exactly as it is.
    LoadImageIntoEditors(state_, state_.dataBuf, true);
    hooks_.EditorsChanged();
    BusyScope busy(hooks_);
    auto session = DeviceSession::Begin(transport_);
    if (!session)
        return MakeError("Str109", session.error().detail);
    state_.controller = session->Controller();
    if (!session->Usable())
        return Finish(*session, MakeError("Str109", "the mouse does not allow writing"));
    return Finish(*session, WriteAndVerifyImage(*session));
}

Status DeviceFlows::WriteAndVerifyImage(DeviceSession& session) {
    Transport& link = session.Link();
    if (Status s = link.WriteBlock(0, state_.dataBuf); !s)
        return WriteFailed(s.error());
    DataBuf readBack;
    if (Status s = link.ReadBlock(0, static_cast<std::uint16_t>(kDataBufSize), readBack); !s)
        return WriteFailed(s.error());
    auto differing = Differences(state_.dataBuf, readBack);
    for (int round = 0; round < kVerifyRepairRounds && !differing.empty(); ++round) {
        for (std::size_t at : differing) {
            const std::uint8_t byte = state_.dataBuf[at];
            if (Status s = link.WriteBlock(static_cast<std::uint16_t>(at), ByteView(&byte, 1)); !s)
                break;
        }
        if (Status s = link.ReadBlock(0, static_cast<std::uint16_t>(kDataBufSize), readBack); !s)
            return WriteFailed(s.error());
        differing = Differences(state_.dataBuf, readBack);
    }
    if (!differing.empty())
        return MakeError("Str109", std::to_string(differing.size()) +
                                       " bytes did not keep their value, the first at address " +
                                       std::to_string(differing.front()));
    return Ok();
}

Status DeviceFlows::ReadFireMacroArea() {
    BusyScope busy(hooks_);
    auto mouse = IdentifyMouse(transport_, state_.accepted);
    if (!mouse)
        return mouse.error();
    FireMacroArea area;
    if (Status s = mouse->session.Link().ReadBlock(kFireMacroAreaAddress, area.size(), area); !s)
        return Finish(mouse->session, MakeError("Str109", s.error().detail));
    state_.fireArea = area;
    state_.fireRecords = SplitFireMacroArea(area);
    state_.fireAreaLoaded = true;
    return Finish(mouse->session, Ok());
}

Status DeviceFlows::SaveProfile(const std::filesystem::path& file) {
    if (Status read = ReadDevInfo(true); !read) {
        // Nothing stale is saved under the user's name.
        return read.error().key.empty() ? MakeError("Str020", read.error().detail) : read;
    }
    if (state_.eepromMode())
        return WriteProfileFile(file, state_.dataBuf);
    if (Status channel = EnsureDriverChannel(); !channel)
        return channel;
    Bytes image(kDriverImageSize, 0);
    if (Status s = channel_->Read(0, image); !s)
        return MakeError("Str109", s.error().detail);
    const auto profile = DriverProfileImage(image, state_.driverModeBytes);
    if (!profile)
        return profile.error();
    return WriteProfileFile(file, *profile);
}

Status DeviceFlows::LoadProfile(const std::filesystem::path& file) {
    const auto profile = ReadProfileFile(file);
    if (!profile)
        return profile.error();
    if (!state_.eepromMode())
        return LoadDriverSource(profile->bytes);
    state_.dataBuf = ParameterImageFromProfile(*profile);
    state_.fireAreaLoaded = true;
    state_.deviceSlotNames = {};
    state_.slotNameList = {};
    return MemoToDataBuf_OnClick();
}

} // namespace orln7a
