#include "fire/fire_fuzz.h"

#include "fire/fire_macro_record.h"
#include "fire/fire_macro_tables.h"
#include "fire/fire_operand_scan.h"
#include "fire/gun_key_list.h"

#include <algorithm>
#include <string>

namespace orln7a {

namespace {

bool OperandsInsideRecord(const FireRecordScan& scan, const FireMacroRecord& record) {
    for (const auto operand :
         {FireOperand::Count, FireOperand::X, FireOperand::Y, FireOperand::Interval}) {
        const auto at = scan.positions.Of(operand);
        if (at && (!scan.editable || *at < 3 || *at > record.length))
            return false;
    }
    return true;
}

bool EditsKeepRecordSound(FireMacroRecord record, ByteView values) {
    const FireRecordScan scan = ScanFireMacroRecord(record);
    if (!OperandsInsideRecord(scan, record))
        return false;
    std::size_t next = 0;
    auto value = [&] {
        const int v = next < values.size() ? values[next] : 0;
        ++next;
        return v * 9 - 600; // reaches past both ends of every field's range
    };
    for (const auto operand :
         {FireOperand::Count, FireOperand::X, FireOperand::Y, FireOperand::Interval}) {
        const FireMacroRecord before = record;
        if (!SetFireOperand(record, scan.positions, operand, value())) {
            if (!(record == before))
                return false;
            continue;
        }
        if (FireMacroCheckByte(record) != record.ByteAt(record.length + 1u))
            return false;
        if (ScanFireMacroRecord(record).positions != scan.positions)
            return false;
    }
    return true;
}

} // namespace

bool FuzzFireRecord(ByteView data) {
    FireMacroArea area{};
    std::copy_n(data.begin(), std::min(data.size(), area.size()), area.begin());
    const FireMacroRecords records = SplitFireMacroArea(area);
    // Joining into an area whose records differ must restore them and keep its spare tail.
    FireMacroArea joined = area;
    for (std::size_t i = 0; i < kFireMacroRecordCount * kFireMacroRecordSize; ++i)
        joined[i] = static_cast<std::uint8_t>(~joined[i]);
    JoinFireMacroArea(records, joined);
    if (joined != area)
        return false;

    const ByteView rest = data.size() > area.size() ? data.subspan(area.size()) : ByteView{};
    for (const auto& record : records)
        if (!EditsKeepRecordSound(record, rest))
            return false;
    if (!EditsKeepRecordSound(FireMacroRecordFromBytes(data), rest))
        return false;

    if (auto tables = DecodeFireMacroTables(data)) {
        Bytes copy(data.begin(), data.end());
        if (!EncodeFireMacroTables(*tables, copy) ||
            !std::equal(copy.begin(), copy.end(), data.begin(), data.end()))
            return false;
    }

    if (auto list = ParseGunKeyList(data)) {
        for (const auto& slot : list->slots)
            if (slot.size() != 6)
                return false;
    }
    return true;
}

} // namespace orln7a
