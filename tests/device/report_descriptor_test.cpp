#include "device/hidapi_backend.h"
#include "device/report_descriptor.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <sstream>

namespace orln7a {
namespace {

// The mouse's vendor collection: feature report 4 of seven data bytes.
const Bytes kVendor = {
    0x06, 0x00, 0xFF, // Usage Page (0xFF00)
    0x09, 0x01,       // Usage (1)
    0xA1, 0x01,       // Collection (Application)
    0x85, 0x04,       //   Report ID (4)
    0x09, 0x02,       //   Usage (2)
    0x15, 0x00,       //   Logical Minimum (0)
    0x26, 0xFF, 0x00, //   Logical Maximum (255)
    0x75, 0x08,       //   Report Size (8)
    0x95, 0x07,       //   Report Count (7)
    0xB1, 0x02,       //   Feature (Data, Var, Abs)
    0xC0,             // End Collection
};

// A boot mouse without report IDs: three buttons, five bits of padding, X and Y.
const Bytes kBootMouse = {
    0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x09, 0x01, 0xA1, 0x00, // Mouse, Pointer
    0x05, 0x09, 0x19, 0x01, 0x29, 0x03, 0x15, 0x00, 0x25, 0x01, // Buttons 1-3
    0x95, 0x03, 0x75, 0x01, 0x81, 0x02,                         //   3 x 1 bit
    0x95, 0x01, 0x75, 0x05, 0x81, 0x03,                         //   padding
    0x05, 0x01, 0x09, 0x30, 0x09, 0x31, 0x15, 0x81, 0x25, 0x7F, // X, Y
    0x75, 0x08, 0x95, 0x02, 0x81, 0x06,                         //   2 x 8 bits
    0xC0, 0xC0,
};

// A boot keyboard: modifiers, a reserved byte, five LEDs with padding, six key codes.
const Bytes kKeyboard = {
    0x05, 0x01, 0x09, 0x06, 0xA1, 0x01,                         // Keyboard
    0x05, 0x07, 0x19, 0xE0, 0x29, 0xE7, 0x15, 0x00, 0x25, 0x01, // modifiers
    0x75, 0x01, 0x95, 0x08, 0x81, 0x02,                         //   8 x 1 bit
    0x95, 0x01, 0x75, 0x08, 0x81, 0x01,                         // reserved byte
    0x05, 0x08, 0x19, 0x01, 0x29, 0x05, 0x95, 0x05, 0x75, 0x01, // LEDs
    0x91, 0x02, 0x95, 0x01, 0x75, 0x03, 0x91, 0x01,             //   5 bits + padding
    0x05, 0x07, 0x19, 0x00, 0x29, 0x65, 0x15, 0x00, 0x25, 0x65, // key codes
    0x75, 0x08, 0x95, 0x06, 0x81, 0x00,                         //   6 x 8 bits
    0xC0,
};

// One hidraw node with a wheel mouse of report ID 1 and the vendor collection: Push/Pop keep
// the 16-bit axes from leaking into the wheel, and a second feature report (ID 5) is shorter
// than report 4. The vendor collection names its usage page inside a 4-byte usage.
const Bytes kComposite = {
    0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x85, 0x01,             // Mouse, Report ID 1
    0x05, 0x09, 0x19, 0x01, 0x29, 0x05, 0x95, 0x05, 0x75, 0x01, // Buttons 1-5
    0x81, 0x02, 0x95, 0x01, 0x75, 0x03, 0x81, 0x03,             //   5 bits + 3 padding
    0x75, 0x08, 0xA4,                                           //   Size 8, Push
    0x05, 0x01, 0x09, 0x30, 0x09, 0x31, 0x75, 0x10, 0x95, 0x02, //   X, Y: 2 x 16 bits
    0x81, 0x06,                                                 //
    0xB4,                                                       //   Pop: size 8, count 1
    0x09, 0x38, 0x81, 0x06,                                     //   Wheel: 8 bits
    0xC0,                                                       //
    0x05, 0x01,                                                 // Usage Page (1) again
    0x0B, 0x01, 0x00, 0x00, 0xFF,                               // Usage (0xFF00:0001)
    0xA1, 0x01, 0x85, 0x04, 0x75, 0x08, 0x95, 0x07, 0xB1, 0x02, // Report 4: 7 bytes
    0x85, 0x05, 0x95, 0x02, 0xB1, 0x02,                         // Report 5: 2 bytes
    0xFE, 0x02, 0x10, 0xAA, 0xBB,                               // a long item
    0xC0,
};

TEST(ReportDescriptor, OwnDescriptors) {
    struct Case {
        const char* name;
        const Bytes& descriptor;
        std::vector<TopLevelCollection> want;
    } cases[] = {
        {"vendor", kVendor, {{0xFF00, 0x01, {0, 0, 8}}}},
        {"boot mouse", kBootMouse, {{0x0001, 0x02, {4, 0, 0}}}},
        {"keyboard", kKeyboard, {{0x0001, 0x06, {9, 2, 0}}}},
        {"composite", kComposite, {{0x0001, 0x02, {7, 0, 0}}, {0xFF00, 0x01, {0, 0, 8}}}},
    };
    for (const Case& c : cases) {
        const auto got = ParseReportDescriptor(c.descriptor);
        ASSERT_EQ(got.size(), c.want.size()) << c.name;
        for (std::size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].usagePage, c.want[i].usagePage) << c.name << " " << i;
            EXPECT_EQ(got[i].usage, c.want[i].usage) << c.name << " " << i;
            EXPECT_EQ(got[i].lengths, c.want[i].lengths) << c.name << " " << i;
        }
    }
}

