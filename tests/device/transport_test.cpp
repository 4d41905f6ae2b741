#include "simulated_rig.h"

#include "common/files.h"
#include "ui/resource_catalogue.h"

#include <gtest/gtest.h>

#include <functional>
#include <numeric>
#include <string>
#include <vector>

namespace orln7a {
namespace {

using namespace protocol;
using std::chrono::milliseconds;
using testing::Rig;
using testing::TempFolder;

Bytes Pattern(std::size_t size, std::uint8_t seed) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(seed + i * 7);
    return bytes;
}

// Counts the reports that pass the HID seam, through the debug log.
class ReportCounter {
public:
    ReportCounter() {
        SetHidReportLog([this](std::string_view line) {
            lines.emplace_back(line);
            (line.starts_with("set") ? sets : gets)++;
        });
    }
    ~ReportCounter() { SetHidReportLog({}); }
    int sets = 0;
    int gets = 0;
    std::vector<std::string> lines;
};

TEST(Transport, EveryCommandIsAnsweredAsTheControllerDoes) {
    Rig rig;
    rig.Attach();
    rig.behaviour().ledType = 0x85;
    rig.behaviour().driverId = 0x4C1D;
    struct Case {
        Report request;
        std::vector<std::pair<std::size_t, std::uint8_t>> answer; // byte index, value
    } cases[] = {
        {{4, kOpen, 0, 0, 0, 0, 0, 0}, {{1, 0xA6}}},
        {{4, kIdentify, 0, 0, 0, 0, 0, 0}, {{1, 0xAA}, {2, kWriteAllowedBit}, {3, 0x35}}},
        {{4, kIdentify, 0x5A, 0xD9, 0, 0, 0, 0}, {{1, 0xAA}, {2, kDriverModeBit}, {3, 0x85}}},
        {{4, kIdentify, 0x5A, 0x00, 0, 0, 0, 0}, {{2, kDriverModeBit}}},
        {{4, kReload, 0, 0, 0, 0, 0, 0}, {}},
        {{4, kDriverModeBytes, 0x81, 0x24, 0x00, 0x05, 0, 0}, {}},
        {{4, kDriverId, 0, 0, 0, 0, 0, 0}, {{1, 0x4C}, {2, 0x1D}}},
        {{4, kClose, 0, 0, 0, 0, 0, 0}, {}},
    };
    for (const Case& c : cases) {
        auto answer = rig.transport.SendCommand(c.request[1], c.request[2], c.request[3],
                                                c.request[4], c.request[5]);
        ASSERT_TRUE(answer) << int{c.request[1]} << ": " << answer.error().detail;
        EXPECT_EQ(rig.mouse->Received().back(), c.request) << int{c.request[1]};
        EXPECT_EQ((*answer)[kStatusByte], kStatusAck);
        for (const auto& [at, value] : c.answer)
            EXPECT_EQ((*answer)[at] & value, value) << int{c.request[1]} << " byte " << at;
    }
    EXPECT_EQ(rig.mouse->ReloadCount(), 1);
    EXPECT_EQ(rig.mouse->DriverModeBytes(), (std::array<std::uint8_t, 4>{0x81, 0x24, 0x00, 0x05}));
    EXPECT_FALSE(rig.mouse->SessionOpen());
}

TEST(Transport, HandshakeRetriesWithTheirOwnConstants) {
    enum class Op { Command, WriteChunk, ReadChunk };
    struct Case {
        const char* name;
        Op op;
        std::function<void(SimulatedMouse::Behaviour&)> fault;
        bool ok;
        int sets, gets;
        long elapsedMs;
    } cases[] = {
        {"command acknowledged", Op::Command, [](auto&) {}, true, 1, 1, 10},
        {"command refused", Op::Command, [](auto& b) { b.refuseAll = true; }, false, 5, 5, 50},
        {"command never ready", Op::Command, [](auto& b) { b.neverReady = true; }, false, 5, 25,
         5 * (10 + 5 * 10)},
        {"command answered late", Op::Command, [](auto& b) { b.latency = milliseconds(25); }, true,
         1, 3, 30},
        {"write chunk never ready", Op::WriteChunk, [](auto& b) { b.neverReady = true; }, false, 5,
         25, 5 * (10 + 5 * 5)},
        {"write chunk refused", Op::WriteChunk, [](auto& b) { b.refuseAll = true; }, false, 5, 5,
         50},
        {"read chunk never ready", Op::ReadChunk, [](auto& b) { b.neverReady = true; }, false, 5,
         25, 5 * (5 + 5 * 5)},
        {"read chunk refused", Op::ReadChunk, [](auto& b) { b.refuseAll = true; }, false, 5, 5, 25},
    };
    for (const Case& c : cases) {
        Rig rig;
        rig.Attach();
        c.fault(rig.behaviour());
        ReportCounter counter;
        const auto start = rig.clock.Now();
        bool ok = false;
        switch (c.op) {
        case Op::Command:
            ok = rig.transport.SendCommand(kOpen).ok();
            break;
        case Op::WriteChunk:
            ok = rig.transport.WriteDataChunk({1, 2, 3, 4, 5, 6}).ok();
            break;
        case Op::ReadChunk:
            ok = rig.transport.ReadDataChunk().ok();
            break;
        }
        EXPECT_EQ(ok, c.ok) << c.name;
        EXPECT_EQ(counter.sets, c.sets) << c.name;
        EXPECT_EQ(counter.gets, c.gets) << c.name;
        EXPECT_EQ((rig.clock.Now() - start).count(), c.elapsedMs) << c.name;
        EXPECT_GE(rig.pumps, static_cast<int>(rig.clock.SleepCount())) << c.name;
    }
}

TEST(Transport, FailuresSayWhatHappened) {
    Rig rig;
    rig.Attach();
    rig.behaviour().refusedCommands = {kReload};
    auto refused = rig.transport.SendCommand(kReload);
    ASSERT_FALSE(refused);
    EXPECT_NE(refused.error().detail.find("0x08 refused by the mouse (status 0x55)"),
              std::string::npos)
        << refused.error().detail;

    rig.transport.Detach();
    auto closed = rig.transport.SendCommand(kOpen);
    ASSERT_FALSE(closed);
    EXPECT_EQ(closed.error().key, "Str020");
    Bytes destination(4, 0);
    EXPECT_FALSE(rig.transport.ReadBlock(0, 4, destination));
    EXPECT_EQ(destination, Bytes(4, 0xFF));
}

TEST(Transport, ReadBlockMovesSixByteChunks) {
    struct Case {
        std::uint16_t address, length;
        int chunks;
    } cases[] = {{0, 255, 43},  {0x36, 2, 1}, {0, 2048, 342}, {0x7FA, 6, 1},
                 {0x100, 7, 2}, {0, 0, 0},    {0x7FE, 4, 1}};
    const Bytes image = Pattern(kMemorySize, 3);
    for (const Case& c : cases) {
        for (auto window :
             {Transport::LoadingWindow::Repaint, Transport::LoadingWindow::Untouched}) {
            Rig rig(image);
            rig.AttachAndOpen();
            Bytes destination(c.length + 5, 0);
            ASSERT_TRUE(rig.transport.ReadBlock(c.address, c.length, destination, window))
                << c.address << "+" << c.length;
            EXPECT_EQ(rig.mouse->CountOf(kReadChunk), c.chunks) << c.length;
            for (std::size_t i = 0; i < c.length; ++i) {
                const std::size_t address = c.address + i;
                const std::uint8_t want = address < kMemorySize ? image[address] : 0xFF;
                ASSERT_EQ(destination[i], want) << c.address << "+" << i;
            }
            for (std::size_t i = c.length; i < destination.size(); ++i)
                EXPECT_EQ(destination[i], 0xFF) << "beyond the length, " << i;
            EXPECT_EQ(rig.repaints, window == Transport::LoadingWindow::Repaint ? c.chunks : 0);
        }
    }
}

TEST(Transport, WriteBlockRoundTripsAndPadsTheLastChunk) {
    struct Case {
        std::uint16_t address, length;
    } cases[] = {{0, 255}, {0x100, 2048 - 0x100}, {0x1F3, 1}, {0x500, 256}, {0x7FC, 4}};
    for (const Case& c : cases) {
        const Bytes before = Pattern(kMemorySize, 11);
        Rig rig(before);
        rig.AttachAndOpen();
        const Bytes data = Pattern(c.length, 99);
        ASSERT_TRUE(rig.transport.WriteBlock(c.address, data)) << c.address;
        EXPECT_EQ(rig.mouse->CountOf(kWriteChunk), static_cast<int>(ChunkCount(c.length)));
        EXPECT_EQ(rig.repaints, static_cast<int>(ChunkCount(c.length)));

        Bytes expected = before;
        std::copy(data.begin(), data.end(), expected.begin() + c.address);
        EXPECT_EQ(rig.mouse->Memory(), expected) << c.address;
        Bytes back(c.length);
        ASSERT_TRUE(rig.transport.ReadBlock(c.address, c.length, back));
        EXPECT_EQ(back, data);

        // The bytes of a short last chunk beyond the length repeat the chunk before, or are
        // 0xFF when there is only one chunk.
        if (const std::size_t tail = c.length % kChunkSize; tail != 0) {
            std::vector<Report> chunks;
            for (const Report& r : rig.mouse->Received())
                if (r[1] == kWriteChunk)
                    chunks.push_back(r);
            const Report& last = chunks.back();
            for (std::size_t i = tail; i < kChunkSize; ++i) {
                const std::uint8_t want =
                    chunks.size() > 1 ? chunks[chunks.size() - 2][2 + i] : std::uint8_t{0xFF};
                EXPECT_EQ(last[2 + i], want) << c.address << " pad " << i;
            }
        }
    }
}

// Each fault ends in a clear error; none passes filler bytes off as the mouse's data.
TEST(Transport, FaultsFailTheTransfer) {
    enum class Op { Read, Write };
    struct Case {
        const char* name;
        Op op;
        std::function<void(Rig&)> fault;
        bool ok;
    } cases[] = {
        {"begin read refused", Op::Read,
         [](Rig& r) { r.behaviour().refusedCommands = {kBeginRead}; }, false},
        {"read chunk acks lost", Op::Read, [](Rig& r) { r.behaviour().lostChunkAcks = 5; }, false},
        {"write chunk acks lost", Op::Write, [](Rig& r) { r.behaviour().lostChunkAcks = 5; },
         false},
        {"four lost acks are retried", Op::Read, [](Rig& r) { r.behaviour().lostChunkAcks = 4; },
         true},
        {"four lost write acks are retried", Op::Write,
         [](Rig& r) { r.behaviour().lostChunkAcks = 4; }, true},
        {"unplugged mid-read", Op::Read, [](Rig& r) { r.behaviour().unplugAfterReports = 6; },
         false},
        {"unplugged mid-write", Op::Write, [](Rig& r) { r.behaviour().unplugAfterReports = 6; },
         false},
        {"write not allowed", Op::Write, [](Rig& r) { r.behaviour().writeAllowed = false; }, false},
        {"never ready", Op::Read, [](Rig& r) { r.behaviour().neverReady = true; }, false},
        {"detached by a message handler", Op::Read,
         [](Rig& r) {
             r.onPump = [&r] {
                 if (r.mouse->CountOf(kReadChunk) == 3)
                     r.transport.Detach();
             };
         },
         false},
    };
    for (const Case& c : cases) {
        const Bytes image = Pattern(kMemorySize, 5);
        Rig rig(image);
        rig.AttachAndOpen();
        c.fault(rig);
        const Bytes data = Pattern(60, 200);
        Bytes back(60, 0);
        const Status status = c.op == Op::Read ? rig.transport.ReadBlock(0x40, 60, back)
                                               : rig.transport.WriteBlock(0x40, data);
        EXPECT_EQ(status.ok(), c.ok) << c.name << (status ? "" : ": " + status.error().detail);
        if (c.ok && c.op == Op::Read) {
            EXPECT_TRUE(std::equal(back.begin(), back.end(), image.begin() + 0x40)) << c.name;
        }
        if (c.ok && c.op == Op::Write) {
            EXPECT_TRUE(std::equal(data.begin(), data.end(), rig.mouse->Memory().begin() + 0x40))
                << c.name;
        }
    }
}

TEST(Transport, StuckBytesAreWrittenButDoNotStick) {
    Rig rig(Bytes(kMemorySize, 0x11));
    rig.AttachAndOpen();
    rig.behaviour().stuckAddresses = {0x1F3};
    ASSERT_TRUE(rig.transport.WriteBlock(0x1F0, Bytes(8, 0x22)));
    Bytes back(8);
    ASSERT_TRUE(rig.transport.ReadBlock(0x1F0, 8, back));
    EXPECT_EQ(back, (Bytes{0x22, 0x22, 0x22, 0x11, 0x22, 0x22, 0x22, 0x22}));
}

TEST(Transport, RefusesTransfersThatDoNotFit) {
    Rig rig;
    rig.AttachAndOpen();
    const std::size_t sent = rig.mouse->Received().size();
    Bytes small(10, 0);
    EXPECT_FALSE(rig.transport.ReadBlock(0, 11, small));
    EXPECT_EQ(small, Bytes(10, 0xFF));
    EXPECT_FALSE(rig.transport.WriteBlock(0, Bytes(0x10000, 0)));
    EXPECT_EQ(rig.mouse->Received().size(), sent) << "nothing may reach the mouse";
}

TEST(Transport, MemoryTransfersNeedAnOpenSession) {
    Rig rig;
    rig.Attach();
    Bytes back(6);
    EXPECT_FALSE(rig.transport.ReadBlock(0, 6, back));
    EXPECT_FALSE(rig.transport.WriteBlock(0, Bytes(6, 1)));
    ASSERT_TRUE(rig.transport.SendCommand(kOpen));
    EXPECT_TRUE(rig.transport.ReadBlock(0, 6, back));
}

TEST(Transport, ReportLogShowsEveryReportOnlyWhileOn) {
    Rig rig;
    rig.Attach();
    {
        ReportCounter counter;
        ASSERT_TRUE(rig.transport.SendCommand(kOpen));
        EXPECT_EQ(counter.lines, (std::vector<std::string>{"set 04 01 00 00 00 00 00 00",
                                                           "get 04 A6 00 00 00 00 00 CC"}));
    }
    int lines = 0;
    SetHidReportLog([&](std::string_view) { ++lines; });
    SetHidReportLog({});
    ASSERT_TRUE(rig.transport.SendCommand(kClose));
    EXPECT_EQ(lines, 0);
}

TEST(SimulatedMouse, MemoryPersistsToAFile) {
    TempFolder folder;
    const auto file = folder.path() / "mouse.bin";
    {
        Rig rig;
        const Bytes defaults = DataResourceBytes("ORLN5XData_Cfg1");
        ASSERT_EQ(defaults.size(), kMemorySize);
        EXPECT_EQ(rig.mouse->Memory(), defaults);
        rig.mouse->PersistTo(file);
        rig.AttachAndOpen();
        ASSERT_TRUE(rig.transport.WriteBlock(0x600, Bytes{1, 2, 3}));
        EXPECT_FALSE(rig.mouse->LastPersistError());
    }
    auto saved = SimulatedMouse::LoadImageFile(file);
    ASSERT_TRUE(saved) << saved.error().detail;
    FakeClock clock;
    SimulatedMouse again(clock, *saved);
    EXPECT_EQ(again.Memory()[0x600], 1);
    EXPECT_EQ(again.Memory()[0x602], 3);

    ASSERT_TRUE(WriteFileAtomically(file, Bytes(100, 0)));
    EXPECT_FALSE(SimulatedMouse::LoadImageFile(file));
}

} // namespace
} // namespace orln7a
