#include "simulated_rig.h"

#include "device/discovery.h"
#include "device/hidapi_backend.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace orln7a {
namespace {

using testing::kMousePath;
using testing::Rig;
using Outcome = DevicePoller::Outcome;

TEST(Discovery, CountsEachNodeOnce) {
    Rig rig;
    HidInterfaceInfo pointer = SimulatedHidBackend::MouseInterfaceInfo(kMousePath);
    pointer.usagePage = 0x0001;
    pointer.usage = 0x0002;
    pointer.lengths = {7, 0, 0};
    rig.backend.Plug({pointer, rig.mouse}); // the same node, a second collection
    rig.backend.Plug({SimulatedHidBackend::OtherInterfaceInfo("/dev/hidraw-keyboard"), nullptr});
    EXPECT_EQ(CountHidInterfaces(rig.backend), 2);
    rig.backend.Unplug("/dev/hidraw-keyboard");
    EXPECT_EQ(CountHidInterfaces(rig.backend), 1);
    rig.mouse->Unplug();
    EXPECT_EQ(CountHidInterfaces(rig.backend), 0);
}

TEST(Discovery, FindsOnlyTheExactMouse) {
    struct Case {
        const char* name;
        std::function<void(SimulatedInterface&)> change;
        bool found;
    } cases[] = {
        {"the mouse", [](auto&) {}, true},
        {"version 0x0105", [](auto& d) { d.info.versionNumber = 0x0105; }, false},
        {"64-byte feature report", [](auto& d) { d.info.lengths.feature = 64; }, false},
        {"no feature report", [](auto& d) { d.info.lengths.feature = 0; }, false},
        {"other product", [](auto& d) { d.info.productId = 0x08A1; }, false},
        {"other vendor", [](auto& d) { d.info.vendorId = 0x1BCE; }, false},
    };
    for (const Case& c : cases) {
        FakeClock clock;
        SimulatedHidBackend backend;
        SimulatedInterface mouse{SimulatedHidBackend::MouseInterfaceInfo(kMousePath),
                                 std::make_shared<SimulatedMouse>(clock)};
        c.change(mouse);
        backend.Plug(mouse);
        backend.Plug({SimulatedHidBackend::OtherInterfaceInfo("/dev/hidraw-keyboard"), nullptr});
        auto found = FindDevice(backend, 0x1BCF, 0x08A0, 260);
        EXPECT_EQ(found.ok(), c.found) << c.name;
        if (found) {
            EXPECT_EQ(found->info.path, kMousePath);
            EXPECT_EQ(backend.OpenCount(), 1) << "only the matching node is opened";
        } else {
            EXPECT_EQ(found.error().key, "Str100") << c.name;
            EXPECT_EQ(backend.OpenCount(), 0) << c.name;
        }
    }
}

TEST(Discovery, PermissionTroubleIsReportedWithTheCure) {
    FakeClock clock;
    SimulatedHidBackend backend;
    backend.Plug({SimulatedHidBackend::MouseInterfaceInfo("/dev/hidraw5"),
                  std::make_shared<SimulatedMouse>(clock), /*openDenied=*/true});
    auto found = FindDevice(backend, kMouseVendorId, kMouseProductId, kMouseVersionNumber);
    ASSERT_FALSE(found);
    const std::string& detail = found.error().detail;
    EXPECT_NE(detail.find("/dev/hidraw5"), std::string::npos) << detail;
    EXPECT_NE(detail.find("70-orln7a-editor.rules"), std::string::npos) << detail;
    EXPECT_NE(detail.find("udevadm control --reload-rules && udevadm trigger"), std::string::npos)
        << detail;
}

TEST(Discovery, TakesTheLastMatchThatOpensAndOpensEachNodeOnce) {
    FakeClock clock;
    auto first = std::make_shared<SimulatedMouse>(clock);
    auto second = std::make_shared<SimulatedMouse>(clock);
    struct Case {
        bool secondDenied;
        const char* want;
    } cases[] = {{false, "/dev/hidraw2"}, {true, "/dev/hidraw1"}};
    for (const Case& c : cases) {
        SimulatedHidBackend backend;
        // Two collections with the mouse's signature on the first node.
        backend.Plug({SimulatedHidBackend::MouseInterfaceInfo("/dev/hidraw1"), first});
        backend.Plug(
            {SimulatedHidBackend::MouseInterfaceInfo("/dev/hidraw2"), second, c.secondDenied});
        auto found = FindDevice(backend, kMouseVendorId, kMouseProductId, kMouseVersionNumber);
        ASSERT_TRUE(found) << found.error().detail;
        EXPECT_EQ(found->info.path, c.want);
        EXPECT_EQ(backend.OpenCount(), 1);
    }
}

// The real backend on whatever this machine has: listing never fails, and a node that does not
// exist is an open error of its own, not taken for missing permission.
TEST(Discovery, HidapiBackendOnThisMachine) {
    HidapiBackend backend;
    for (const HidInterfaceInfo& info : backend.Enumerate())
        EXPECT_FALSE(info.path.empty());
    auto missing = backend.Open("/dev/hidraw-that-does-not-exist");
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error().detail.find("udev"), std::string::npos) << missing.error().detail;
}

