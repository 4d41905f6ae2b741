#include "device/simulated_mouse.h"

#include "common/files.h"
#include "ui/resource_catalogue.h"

#include <algorithm>
#include <utility>

namespace orln7a {

using namespace protocol;

namespace {

Bytes FullImage(ByteView image) {
    Bytes memory(kMemorySize, 0xFF);
    std::copy_n(image.begin(), std::min(image.size(), memory.size()), memory.begin());
    return memory;
}

Bytes DefaultImage() {
    const auto resource = OpenDataResource("ORLN5XData_Cfg1");
    return FullImage(resource ? *resource : ByteView{});
}

std::uint32_t Word(const Report& r, std::size_t low) {
    return std::uint32_t{r[low]} | (std::uint32_t{r[low + 1]} << 8);
}

} // namespace

SimulatedMouse::SimulatedMouse(Clock& clock, ByteView image)
    : clock_(clock), memory_(FullImage(image)) {}

SimulatedMouse::SimulatedMouse(Clock& clock) : clock_(clock), memory_(DefaultImage()) {}

void SimulatedMouse::Unplug() {
    plugged_ = false;
    sessionOpen_ = false;
    transfer_ = Transfer::None;
}

void SimulatedMouse::Replug() {
    plugged_ = true;
    ++plugGeneration_;
    received_.clear();
    answer_ = {};
}

void SimulatedMouse::SetMemory(std::size_t address, ByteView bytes) {
    for (std::size_t i = 0; i < bytes.size() && address + i < memory_.size(); ++i)
        memory_[address + i] = bytes[i];
}

Status SimulatedMouse::Receive(ByteView report) {
    if (!plugged_)
        return MakeError("", "the mouse is unplugged");
    if (behaviour_.unplugAfterReports &&
        static_cast<int>(received_.size()) >= *behaviour_.unplugAfterReports) {
        Unplug();
        return MakeError("", "the mouse is unplugged");
    }
    if (report.size() != kReportLength || report[0] != kReportId)
        return MakeError("", "the mouse has no such feature report");

    Report request{};
    std::copy(report.begin(), report.end(), request.begin());
    received_.push_back(request);
    answer_ = {};
    answer_[0] = kReportId;
    readyAt_ = clock_.Now() + behaviour_.latency;

    const std::uint8_t command = request[1];
    const bool chunk = command == kReadChunk || command == kWriteChunk;
    if (behaviour_.neverReady)
        return Ok();
    if (chunk && behaviour_.lostChunkAcks > 0) {
        --behaviour_.lostChunkAcks;
        return Ok();
    }
    if (behaviour_.refuseAll || behaviour_.refusedCommands.contains(command)) {
        answer_[kStatusByte] = kStatusRefused;
        return Ok();
    }
    Process(request);
    return Ok();
}

Status SimulatedMouse::Answer(std::span<std::uint8_t> report) {
    if (!plugged_)
        return MakeError("", "the mouse is unplugged");
    if (report.size() != kReportLength || report[0] != kReportId)
        return MakeError("", "the mouse has no such feature report");
    if (clock_.Now() < readyAt_) {
        std::fill(report.begin() + 1, report.end(), 0);
        return Ok();
    }
    std::copy(answer_.begin(), answer_.end(), report.begin());
    return Ok();
}

void SimulatedMouse::Process(const Report& request) {
    auto refuse = [&] { answer_[kStatusByte] = kStatusRefused; };
    answer_[kStatusByte] = kStatusAck;
    switch (request[1]) {
    case kOpen:
        sessionOpen_ = true;
        transfer_ = Transfer::None;
        answer_[1] = behaviour_.openAnswer;
        break;
    case kClose:
        sessionOpen_ = false;
        transfer_ = Transfer::None;
        SaveIfDirty();
        break;
    case kIdentify:
        answer_[1] = behaviour_.identifyAnswer;
        if (request[2] == kDriverProbeP1) {
            answer_[2] = behaviour_.driverModeSupported ? kDriverModeBit : 0;
            answer_[3] = behaviour_.ledType;
        } else {
            answer_[2] = behaviour_.writeAllowed ? kWriteAllowedBit : 0;
            answer_[3] = behaviour_.chipCode;
        }
        break;
    case kBeginRead:
    case kBeginWrite: {
        const bool write = request[1] == kBeginWrite;
        if (!sessionOpen_ || (write && !behaviour_.writeAllowed)) {
            refuse();
            break;
        }
        transfer_ = write ? Transfer::Writing : Transfer::Reading;
        pointer_ = Word(request, 2);
        remaining_ = Word(request, 4);
        break;
    }
    case kReadChunk:
        if (transfer_ != Transfer::Reading || remaining_ == 0) {
            refuse();
            break;
        }
        for (std::size_t i = 0; i < kChunkSize; ++i) {
            const std::uint32_t address = pointer_ + static_cast<std::uint32_t>(i);
            answer_[1 + i] = address < memory_.size() ? memory_[address] : 0xFF;
        }
        pointer_ += kChunkSize;
        remaining_ -= std::min<std::uint32_t>(remaining_, kChunkSize);
        break;
    case kWriteChunk: {
        if (transfer_ != Transfer::Writing || remaining_ == 0) {
            refuse();
            break;
        }
        const std::uint32_t count = std::min<std::uint32_t>(remaining_, kChunkSize);
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::uint32_t address = pointer_ + i;
            if (address < memory_.size() &&
                !behaviour_.stuckAddresses.contains(static_cast<std::uint16_t>(address))) {
                memory_[address] = request[2 + i];
                dirty_ = true;
            }
        }
        pointer_ += kChunkSize;
        remaining_ -= count;
        if (remaining_ == 0)
            SaveIfDirty();
        break;
    }
    case kReload:
        ++reloads_;
        break;
    case kDriverModeBytes:
        if (!behaviour_.driverModeSupported) {
            refuse();
            break;
        }
        driverModeBytes_ =
            std::array<std::uint8_t, 4>{request[2], request[3], request[4], request[5]};
        break;
    case kDriverId:
        answer_[1] = static_cast<std::uint8_t>(behaviour_.driverId >> 8);
        answer_[2] = static_cast<std::uint8_t>(behaviour_.driverId & 0xFF);
        break;
    default:
        refuse();
        break;
    }
}

int SimulatedMouse::CountOf(std::uint8_t command) const {
    return static_cast<int>(std::count_if(received_.begin(), received_.end(),
                                          [&](const Report& r) { return r[1] == command; }));
}

void SimulatedMouse::PersistTo(std::filesystem::path path) {
    persistPath_ = std::move(path);
}

void SimulatedMouse::SaveIfDirty() {
    if (!dirty_ || persistPath_.empty())
        return;
    Status saved = Save(persistPath_);
    if (saved) {
        dirty_ = false;
        persistError_.reset();
    } else {
        persistError_ = saved.error();
    }
}

Status SimulatedMouse::Save(const std::filesystem::path& path) const {
    return WriteFileAtomically(path, memory_);
}

Result<Bytes> SimulatedMouse::LoadImageFile(const std::filesystem::path& path) {
    auto bytes = ReadWholeFile(path, kMemorySize);
    if (!bytes)
        return bytes.error();
    if (bytes->size() != kMemorySize)
        return MakeError("", path.string() + " holds " + std::to_string(bytes->size()) +
                                 " bytes, not the mouse's 2048");
    return bytes;
}

} // namespace orln7a
