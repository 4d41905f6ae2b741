#pragma once

// The firmware side of the mouse's feature-report protocol, with a 2048-byte memory, for tests,
// demonstrations and the command-line tool without hardware. It answers exactly the commands
// the real controller answers, so the real transport and encoders run against it, and it can be
// told to misbehave in every way the editor has to survive.

#include "common/bytes.h"
#include "common/result.h"
#include "device/clock.h"
#include "device/protocol.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <set>
#include <vector>

namespace orln7a {

class SimulatedMouse {
public:
    // What the firmware reports about itself, and the faults it can be given.
    struct Behaviour {
        std::uint8_t openAnswer = protocol::kOpenAnswer;
        std::uint8_t identifyAnswer = protocol::kIdentifyAnswer;
        bool writeAllowed = true;        // identify bit 2; when clear, block writes are refused
        std::uint8_t chipCode = 0x35;    // identify answer byte 3
        bool driverModeSupported = true; // driver probe bit 5; when clear, 0x09 is refused
        std::uint8_t ledType = 0xC0;     // driver probe answer byte 3 (flowing light)
        std::uint16_t driverId = 0x2A61; // answer of 0x81, matched against the driver's path

        bool refuseAll = false;                 // every command answered with status 0x55
        std::set<std::uint8_t> refusedCommands; // these commands answered with status 0x55
        bool neverReady = false;                // every answer stays at status 0
        int lostChunkAcks = 0;                  // the next N chunk reports go unanswered
        std::set<std::uint16_t> stuckAddresses; // written bytes do not stick here
        std::optional<int> unplugAfterReports;  // gone after receiving this many reports

        // Time from receiving a report until its answer is ready, measured on the clock.
        std::chrono::milliseconds latency{0};
    };

    // `image` fills the memory from address 0 (shorter images leave 0xFF after them).
    SimulatedMouse(Clock& clock, ByteView image);
    // Memory filled from the built-in default image "ORLN5XData_Cfg1".
    explicit SimulatedMouse(Clock& clock);

    Behaviour& behaviour() { return behaviour_; }

    // The two halves of a feature exchange as the firmware sees them. Both fail once the
    // mouse is unplugged, and for reports that are not 8 bytes of report ID 4.
    Status Receive(ByteView report);
    Status Answer(std::span<std::uint8_t> report);

    bool Plugged() const { return plugged_; }
    void Unplug();
    void Replug();
    // Changes whenever the mouse is plugged in again, so that handles opened before go stale.
    int PlugGeneration() const { return plugGeneration_; }

    const Bytes& Memory() const { return memory_; }
    void SetMemory(std::size_t address, ByteView bytes);

    // After every completed block write and at the close of a session in which memory changed,
    // the memory is saved to `path` (replaced atomically). An empty path stops it.
    void PersistTo(std::filesystem::path path);
    const std::optional<Error>& LastPersistError() const { return persistError_; }
    Status Save(const std::filesystem::path& path) const;
    // A saved memory file; it must hold exactly 2048 bytes.
    static Result<Bytes> LoadImageFile(const std::filesystem::path& path);

    // What the mouse has been told.
    const std::vector<protocol::Report>& Received() const { return received_; }
    int CountOf(std::uint8_t command) const;
    bool SessionOpen() const { return sessionOpen_; }
    int ReloadCount() const { return reloads_; }
    std::optional<std::array<std::uint8_t, 4>> DriverModeBytes() const { return driverModeBytes_; }

private:
    enum class Transfer { None, Reading, Writing };

    void Process(const protocol::Report& request);
    void SaveIfDirty();

    Clock& clock_;
    Behaviour behaviour_;
    Bytes memory_;
    bool plugged_ = true;
    int plugGeneration_ = 0;
    std::vector<protocol::Report> received_;
    protocol::Report answer_{};
    std::chrono::milliseconds readyAt_{0};

    bool sessionOpen_ = false;
    Transfer transfer_ = Transfer::None;
    std::uint32_t pointer_ = 0;
    std::uint32_t remaining_ = 0;
    int reloads_ = 0;
    std::optional<std::array<std::uint8_t, 4>> driverModeBytes_;

    std::filesystem::path persistPath_;
    bool dirty_ = false;
    std::optional<Error> persistError_;
};

} // namespace orln7a
