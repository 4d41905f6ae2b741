#pragma once

// The default configurations built into the program: three parameter images, loaded whenever
// the no-device state is entered and by "Confirm1" to "Confirm3", and the three driver images of
// the driver storage mode.

#include "common/bytes.h"
#include "common/result.h"
#include "image/image_layout.h"

#include <array>

namespace orln7a {

inline constexpr int kDefaultImageCount = 3;

// Image number 0, 1, 2: "ORLN5XData_Cfg1" to "ORLN5XData_Cfg3". Another number is refused.
Result<DataBuf> DefaultImage(int imageNumber);
Result<std::array<DataBuf, kDefaultImageCount>> DefaultImages();

// Image number 0, 1, 2: "Driver_ORLN5xData_Cfg1" to "_Cfg3", 40960 bytes each; any other number
// takes the first, as the driver-mode "Confirm" buttons expect.
Result<Bytes> DriverDefaultImage(int imageNumber);

} // namespace orln7a
