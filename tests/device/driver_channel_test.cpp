#include "simulated_rig.h"

#include "common/files.h"
#include "device/driver_channel.h"
#include "device/substitute_driver.h"
#include "ui/resource_catalogue.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>

namespace orln7a {
namespace {

using testing::Rig;
using testing::TempFolder;

TEST(DriverChannel, IdentifierInThePath) {
    const std::string prefix(54, 'x');
    struct Case {
        std::string path;
        std::optional<std::uint16_t> id;
    } cases[] = {
        {SubstituteDriver::InterfacePathFor(0x2A61), 0x2A61},
        {SubstituteDriver::InterfacePathFor(0), 0},
        {prefix + "beef", 0xBEEF},
        {prefix + "BEE", std::nullopt},
        {prefix + "12G4tail", std::nullopt},
        {prefix.substr(0, 53) + "12345", 0x2345},
        {"", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DriverIdFromPath(c.path), c.id) << c.path;
}

TEST(DriverChannel, RequestHeaderIsLittleEndian) {
    const Bytes request = EncodeDriverRequest(0x01020304, 3, Bytes{0xAA, 0xBB, 0xCC});
    EXPECT_EQ(request, (Bytes{4, 3, 2, 1, 3, 0, 0, 0, 0xAA, 0xBB, 0xCC}));
    EXPECT_EQ(EncodeDriverRequest(256, 4), (Bytes{0, 1, 0, 0, 4, 0, 0, 0, 0, 0, 0, 0}));
    const auto header = DecodeDriverRequestHeader(request);
    ASSERT_TRUE(header);
    EXPECT_EQ(header->offset, 0x01020304u);
    EXPECT_EQ(header->length, 3u);
    EXPECT_FALSE(DecodeDriverRequestHeader(Bytes(7, 0)));
}

TEST(DriverChannel, FoundThroughTheMouseAndKeepsWrites) {
    TempFolder folder;
    const Bytes defaults = DataResourceBytes("Driver_ORLN5xData_Cfg1");
    ASSERT_EQ(defaults.size(), kDriverImageSize);
    const Bytes profile(55, 0x5C);
    {
        Rig rig;
        rig.Attach();
        SubstituteDriver driver(folder.path(), rig.behaviour().driverId);
        auto channel = FindDriverChannel(rig.transport, driver);
        ASSERT_TRUE(channel) << channel.error().detail;
        Bytes parameterA(48);
        ASSERT_TRUE((*channel)->Read(0, parameterA));
        EXPECT_TRUE(std::equal(parameterA.begin(), parameterA.end(), defaults.begin()));
        ASSERT_TRUE((*channel)->Write(64, profile));
    }
    // A driver started afresh finds the write in its file.
    Rig rig;
    rig.Attach();
    SubstituteDriver driver(folder.path(), rig.behaviour().driverId);
    auto channel = FindDriverChannel(rig.transport, driver);
    ASSERT_TRUE(channel);
    Bytes whole(kDriverImageSize);
    ASSERT_TRUE((*channel)->Read(0, whole));
    Bytes expected = defaults;
    std::copy(profile.begin(), profile.end(), expected.begin() + 64);
    EXPECT_EQ(whole, expected);
}

TEST(DriverChannel, NotFound) {
    TempFolder folder;
    struct Case {
        const char* name;
        std::function<void(Rig&, std::uint16_t& driverId)> setup;
    } cases[] = {
        {"other identifier", [](Rig&, std::uint16_t& id) { id = 0x1111; }},
        {"mouse refuses 0x81",
         [](Rig& r, std::uint16_t&) { r.behaviour().refusedCommands = {protocol::kDriverId}; }},
        {"damaged image file",
         [&folder](Rig&, std::uint16_t&) {
             ASSERT_TRUE(WriteFileAtomically(folder.path() / kSubstituteDriverFile, Bytes(10)));
         }},
    };
    for (const Case& c : cases) {
        Rig rig;
        rig.Attach();
        std::uint16_t id = rig.behaviour().driverId;
        c.setup(rig, id);
        SubstituteDriver driver(folder.path(), id);
        auto channel = FindDriverChannel(rig.transport, driver);
        ASSERT_FALSE(channel) << c.name;
        EXPECT_EQ(channel.error().key, "Str020") << c.name;
    }
}

TEST(DriverChannel, SubstituteRefusesMalformedRequests) {
    TempFolder folder;
    SubstituteDriver driver(folder.path(), 7);
    auto endpoint = driver.Open(SubstituteDriver::InterfacePathFor(7));
    ASSERT_TRUE(endpoint);
    Bytes out(64, 0);
    struct Case {
        const char* name;
        std::uint32_t code;
        Bytes input;
        std::size_t outputSize;
    } cases[] = {
        {"shorter than a header", kDriverReadControl, Bytes(5), 64},
        {"beyond the image", kDriverReadControl, EncodeDriverRequest(40950, 20), 64},
        {"offset wraps round", kDriverWriteControl, EncodeDriverRequest(0xFFFFFFFF, 2, Bytes{1, 2}),
         0},
        {"read without room", kDriverReadControl, EncodeDriverRequest(0, 100), 64},
        {"write shorter than its length", kDriverWriteControl,
         [] {
             Bytes b = EncodeDriverRequest(0, 40, Bytes(40, 1));
             b.resize(20);
             return b;
         }(),
         0},
        {"unknown code", 0x223E0C, EncodeDriverRequest(0, 4), 64},
    };
    for (const Case& c : cases)
        EXPECT_FALSE((*endpoint)->Control(c.code, c.input, std::span(out).first(c.outputSize)))
            << c.name;
    std::mt19937 random(3);
    for (int round = 0; round < 500; ++round) {
        Bytes input(random() % 24);
        for (auto& b : input)
            b = static_cast<std::uint8_t>(random());
        (void)(*endpoint)->Control(random() % 2 ? kDriverReadControl : kDriverWriteControl, input,
                                   out);
    }

    // A read that fails leaves zeros, never stale bytes.
    DriverChannel channel(std::move(endpoint).value());
    Bytes destination(20, 0xEE);
    EXPECT_FALSE(channel.Read(40950, destination));
    EXPECT_EQ(destination, Bytes(20, 0));
}

} // namespace
} // namespace orln7a
