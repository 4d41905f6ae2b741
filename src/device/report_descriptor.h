#pragma once

// A small HID report descriptor reader. On Linux the kernel hands out the raw descriptor, but
// the mouse is matched by the feature report length that Windows computes for each top-level
// collection, so this reader works those lengths out the same way: per report kind, the largest
// report in bytes, report ID byte included (one byte is counted even when the device uses no
// report IDs), 0 when the collection has no report of that kind.

#include "common/bytes.h"

#include <cstdint>
#include <vector>

namespace orln7a {

struct ReportLengths {
    std::uint16_t input = 0;
    std::uint16_t output = 0;
    std::uint16_t feature = 0;
    bool operator==(const ReportLengths&) const = default;
};

struct TopLevelCollection {
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;
    ReportLengths lengths;
};

// Every top-level collection of `descriptor`, in descriptor order. Accepts any bytes: a
// truncated item ends the reading, unbalanced Push/Pop and End Collection items are ignored, and
// a collection still open at the end is kept with what it declared so far.
std::vector<TopLevelCollection> ParseReportDescriptor(ByteView descriptor);

} // namespace orln7a
