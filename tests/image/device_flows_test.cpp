// The editor's flows against the simulated mouse: what reaches the mouse's memory, what the
// editor keeps, and what the user is told when the mouse misbehaves.

#include "image/device_flows.h"

#include "common/files.h"
#include "device/simulated_rig.h"
#include "device/substitute_driver.h"
#include "image/default_images.h"
#include "image/section_checks.h"

#include <gtest/gtest.h>

namespace orln7a {
namespace {

using testing::Rig;
using testing::TempFolder;

class CountingHooks : public FlowHooks {
public:
    void BeginBusy() override { ++depth, ++begins; }
    void EndBusy() override { --depth; }
    void EditorsChanged() override { ++refreshes; }
    int depth = 0;
    int begins = 0;
    int refreshes = 0;
};

LoadedOemSettings Oem(bool eeprom) {
    auto oem = LoadOemSettings();
    EXPECT_TRUE(oem);
    oem->eepromMode = eeprom;
    return *oem;
}

class FlowsTest : public ::testing::Test {
protected:
    explicit FlowsTest(bool eeprom = true)
        : state(MakeEditorState(Oem(eeprom), folder.path().string() + "/")),
          driver(folder.path(), 0x2A61), flows(state, rig.transport, hooks, &driver) {
        rig.Attach();
    }
    void TearDown() override {
        EXPECT_EQ(hooks.depth, 0) << "busy overlay left up";
        EXPECT_FALSE(rig.mouse->SessionOpen()) << "session left open";
    }
    Bytes Memory(std::size_t from, std::size_t length) const {
        const auto& m = rig.mouse->Memory();
        return Bytes(m.begin() + from, m.begin() + from + length);
    }

