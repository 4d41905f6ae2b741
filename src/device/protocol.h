#pragma once

// The mouse's feature-report protocol: one 8-byte report of ID 4 in both directions. The editor
// writes a command with up to four parameter bytes; the mouse answers in the same report and
// puts its status in the last byte. Addresses and lengths travel low byte first.

#include <array>
#include <cstddef>
#include <cstdint>

namespace orln7a::protocol {

inline constexpr std::size_t kReportLength = 8;
inline constexpr std::uint8_t kReportId = 4;
inline constexpr std::size_t kStatusByte = 7;
inline constexpr std::size_t kChunkSize = 6;
inline constexpr std::size_t kMemorySize = 2048;

// Status byte of an answer.
inline constexpr std::uint8_t kStatusBusy = 0x00;
inline constexpr std::uint8_t kStatusAck = 0xCC;
inline constexpr std::uint8_t kStatusRefused = 0x55; // what a refusing mouse answers; any
                                                     // value other than 0 and 0xCC refuses

enum Command : std::uint8_t {
    kOpen = 0x01,
    kClose = 0x02,
    kIdentify = 0x03,
    kBeginRead = 0x04,
    kReadChunk = 0x05,
    kBeginWrite = 0x06,
    kWriteChunk = 0x07,
    kReload = 0x08,
    kDriverModeBytes = 0x09,
    kDriverId = 0x81,
};

// Answer byte 1 of the open and identify commands.
inline constexpr std::uint8_t kOpenAnswer = 0xA6;
inline constexpr std::uint8_t kIdentifyAnswer = 0xAA;
// Identify answer byte 2.
inline constexpr std::uint8_t kWriteAllowedBit = 0x04;
inline constexpr std::uint8_t kDriverModeBit = 0x20;
// Parameters of the two driver-mode forms of the identify command.
inline constexpr std::uint8_t kDriverProbeP1 = 0x5A;
inline constexpr std::uint8_t kDriverProbeP2 = 0xD9;

// Where the manufacturer and product identifier bytes live in the mouse's memory.
inline constexpr std::uint16_t kIdentifierAddress = 0x36;

using Report = std::array<std::uint8_t, kReportLength>;
using Chunk = std::array<std::uint8_t, kChunkSize>;

// Chip number for the chip code of the identify answer; 0 means the controller is not supported.
constexpr std::uint8_t ChipNumberFromCode(std::uint8_t code) {
    switch (code) {
    case 0x35:
        return 0x90;
    case 0x75:
        return 0x99;
    case 0xFD:
        return 0x98;
    default:
        return 0;
    }
}

// Number of 6-byte chunks a block transfer of `length` bytes takes.
constexpr std::size_t ChunkCount(std::size_t length) {
    return (length + kChunkSize - 1) / kChunkSize;
}

} // namespace orln7a::protocol
