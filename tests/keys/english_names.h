#pragma once

// The English texts of the first language table that name button functions, gun presets and
// the DPI values, for tests of code that shows those names.

#include "ui/language.h"

namespace orln7a {

const MapLanguage& EnglishNames();

} // namespace orln7a