// A polling world in which counts, the open device and the present candidates are scripted.
class ScriptedTarget : public PollTarget {
public:
    std::vector<int> counts; // consumed in order; the last one repeats
    bool open = false;
    std::set<std::pair<int, int>> present;
    std::vector<std::string> calls;

    int CountHidInterfaces() override {
        const int value = counts.at(std::min(next_, counts.size() - 1));
        ++next_;
        return value;
    }
    bool DeviceOpen() const override { return open; }
    bool FindDevice(CandidatePair ids, std::uint16_t version) override {
        char text[32];
        std::snprintf(text, sizeof text, "find %04X:%04X v%u", ids.vendor, ids.product, version);
        calls.emplace_back(text);
        const bool found = present.contains({ids.vendor, ids.product});
        open = open || found;
        return found;
    }
    void CloseDevice() override {
        calls.emplace_back("close");
        open = false;
    }
    void DeviceLost() override { calls.emplace_back("lost"); }
    void ReadDevInfo() override { calls.emplace_back("read"); }

    void Script(std::vector<int> values) {
        counts = std::move(values);
        next_ = 0;
        calls.clear();
    }

private:
    std::size_t next_ = 0;
};

TEST(DevicePoller, Decisions) {
    const CandidatePair mouse{0x1BCF, 0x08A0};
    const CandidatePair other{0x1234, 0x5678};
    const std::set<std::pair<int, int>> none;
    const std::set<std::pair<int, int>> mousePresent{{0x1BCF, 0x08A0}};
    struct Case {
        const char* name;
        std::array<CandidatePair, 2> candidates;
        bool openBefore; // the mouse was found on the tick before, at 4 interfaces
        std::vector<int> counts;
        std::set<std::pair<int, int>> present;
        Outcome want;
        std::vector<std::string> calls;
        int lastCount;
    } cases[] = {
        {"nothing changed", {mouse, {}}, true, {4}, mousePresent, Outcome::Unchanged, {}, 4},
        {"one stable round is not enough",
         {mouse, {}},
         false,
         {5, 6, 6, 5, 5, 5, 7, 6, 5, 8},
         none,
         Outcome::Unsettled,
         {},
         4},
        {"two stable rounds are enough",
         {mouse, {}},
         false,
         {5, 6, 6, 5, 5, 5, 5, 5, 5, 8},
         mousePresent,
         Outcome::Found,
         {"find 1BCF:08A0 v260", "read"},
         5},
        {"unrelated device plugged in while the mouse is open",
         {mouse, {}},
         true,
         {5},
         mousePresent,
         Outcome::CountRecorded,
         {},
         5},
        {"unrelated device plugged in without a mouse",
         {mouse, {}},
         false,
         {5},
         none,
         Outcome::NotFound,
         {"find 1BCF:08A0 v260", "lost"},
         5},
        {"second candidate found",
         {mouse, other},
         false,
         {5},
         {{0x1234, 0x5678}},
         Outcome::Found,
         {"find 1BCF:08A0 v260", "find 1234:5678 v260", "read"},
         5},
        {"no candidate found: told once",
         {mouse, other},
         false,
         {5},
         none,
         Outcome::NotFound,
         {"find 1BCF:08A0 v260", "find 1234:5678 v260", "lost"},
         5},
        {"pairs with a zero member are skipped",
         {CandidatePair{0x1BCF, 0}, mouse},
         false,
         {5},
         mousePresent,
         Outcome::Found,
         {"find 1BCF:08A0 v260", "read"},
         5},
        {"something unplugged, the mouse is still there",
         {mouse, {}},
         true,
         {3},
         mousePresent,
         Outcome::StillPresent,
         {"find 1BCF:08A0 v260"},
         3},
        {"the mouse unplugged",
         {mouse, {}},
         true,
         {3},
         none,
         Outcome::Lost,
         {"find 1BCF:08A0 v260", "close", "lost"},
         3},
        {"something unplugged without a mouse",
         {mouse, {}},
         false,
         {3},
         none,
         Outcome::Lost,
         {"find 0000:0000 v260", "close", "lost"},
         3},
    };
    for (const Case& c : cases) {
        FakeClock clock;
        ScriptedTarget target;
        DevicePoller poller(target, clock);
        poller.SetCandidates(c.candidates);
        // The tick before: four interfaces, with or without the mouse.
        target.present = c.openBefore ? mousePresent : none;
        target.Script({4});
        (void)poller.DevTimerTimer();
        ASSERT_EQ(target.open, c.openBefore) << c.name;
        ASSERT_EQ(poller.LastCount(), 4);

        target.present = c.present;
        target.Script(c.counts);
        EXPECT_EQ(poller.DevTimerTimer(), c.want) << c.name;
        EXPECT_EQ(target.calls, c.calls) << c.name;
        EXPECT_EQ(poller.LastCount(), c.lastCount) << c.name;
        EXPECT_FALSE(poller.Busy()) << c.name;
        if (c.want == Outcome::Lost) {
            EXPECT_EQ(poller.CurrentIds(), CandidatePair{}) << c.name;
        }
    }
}

