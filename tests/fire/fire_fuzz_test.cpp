#include "fire/fire_fuzz.h"

#include <gtest/gtest.h>

#include <random>

namespace orln7a {
namespace {

// Arbitrary bytes, biased towards usable records and fire macro codes so that the scan and the
// edits get deep.
TEST(FireFuzzTest, AnyBytesKeepTheRecordsSound) {
    static constexpr std::uint8_t kCodes[] = {0xA1, 0x21, 0xFB, 0xFA, 0xFE, 0xFD, 0xFC,
                                              0x00, 0x01, 0x16, 0x17, 0xFF, 0x0C, 0x0A};
    std::mt19937 random(20240611);
    for (int round = 0; round < 3000; ++round) {
        Bytes data(random() % 600);
        for (std::size_t i = 0; i < data.size(); ++i) {
            // Mostly usable release modes and lengths inside the area's records.
            const std::size_t field = i < 240 ? i % 24 : 24;
            if (field == 0)
                data[i] = static_cast<std::uint8_t>(random() % 3);
            else if (field == 1)
                data[i] = static_cast<std::uint8_t>(random() % 26);
            else
                data[i] = (random() % 3 == 0) ? static_cast<std::uint8_t>(random())
                                              : kCodes[random() % std::size(kCodes)];
        }
        ASSERT_TRUE(FuzzFireRecord(data)) << "round " << round;
    }
    EXPECT_TRUE(FuzzFireRecord({}));
}

} // namespace
} // namespace orln7a
