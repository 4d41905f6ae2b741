#pragma once

// Entry points for the fuzz targets. Each takes any bytes and must neither crash nor read past
// its input; each also checks what the decoders promise (re-encoding what was decoded reads
// back the same macro, names survive a text round trip) and aborts when a promise is broken, so
// that the fuzzer reports it.

#include "common/bytes.h"

namespace orln7a {

void FuzzDecodeMacroContent(ByteView data);
void FuzzDecodeDriverRecord(ByteView data);
void FuzzReadMacroFile(ByteView data);

} // namespace orln7a