TEST(DevicePoller, SettlesBeforeEachSearchAndKeepsOutReentrantTicks) {
    FakeClock clock;
    ScriptedTarget target;
    std::vector<Outcome> nested;
    DevicePoller* self = nullptr;
    int pumps = 0;
    DevicePoller poller(target, clock, [&] {
        ++pumps;
        nested.push_back(self->DevTimerTimer());
    });
    self = &poller;
    poller.SetCandidates({CandidatePair{0x1BCF, 0x08A0}, CandidatePair{0x1234, 0x5678}});
    target.Script({2});
    EXPECT_EQ(poller.DevTimerTimer(), Outcome::NotFound);
    EXPECT_EQ(clock.Now().count(), 60) << "30 ms before each of the two searches";
    EXPECT_EQ(pumps, 6);
    EXPECT_EQ(nested, std::vector<Outcome>(6, Outcome::Busy));
    EXPECT_EQ(poller.CurrentIds(), CandidatePair{});
}

// The poller against the simulated HID system: plug, read, unplug, plug again.
TEST(DevicePoller, FollowsTheSimulatedMouse) {
    Rig rig;
    struct WindowTarget : PollTarget {
        Rig& rig;
        int reads = 0, lost = 0;
        explicit WindowTarget(Rig& r) : rig(r) {}
        int CountHidInterfaces() override { return orln7a::CountHidInterfaces(rig.backend); }
        bool DeviceOpen() const override { return rig.transport.IsOpen(); }
        bool FindDevice(CandidatePair ids, std::uint16_t version) override {
            auto found = orln7a::FindDevice(rig.backend, ids.vendor, ids.product, version);
            if (found)
                rig.transport.Attach(std::move(found->handle), found->info);
            return found.ok();
        }
        void CloseDevice() override { rig.transport.Detach(); }
        void DeviceLost() override { ++lost; }
        void ReadDevInfo() override {
            ++reads;
            EXPECT_TRUE(rig.transport.SendCommand(protocol::kOpen));
        }
    } target(rig);
    DevicePoller poller(target, rig.clock);
    EXPECT_EQ(poller.DevTimerTimer(), Outcome::Found);
    EXPECT_EQ(target.reads, 1);
    rig.backend.Unplug(kMousePath);
    EXPECT_EQ(poller.DevTimerTimer(), Outcome::Lost);
    EXPECT_FALSE(rig.transport.IsOpen());
    EXPECT_EQ(target.lost, 1);
    rig.backend.Plug({SimulatedHidBackend::MouseInterfaceInfo(kMousePath), rig.mouse});
    EXPECT_EQ(poller.DevTimerTimer(), Outcome::Found);
    EXPECT_EQ(target.reads, 2);
    EXPECT_TRUE(rig.transport.SendCommand(protocol::kClose)) << "the new handle works";
}

} // namespace
} // namespace orln7a
