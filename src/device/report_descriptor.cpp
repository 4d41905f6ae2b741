#include "device/report_descriptor.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <map>
#include <optional>

namespace orln7a {

namespace {

enum ItemType : std::uint8_t { kMain = 0, kGlobal = 1, kLocal = 2 };

enum MainTag : std::uint8_t {
    kInput = 0x8,
    kOutput = 0x9,
    kCollection = 0xA,
    kFeature = 0xB,
    kEndCollection = 0xC,
};

enum GlobalTag : std::uint8_t {
    kUsagePage = 0x0,
    kReportSize = 0x7,
    kReportId = 0x8,
    kReportCount = 0x9,
    kPush = 0xA,
    kPop = 0xB,
};

constexpr std::uint8_t kLocalUsage = 0x0;
constexpr std::uint8_t kLongItemPrefix = 0xFE;

// Deeper nesting than this is no real descriptor; further Push items are ignored rather than
// letting hostile input grow the stack without end.
constexpr std::size_t kMaxPushDepth = 64;

// No real report comes near this; summing stops growing here so that huge sizes and counts
// cannot overflow.
constexpr std::uint64_t kBitCap = std::uint64_t{1} << 32;

struct Globals {
    std::uint16_t usagePage = 0;
    std::uint32_t reportSize = 0;
    std::uint32_t reportCount = 0;
    std::uint8_t reportId = 0;
};

// Bits per report ID, for one report kind of one collection.
using ReportBits = std::map<std::uint8_t, std::uint64_t>;

struct OpenCollection {
    TopLevelCollection info;
    std::array<ReportBits, 3> bits; // input, output, feature
};

std::uint16_t LengthOf(const ReportBits& bits) {
    std::uint64_t largest = 0;
    for (const auto& [id, count] : bits)
        largest = std::max(largest, count);
    if (bits.empty())
        return 0;
    const std::uint64_t bytes = (largest + 7) / 8 + 1;
    return static_cast<std::uint16_t>(std::min<std::uint64_t>(bytes, 0xFFFF));
}

TopLevelCollection Finish(OpenCollection& open) {
    open.info.lengths.input = LengthOf(open.bits[0]);
    open.info.lengths.output = LengthOf(open.bits[1]);
    open.info.lengths.feature = LengthOf(open.bits[2]);
    return open.info;
}

} // namespace

std::vector<TopLevelCollection> ParseReportDescriptor(ByteView descriptor) {
    std::vector<TopLevelCollection> out;
    Globals globals;
    std::vector<Globals> pushed;
    // Local state: the first usage since the last main item, which a collection takes. A 4-byte
    // usage carries its own usage page.
    bool haveUsage = false;
    std::uint32_t firstUsage = 0;
    bool firstUsageExtended = false;
    std::optional<OpenCollection> open;
    int depth = 0;

    std::size_t at = 0;
    while (at < descriptor.size()) {
        const std::uint8_t prefix = descriptor[at];
        if (prefix == kLongItemPrefix) {
            // Long items carry vendor data that no report length depends on.
            if (at + 2 >= descriptor.size())
                break;
            at += 3 + std::size_t{descriptor[at + 1]};
            continue;
        }
        const std::size_t size = std::array<std::size_t, 4>{0, 1, 2, 4}[prefix & 0x3];
        const auto type = static_cast<std::uint8_t>((prefix >> 2) & 0x3);
        const auto tag = static_cast<std::uint8_t>(prefix >> 4);
        if (at + 1 + size > descriptor.size())
            break;
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < size; ++i)
            value |= std::uint32_t{descriptor[at + 1 + i]} << (8 * i);
        at += 1 + size;

        if (type == kGlobal) {
            switch (tag) {
            case kUsagePage:
                globals.usagePage = static_cast<std::uint16_t>(value);
                break;
            case kReportSize:
                globals.reportSize = value;
                break;
            case kReportCount:
                globals.reportCount = value;
                break;
            case kReportId:
                globals.reportId = static_cast<std::uint8_t>(value);
                break;
            case kPush:
                if (pushed.size() < kMaxPushDepth)
                    pushed.push_back(globals);
                break;
            case kPop:
                if (!pushed.empty()) {
                    globals = pushed.back();
                    pushed.pop_back();
                }
                break;
            default:
                break;
            }
            continue;
        }
        if (type == kLocal) {
            if (tag == kLocalUsage && !haveUsage) {
                haveUsage = true;
                firstUsage = value;
                firstUsageExtended = size == 4;
            }
            continue;
        }
        if (type != kMain)
            continue;

        switch (tag) {
        case kCollection:
            if (depth == 0) {
                open.emplace();
                open->info.usage = static_cast<std::uint16_t>(firstUsage & 0xFFFF);
                open->info.usagePage = firstUsageExtended
                                           ? static_cast<std::uint16_t>(firstUsage >> 16)
                                           : globals.usagePage;
            }
            ++depth;
            break;
        case kEndCollection:
            if (depth > 0 && --depth == 0 && open) {
                out.push_back(Finish(*open));
                open.reset();
            }
            break;
        case kInput:
        case kOutput:
        case kFeature:
            if (open) {
                const int kind = tag == kInput ? 0 : tag == kOutput ? 1 : 2;
                std::uint64_t& bits = open->bits[kind][globals.reportId];
                const std::uint64_t add =
                    std::uint64_t{globals.reportSize} * std::uint64_t{globals.reportCount};
                bits = std::min(bits + std::min(add, kBitCap), kBitCap);
            }
            break;
        default:
            break;
        }
        haveUsage = false;
        firstUsage = 0;
        firstUsageExtended = false;
    }
    if (open)
        out.push_back(Finish(*open));
    return out;
}

} // namespace orln7a
