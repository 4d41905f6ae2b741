#pragma once

#include "common/bytes.h"
#include "common/result.h"

#include <nlohmann/json.hpp>

namespace orln7a::ctl {

// What the editor would show after loading a 2048-byte parameter image or a 40960-byte driver
// image, as JSON (repaired sections show their defaults).
Result<nlohmann::json> DescribeImage(ByteView image);

} // namespace orln7a::ctl
