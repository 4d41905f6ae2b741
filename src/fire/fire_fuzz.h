#pragma once

// One entry point that feeds arbitrary bytes through every fire macro decoder and editor, for
// the fuzz target and the robustness tests. It must never crash or read past a buffer; it
// returns false when a property that must hold for any input is broken.

#include "common/bytes.h"

namespace orln7a {

// Checks, for any input: splitting and joining an area gives it back unchanged; the scan never
// reports an operand outside a record's checked range; every accepted edit leaves a record
// whose check byte matches and whose rescan finds the operands where they were.
bool FuzzFireRecord(ByteView data);

} // namespace orln7a