    TempFolder folder;
    Rig rig;
    CountingHooks hooks;
    EditorState state;
    SubstituteDriver driver;
    DeviceFlows flows;
};

TEST_F(FlowsTest, ReadTakesTheParametersAndLeavesTheRestErased) {
    Bytes sectionA = Memory(0, 0x30);
    sectionA[0x06] = 3;
    sectionA[0x2F] = SectionCheckByte(ByteView(sectionA).first(0x2F));
    rig.mouse->SetMemory(0, sectionA);
    ASSERT_TRUE(flows.ReadDevInfo(false));
    EXPECT_TRUE(state.deviceReady);
    EXPECT_EQ(state.store.cpi[0], 3);
    EXPECT_EQ(state.lastChecks.parameterA, CheckOutcome::Ok);
    for (std::size_t i = 0xFF; i < kDataBufSize; ++i)
        ASSERT_EQ(state.dataBuf[i], 0xFF) << i;
    EXPECT_EQ(rig.mouse->ReloadCount(), 1);
    EXPECT_GE(hooks.refreshes, 1);
}

TEST_F(FlowsTest, FailedReadKeepsTheEditorAsItWas) {
    const EditorState before = state;
    // The identification goes through; the configuration read then loses its chunks.
    rig.onPump = [this] {
        if (rig.mouse->CountOf(protocol::kBeginRead) >= 2)
            rig.behaviour().lostChunkAcks = 1000;
    };
    const Status read = flows.ReadDevInfo(true);
    ASSERT_FALSE(read);
    EXPECT_EQ(read.error().key, "Str109");
    EXPECT_EQ(state.dataBuf, before.dataBuf);
    EXPECT_EQ(state.store, before.store);
    EXPECT_FALSE(state.deviceReady);
}

TEST_F(FlowsTest, IdentificationFailures) {
    struct Case {
        std::function<void(Rig&)> fault;
        std::string key;
        bool attached;
    } cases[] = {
        {[](Rig& r) {
             r.mouse->SetMemory(0x36, Bytes{7, 9});
         },
         "Str107", true},
        {[](Rig& r) { r.behaviour().writeAllowed = false; }, "Str020", false},
        {[](Rig& r) { r.behaviour().chipCode = 0x11; }, "Str020", false},
        {[](Rig& r) { r.behaviour().identifyAnswer = 0x12; }, "", true},
    };
    for (const auto& c : cases) {
        Rig r;
        r.Attach();
        c.fault(r);
        CountingHooks h;
        EditorState s = MakeEditorState(Oem(true), "/nonexistent/");
        const DataBuf before = s.dataBuf;
        DeviceFlows f(s, r.transport, h);
        const Status result = f.ReadDevInfo(false);
        ASSERT_FALSE(result) << c.key;
        EXPECT_EQ(result.error().key, c.key);
        EXPECT_EQ(r.transport.IsOpen(), c.attached) << c.key;
        EXPECT_EQ(s.dataBuf, before) << c.key;
        EXPECT_FALSE(r.mouse->SessionOpen()) << c.key;
        EXPECT_EQ(h.depth, 0);
    }
}

TEST_F(FlowsTest, ApplyWritesTheParametersWithValidChecks) {
    ASSERT_TRUE(flows.ReadDevInfo(true));
    state.store.cpi[0] = 11;
    state.store.cpiColor[0] = {"1", "2", "3"};
    const Bytes macroArea = Memory(0x100, 0x700);
    ASSERT_TRUE(flows.DownloadParameter());
    EXPECT_EQ(rig.mouse->Memory()[0x06], 11);
    EXPECT_EQ(Memory(0x1A, 3), (Bytes{1, 2, 3}));
    DataBuf image{};
    std::copy(rig.mouse->Memory().begin(), rig.mouse->Memory().end(), image.begin());
    SectionCheckReport report;
    (void)LoadWorkingCopy(image, &report);
    EXPECT_EQ(report.parameterA, CheckOutcome::Ok);
    EXPECT_EQ(report.profile, CheckOutcome::Ok);
    EXPECT_EQ(report.fireKey, CheckOutcome::Ok);
    EXPECT_EQ(Memory(0x100, 0x700), macroArea); // no macro is used, no fire area loaded
}

TEST_F(FlowsTest, ApplyThatTheMouseRefusesSaysFail) {
    ASSERT_TRUE(flows.ReadDevInfo(true));
    const Bytes before = Memory(0, 0x100);
    state.store.cpi[0] = 11;
    rig.behaviour().writeAllowed = false;
    const Status applied = flows.DownloadParameter();
    ASSERT_FALSE(applied);
    EXPECT_EQ(applied.error().key, "Str109");
    EXPECT_EQ(Memory(0, 0x100), before);
    EXPECT_EQ(rig.mouse->ReloadCount(), 2); // still reloaded and closed
}

TEST_F(FlowsTest, DefaultImageIsWrittenAndVerified) {
    ASSERT_TRUE(flows.TLDefaultParameter(1));
    const auto image = DefaultImage(1);
    EXPECT_EQ(rig.mouse->Memory(), Bytes(image->begin(), image->end()));
    EXPECT_TRUE(state.fireAreaLoaded);

    rig.behaviour().stuckAddresses = {0x1F3};
    rig.mouse->SetMemory(0x1F3, Bytes{0x55});
    const Status stuck = flows.TLDefaultParameter(0);
    ASSERT_FALSE(stuck);
    EXPECT_EQ(stuck.error().key, "Str109");
    EXPECT_NE(stuck.error().detail.find("499"), std::string::npos) << stuck.error().detail;
}

TEST_F(FlowsTest, ProfilesSaveAndLoad) {
    ASSERT_TRUE(flows.ReadDevInfo(false));
    const auto file = folder.path() / "work.bin";
    ASSERT_TRUE(flows.SaveProfile(file));
    EXPECT_EQ(*ReadWholeFile(file, 4096), rig.mouse->Memory());

    // A file of the wrong size is refused before anything reaches the mouse.
    ASSERT_TRUE(WriteFileAtomically(folder.path() / "odd.bin", Bytes(100, 1)));
    const auto reports = rig.mouse->Received().size();
    const Status odd = flows.LoadProfile(folder.path() / "odd.bin");
    ASSERT_FALSE(odd);
    EXPECT_EQ(odd.error().key, "Str102");
    EXPECT_EQ(rig.mouse->Received().size(), reports);

    auto other = *DefaultImage(2);
    other[0x07] = 2;
    other[0x2F] = static_cast<std::uint8_t>(other[0x2F] - 2); // keeps the check
    ASSERT_TRUE(WriteFileAtomically(folder.path() / "other.bin", other));
    ASSERT_TRUE(flows.LoadProfile(folder.path() / "other.bin"));
    EXPECT_EQ(rig.mouse->Memory(), Bytes(other.begin(), other.end()));
    EXPECT_EQ(state.store.cpi[1], 2);
}

TEST_F(FlowsTest, SaveAfterAFailedIdentificationWritesNoFile) {
    rig.mouse->SetMemory(0x36, Bytes{1, 2});
    const auto file = folder.path() / "stale.bin";
    const Status saved = flows.SaveProfile(file);
    ASSERT_FALSE(saved);
    EXPECT_EQ(saved.error().key, "Str107");
    EXPECT_FALSE(std::filesystem::exists(file));
}

class DriverFlowsTest : public FlowsTest {
protected:
    DriverFlowsTest() : FlowsTest(false) {}
};

TEST_F(DriverFlowsTest, ApplyKeepsTheModeBytesAndTheNextLoadTakesThem) {
    ASSERT_TRUE(flows.ReadDevInfo(false)) << "driver mode loads instead of reading the mouse";
    EXPECT_TRUE(state.deviceReady);
    state.store.currentCpi = 3;
    state.store.cpi[3] = 9;
    ASSERT_TRUE(flows.DownloadParameter());
    const auto sent = rig.mouse->DriverModeBytes();
    ASSERT_TRUE(sent.has_value());
    EXPECT_EQ((*sent)[0] & 0x0F, 3);
    EXPECT_EQ((*sent)[3], 9);
    const auto file = ReadWholeFile(folder.path() / "DriverTempCPIAndLedData.bin", 16);
    ASSERT_TRUE(file);
    EXPECT_EQ(*file, Bytes(sent->begin(), sent->end()));

    state.store.currentCpi = 0;
    ASSERT_TRUE(flows.LoadDriverMode());
    EXPECT_EQ(state.store.currentCpi, 3);
    EXPECT_EQ(state.lastChecks.parameterA, CheckOutcome::Ok);
}

TEST_F(DriverFlowsTest, NoDriverSupportIsReportedAndReset) {
    rig.behaviour().driverModeSupported = false;
    const Status loaded = flows.LoadDriverMode();
    ASSERT_FALSE(loaded);
    EXPECT_EQ(loaded.error().key, "Str020");
    EXPECT_FALSE(state.deviceReady);
}

} // namespace
} // namespace orln7a
