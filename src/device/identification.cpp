#include "device/identification.h"

#include "device/protocol.h"

#include <array>
#include <string>

namespace orln7a {

namespace {

std::string Text(IdentifierPair pair) {
    return "(" + std::to_string(pair.manufacturer) + ", " + std::to_string(pair.product) + ")";
}

} // namespace

AcceptedIdentifiers AcceptedIdentifiersFrom(ByteView defaultImage, int revManuId, int revProId) {
    AcceptedIdentifiers accepted;
    const std::size_t at = protocol::kIdentifierAddress;
    if (defaultImage.size() > at + 1)
        accepted.primary = {defaultImage[at], defaultImage[at + 1]};
    accepted.second = {revManuId, revProId};
    return accepted;
}

bool IsAcceptedIdentifier(const AcceptedIdentifiers& accepted, IdentifierPair read) {
    return read == accepted.primary || read == accepted.second;
}

Result<IdentifierPair> ReadIdentifierBytes(DeviceSession& session) {
    if (session.Ended())
        return MakeError("", "identifier read: the session has ended");
    std::array<std::uint8_t, 2> bytes{};
    if (Status read = session.Link().ReadBlock(protocol::kIdentifierAddress, 2, bytes,
                                               Transport::LoadingWindow::Untouched);
        !read)
        return MakeError("Str020", "identifier read: " + read.error().detail);
    return IdentifierPair{bytes[0], bytes[1]};
}

Result<IdentifiedMouse> IdentifyMouse(Transport& transport, const AcceptedIdentifiers& accepted) {
    auto session = DeviceSession::Begin(transport);
    if (!session)
        return session.error();
    if (!session->Usable()) {
        const ControllerInfo& c = session->Controller();
        const std::string why = !c.writeAllowed ? "the mouse does not allow writing its memory"
                                                : "the controller's chip code is not supported";
        (void)session->Reload();
        (void)session->End();
        transport.Detach();
        return MakeError("Str020", why);
    }
    auto identifiers = ReadIdentifierBytes(*session);
    if (!identifiers)
        return identifiers.error();
    if (!IsAcceptedIdentifier(accepted, *identifiers)) {
        (void)session->Reload();
        (void)session->End();
        return MakeError("Str107", "identifier bytes " + Text(*identifiers) + " are neither " +
                                       Text(accepted.primary) + " nor " + Text(accepted.second));
    }
    return IdentifiedMouse{std::move(session).value(), *identifiers};
}

} // namespace orln7a
