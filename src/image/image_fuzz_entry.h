#pragma once

// Entry points for fuzz targets: each runs the readers of the image folder over arbitrary bytes
// and reports whether the invariants held. They must never crash or read past a buffer.

#include "common/bytes.h"

namespace orln7a {

// A parameter image (any length) through the checks, into the holders and back: the repaired
// sections pass their checks, and reading what was built gives the same holders again.
bool ExerciseParameterImage(ByteView bytes);

// A driver image or driver source (any length) through loading, the holders and the sections
// written back, and the driver-mode bytes chosen from it as a file.
bool ExerciseDriverImage(ByteView bytes);

// A profile file's bytes, and the bytes taken as holder texts.
bool ExerciseProfileAndTexts(ByteView bytes);

} // namespace orln7a
