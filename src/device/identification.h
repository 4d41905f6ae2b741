#pragma once

// Whether a found mouse is one this build may configure. The controller must identify as an
// ORLN7A that allows writing, and the manufacturer and product identifier bytes stored in the
// mouse (addresses 0x36 and 0x37) must be a pair this build accepts: the pair in its default
// image, or the brand's second pair from the OEM settings.

#include "common/bytes.h"
#include "common/result.h"
#include "device/session.h"
#include "device/transport.h"

namespace orln7a {

struct IdentifierPair {
    int manufacturer = -1;
    int product = -1;
    bool operator==(const IdentifierPair&) const = default;
};

struct AcceptedIdentifiers {
    IdentifierPair primary; // bytes 0x36 and 0x37 of the default image
    IdentifierPair second;  // Rev_Manu_ID, Rev_Pro_ID
};

// The primary pair comes from `defaultImage` (an image too short to hold it gives a pair that
// matches nothing); the second from the OEM settings' Rev_Manu_ID and Rev_Pro_ID.
AcceptedIdentifiers AcceptedIdentifiersFrom(ByteView defaultImage, int revManuId, int revProId);

bool IsAcceptedIdentifier(const AcceptedIdentifiers& accepted, IdentifierPair read);

// The two identifier bytes, read without touching the loading window.
Result<IdentifierPair> ReadIdentifierBytes(DeviceSession& session);

struct IdentifiedMouse {
    DeviceSession session; // still open: the configuration is read through it
    IdentifierPair identifiers;
};

// The identification of a found mouse, up to the point where its configuration can be read.
// Errors by language key:
//   ""        open or identify not acknowledged, or not an ORLN7A: nothing to tell the user;
//   "Str020"  writing not allowed or the chip is unsupported: the device is detached;
//   "Str107"  identifier bytes not accepted: the device stays attached;
// and any transfer failure of the identifier read. On every error the session is closed;
// where the mouse was identified, it is told to reload first.
Result<IdentifiedMouse> IdentifyMouse(Transport& transport, const AcceptedIdentifiers& accepted);

} // namespace orln7a
