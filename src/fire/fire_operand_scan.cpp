#include "fire/fire_operand_scan.h"

#include <algorithm>
#include <string>

namespace orln7a {

namespace {

std::uint8_t OperationOf(FireOperand operand) {
    switch (operand) {
    case FireOperand::Count:
        return fire_op::kRepeatStart;
    case FireOperand::X:
        return fire_op::kMoveX;
    case FireOperand::Y:
        return fire_op::kMoveY;
    case FireOperand::Interval:
        return fire_op::kDelay;
    }
    return 0;
}

const char* NameOf(FireOperand operand) {
    switch (operand) {
    case FireOperand::Count:
        return "shot count";
    case FireOperand::X:
        return "X step";
    case FireOperand::Y:
        return "Y step";
    case FireOperand::Interval:
        return "shot interval";
    }
    return "operand";
}

std::uint8_t EncodeOperand(FireOperand operand, int value) {
    switch (operand) {
    case FireOperand::Count:
        return static_cast<std::uint8_t>(value - 1);
    case FireOperand::X:
    case FireOperand::Y:
        return static_cast<std::uint8_t>(static_cast<std::int8_t>(value));
    case FireOperand::Interval:
        return static_cast<std::uint8_t>(value / 8);
    }
    return 0;
}

// Digits with an optional leading "-"; anything else is unreadable. Long numbers saturate,
// since every field clamps far inside this range anyway.
std::optional<long long> ParseWhole(std::string_view text) {
    bool negative = false;
    if (!text.empty() && text.front() == '-') {
        negative = true;
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    long long value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = std::min(value * 10 + (c - '0'), 1'000'000'000LL);
    }
    return negative ? -value : value;
}

} // namespace

std::optional<std::size_t> FireOperandPositions::Of(FireOperand operand) const {
    switch (operand) {
    case FireOperand::Count:
        return count;
    case FireOperand::X:
        return x;
    case FireOperand::Y:
        return y;
    case FireOperand::Interval:
        return interval;
    }
    return std::nullopt;
}

FireRecordScan ScanFireMacroRecord(const FireMacroRecord& record) {
    FireRecordScan scan;
    if (record.releaseMode > 1)
        return scan;
    scan.releaseModeKnown = true;
    scan.stopOnRelease = record.releaseMode == 1;
    if (!record.HasUsableLength())
        return scan;
    scan.editable = true;

    const std::size_t last = record.length;
    bool intervalArmed = false;
    std::size_t i = 2;
    while (i <= last) {
        const std::uint8_t code = record.ByteAt(i);
        if (code == fire_op::kLeftDown || code == fire_op::kLeftUp || code == fire_op::kRepeatEnd) {
            ++i;
            continue;
        }
        const bool hasOperand = code == fire_op::kRepeatStart || code == fire_op::kMoveX ||
                                code == fire_op::kMoveY || code == fire_op::kDelay;
        // An operand at Length + 1 would be the check byte; editing it would be undone by the
        // re-stamp and corrupt the program, so such a truncated operation ends the walk.
        if (!hasOperand || i + 1 > last) {
            scan.stoppedAt = i;
            break;
        }
        const std::size_t at = i + 1;
        const std::uint8_t operand = record.ByteAt(at);
        if (code == fire_op::kRepeatStart) {
            scan.count = operand + 1;
            scan.positions.count = at;
        } else if (code == fire_op::kMoveX) {
            scan.x = static_cast<std::int8_t>(operand);
            scan.positions.x = at;
        } else if (code == fire_op::kMoveY) {
            scan.y = static_cast<std::int8_t>(operand);
            scan.positions.y = at;
            intervalArmed = true;
        } else if (intervalArmed) {
            scan.intervalMs = operand * 8;
            scan.positions.interval = at;
            intervalArmed = false;
        }
        i += 2;
    }
    return scan;
}

Status SetFireOperand(FireMacroRecord& record, const FireOperandPositions& positions,
                      FireOperand operand, int value) {
    if (record.releaseMode > 1 || !record.HasUsableLength())
        return MakeError("", "fire macro record is not editable");
    const auto at = positions.Of(operand);
    if (!at)
        return MakeError("", std::string("fire macro record has no ") + NameOf(operand));
    if (*at < 3 || *at > record.length || record.ByteAt(*at - 1) != OperationOf(operand))
        return MakeError("", std::string("fire macro record no longer holds its ") +
                                 NameOf(operand) + " at offset " + std::to_string(*at));
    record.SetByteAt(*at, EncodeOperand(operand, ClampFireValue(operand, value)));
    return FireMacroChecksum(record);
}

int ClampFireValue(FireOperand operand, long long value) {
    switch (operand) {
    case FireOperand::Count:
        return static_cast<int>(std::clamp(value, 1LL, 256LL));
    case FireOperand::X:
        return static_cast<int>(std::clamp(value, -128LL, 127LL));
    case FireOperand::Y:
        return static_cast<int>(std::clamp(value, 0LL, 127LL));
    case FireOperand::Interval:
        return static_cast<int>(std::clamp(value, 0LL, 2040LL));
    }
    return 0;
}

int ClampFireYOffset(long long offset, int y) {
    const long long step = std::clamp(y, -128, 127);
    long long result = std::clamp(offset, -128LL, 127LL);
    if (step + result >= 128)
        result = 127 - step;
    if (step + result < -128)
        result = -step - 128;
    return static_cast<int>(result);
}

int SetFireYOffset(YOffsetPair& pair, long long offset, int y) {
    const int stored = ClampFireYOffset(offset, y);
    pair = YOffsetPair::FromOffset(stored);
    return stored;
}

void SetFireReleaseMode(FireMacroRecord& record, FireMacroKey& key, bool stopOnRelease) {
    record.releaseMode = stopOnRelease ? 1 : 0;
    key[0] = FireMacroKeyType(stopOnRelease);
}

FireFieldInput ReadFireField(FireField field, std::string_view text, int y) {
    FireFieldInput input;
    const bool signedField = field == FireField::X || field == FireField::YOffset;
    if (signedField && text == "-") {
        input.typing = true;
        return input;
    }
    const auto typed = ParseWhole(text);
    const long long raw = typed.value_or(0);
    switch (field) {
    case FireField::Count:
        input.value = ClampFireValue(FireOperand::Count, raw);
        break;
    case FireField::X:
        input.value = ClampFireValue(FireOperand::X, raw);
        break;
    case FireField::Y:
        input.value = ClampFireValue(FireOperand::Y, raw);
        break;
    case FireField::YOffset:
        input.value = ClampFireYOffset(raw, y);
        break;
    case FireField::Interval:
        input.value = ClampFireValue(FireOperand::Interval, raw);
        break;
    }
    input.replace = !typed || *typed != input.value;
    return input;
}

} // namespace orln7a
