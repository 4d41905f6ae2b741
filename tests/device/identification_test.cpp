#include "simulated_rig.h"

#include "device/identification.h"
#include "device/session.h"
#include "ui/resource_catalogue.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace orln7a {
namespace {

using namespace protocol;
using testing::Rig;

std::vector<int> Commands(const SimulatedMouse& mouse) {
    std::vector<int> out;
    for (const Report& r : mouse.Received())
        out.push_back(r[1]);
    return out;
}

TEST(Identification, AcceptedPairs) {
    const Bytes shipped = DataResourceBytes("ORLN5XData_Cfg1");
    ASSERT_GT(shipped.size(), 0x37u);
    ASSERT_EQ(shipped[0x36], 0xFF);
    ASSERT_EQ(shipped[0x37], 0xFF);
    Bytes branded = shipped;
    branded[0x36] = 0x21;
    branded[0x37] = 0x43;
    struct Case {
        const char* name;
        const Bytes& image;
        int revManu, revPro;
        IdentifierPair read;
        bool accepted;
    } cases[] = {
        {"default pair, whatever the OEM says", shipped, 0x12, 0x34, {255, 255}, true},
        {"OEM pair", shipped, 0x12, 0x34, {0x12, 0x34}, true},
        {"OEM pair swapped", shipped, 0x12, 0x34, {0x34, 0x12}, false},
        {"shipped OEM pair (0, 0)", shipped, 0, 0, {0, 0}, true},
        {"branded default pair", branded, 0, 0, {0x21, 0x43}, true},
        {"half a pair", branded, 0, 0, {0x21, 0xFF}, false},
        {"OEM value out of byte range", shipped, 256 + 0x12, 0x34, {0x12, 0x34}, false},
        {"no default image", Bytes{}, 7, 8, {255, 255}, false},
    };
    for (const Case& c : cases) {
        const auto accepted = AcceptedIdentifiersFrom(c.image, c.revManu, c.revPro);
        EXPECT_EQ(IsAcceptedIdentifier(accepted, c.read), c.accepted) << c.name;
    }
}

TEST(Identification, ChipNumbers) {
    for (int code = 0; code < 256; ++code) {
        const auto number = ChipNumberFromCode(static_cast<std::uint8_t>(code));
        const int want = code == 0x35 ? 0x90 : code == 0x75 ? 0x99 : code == 0xFD ? 0x98 : 0;
        EXPECT_EQ(number, want) << code;
    }
}

TEST(Identification, OutcomesOfAFoundMouse) {
    struct Case {
        const char* name;
        std::function<void(Rig&)> setup;
        const char* key; // nullptr: accepted
        bool attachedAfter;
        std::vector<int> commands; // including the close when the session ends
    } cases[] = {
        {"accepted", [](Rig&) {}, nullptr, true, {0x01, 0x03, 0x04, 0x05, 0x02}},
        {"other supported chip",
         [](Rig& r) { r.behaviour().chipCode = 0xFD; },
         nullptr,
         true,
         {0x01, 0x03, 0x04, 0x05, 0x02}},
        {"write not allowed",
         [](Rig& r) { r.behaviour().writeAllowed = false; },
         "Str020",
         false,
         {0x01, 0x03, 0x08, 0x02}},
        {"unknown chip",
         [](Rig& r) { r.behaviour().chipCode = 0x12; },
         "Str020",
         false,
         {0x01, 0x03, 0x08, 0x02}},
        {"other identifier bytes",
         [](Rig& r) {
             r.mouse->SetMemory(0x36, Bytes{0x10, 0x20});
         },
         "Str107",
         true,
         {0x01, 0x03, 0x04, 0x05, 0x08, 0x02}},
        {"not an ORLN7A",
         [](Rig& r) { r.behaviour().identifyAnswer = 0x55; },
         "",
         true,
         {0x01, 0x03, 0x02}},
        {"open refused",
         [](Rig& r) { r.behaviour().refusedCommands = {kOpen}; },
         "",
         true,
         {0x01, 0x01, 0x01, 0x01, 0x01}},
        // Unanswered chunks must not read as the default pair (0xFF, 0xFF) and be accepted.
        {"identifier read lost",
         [](Rig& r) { r.behaviour().lostChunkAcks = 5; },
         "Str020",
         true,
         {0x01, 0x03, 0x04, 0x05, 0x05, 0x05, 0x05, 0x05, 0x02}},
    };
    const auto accepted = AcceptedIdentifiersFrom(DataResourceBytes("ORLN5XData_Cfg1"), 0, 0);
    for (const Case& c : cases) {
        Rig rig;
        rig.Attach();
        c.setup(rig);
        {
            auto identified = IdentifyMouse(rig.transport, accepted);
            if (c.key == nullptr) {
                ASSERT_TRUE(identified) << c.name << ": " << identified.error().detail;
                EXPECT_EQ(identified->identifiers, (IdentifierPair{255, 255}));
                EXPECT_TRUE(rig.mouse->SessionOpen()) << "read goes on in the same session";
            } else {
                ASSERT_FALSE(identified) << c.name;
                EXPECT_EQ(identified.error().key, c.key) << c.name;
            }
        }
        EXPECT_EQ(rig.transport.IsOpen(), c.attachedAfter) << c.name;
        EXPECT_EQ(Commands(*rig.mouse), c.commands) << c.name;
        EXPECT_FALSE(rig.mouse->SessionOpen()) << c.name;
    }
}

TEST(DeviceSession, ClosesExactlyOnce) {
    Rig rig;
    rig.Attach();
    {
        auto session = DeviceSession::Begin(rig.transport);
        ASSERT_TRUE(session);
        EXPECT_TRUE(session->Usable());
        EXPECT_EQ(session->Controller().chipNumber, 0x90);
        DeviceSession moved = std::move(session).value();
        ASSERT_TRUE(moved.Reload());
        ASSERT_TRUE(moved.End());
        EXPECT_TRUE(moved.End()) << "a second end is a no-op";
        EXPECT_FALSE(moved.Reload());
    }
    EXPECT_EQ(Commands(*rig.mouse), (std::vector<int>{0x01, 0x03, 0x08, 0x02}));
    EXPECT_EQ(rig.mouse->ReloadCount(), 1);
}

TEST(DeviceSession, DriverModeProbe) {
    struct Case {
        const char* name;
        std::function<void(SimulatedMouse::Behaviour&)> setup;
        bool probed;
        bool reset;
        bool bytesTaken;
    } cases[] = {
        {"supported", [](auto&) {}, true, true, true},
        {"opened with another answer", [](auto& b) { b.openAnswer = 0xA5; }, false, true, true},
        {"driver mode unsupported", [](auto& b) { b.driverModeSupported = false; }, false, false,
         false},
    };
    for (const Case& c : cases) {
        Rig rig;
        rig.Attach();
        rig.behaviour().ledType = 0x9C;
        c.setup(rig.behaviour());
        auto session = DeviceSession::Begin(rig.transport);
        ASSERT_TRUE(session) << c.name;
        auto led = ProbeDriverMode(*session);
        EXPECT_EQ(led.ok(), c.probed) << c.name;
        if (led) {
            EXPECT_EQ(*led, 0x9C);
        }
        EXPECT_EQ(ProbeDriverReset(*session).ok(), c.reset) << c.name;
        EXPECT_EQ(SendDriverModeBytes(*session, {0x82, 0x23, 0x00, 0x04}).ok(), c.bytesTaken)
            << c.name;
        EXPECT_EQ(rig.mouse->DriverModeBytes().has_value(), c.bytesTaken) << c.name;
    }
}

} // namespace
} // namespace orln7a