TEST(ReportDescriptor, AnyBytesAreRead) {
    // Every prefix of the real descriptors, then random bytes: nothing may read out of bounds.
    for (const Bytes* d : {&kVendor, &kBootMouse, &kKeyboard, &kComposite})
        for (std::size_t n = 0; n <= d->size(); ++n)
            (void)ParseReportDescriptor(ByteView(d->data(), n));
    std::mt19937 random(7);
    for (int round = 0; round < 2000; ++round) {
        Bytes bytes(random() % 64);
        for (auto& b : bytes)
            b = static_cast<std::uint8_t>(random());
        (void)ParseReportDescriptor(bytes);
    }
    // Enormous sizes and counts saturate instead of wrapping round to a small length.
    const Bytes huge = {0xA1, 0x01, 0x77, 0xFF, 0xFF, 0xFF, 0xFF, 0x97,
                        0xFF, 0xFF, 0xFF, 0xFF, 0x81, 0x02, 0x81, 0x02};
    const auto got = ParseReportDescriptor(huge);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].lengths.input, 0xFFFF);
    // Unbalanced items: a Pop with nothing pushed, End Collection at the top level, an open
    // collection at the end.
    const Bytes unbalanced = {0xB4, 0xC0, 0xC0, 0x09, 0x05, 0xA1, 0x01,
                              0x75, 0x08, 0x95, 0x03, 0x91, 0x02};
    const auto open = ParseReportDescriptor(unbalanced);
    ASSERT_EQ(open.size(), 1u);
    EXPECT_EQ(open[0].usage, 0x05);
    EXPECT_EQ(open[0].lengths, (ReportLengths{0, 4, 0}));
}

// Real descriptors with the lengths Windows computed for them, kept next to the repository.
TEST(ReportDescriptor, AgreesWithWindowsOnRealDevices) {
    const std::filesystem::path folder =
        std::filesystem::path(ORLN7A_SOURCE_DIR) / ".." / "shared" / "hid-descriptors";
    std::ifstream table(folder / "lengths.tsv");
    if (!table)
        GTEST_SKIP() << "no descriptor collection at " << folder;
    std::string line;
    std::getline(table, line); // column names
    int checked = 0;
    while (std::getline(table, line)) {
        std::istringstream fields(line);
        std::string name;
        unsigned input = 0, output = 0, feature = 0;
        if (!(fields >> name >> input >> output >> feature))
            continue;
        std::ifstream file(folder / (name + ".bin"), std::ios::binary);
        ASSERT_TRUE(file) << name;
        const Bytes descriptor((std::istreambuf_iterator<char>(file)), {});
        const auto got = ParseReportDescriptor(descriptor);
        ASSERT_EQ(got.size(), 1u) << name;
        // Names are vendor_product_usage_usagepage in hex.
        EXPECT_EQ(got[0].usage, std::stoul(name.substr(10, 4), nullptr, 16)) << name;
        EXPECT_EQ(got[0].usagePage, std::stoul(name.substr(15, 4), nullptr, 16)) << name;
        EXPECT_EQ(got[0].lengths, (ReportLengths{static_cast<std::uint16_t>(input),
                                                 static_cast<std::uint16_t>(output),
                                                 static_cast<std::uint16_t>(feature)}))
            << name;
        ++checked;
    }
    EXPECT_GT(checked, 0);
}

TEST(ReportDescriptor, EachCollectionOfANodeGetsItsOwnLengths) {
    auto entry = [](std::string path, std::uint16_t page, std::uint16_t usage) {
        HidInterfaceInfo info;
        info.path = std::move(path);
        info.usagePage = page;
        info.usage = usage;
        return info;
    };
    std::vector<HidInterfaceInfo> list = {
        entry("/dev/hidraw1", 0x0001, 0x02), entry("/dev/hidraw1", 0xFF00, 0x01),
        entry("/dev/hidraw2", 0x0001, 0x06), entry("/dev/hidraw9", 0x0001, 0x02)};
    std::map<std::string, int> reads;
    AssignCollectionLengths(list, [&](const std::string& path) -> std::optional<Bytes> {
        ++reads[path];
        if (path == "/dev/hidraw1")
            return kComposite;
        if (path == "/dev/hidraw2")
            return kKeyboard;
        return std::nullopt;
    });
    EXPECT_EQ(list[0].lengths, (ReportLengths{7, 0, 0}));
    EXPECT_EQ(list[1].lengths, (ReportLengths{0, 0, 8}));
    EXPECT_EQ(list[2].lengths, (ReportLengths{9, 2, 0}));
    EXPECT_EQ(list[3].lengths, ReportLengths{}); // unreadable descriptor: never matches
    EXPECT_EQ(reads, (std::map<std::string, int>{
                         {"/dev/hidraw1", 1}, {"/dev/hidraw2", 1}, {"/dev/hidraw9", 1}}));
    EXPECT_EQ(ReportDescriptorPathFor("/dev/hidraw3"),
              std::filesystem::path("/sys/class/hidraw/hidraw3/device/report_descriptor"));
}

} // namespace
} // namespace orln7a
