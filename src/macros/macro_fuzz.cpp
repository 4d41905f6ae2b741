#include "macros/macro_fuzz.h"

#include "macros/macro_content.h"
#include "macros/macro_items.h"
#include "macros/macro_library.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace orln7a {

namespace {

void Require(bool promise) {
    if (!promise)
        std::abort();
}

MacroPlayOptions OptionsOf(const DecodedMacro& decoded) {
    MacroPlayOptions options;
    options.releaseStop = decoded.releaseStop.value_or(false);
    options.loop = decoded.loop;
    options.loopTimes = decoded.loopTimes;
    return options;
}

// Events with runs of delay lines summed: re-encoding may regroup delay items across lines
// (a short delay next to a long one merges on reading), but never changes what is played.
std::vector<std::string> Played(const MacroLines& lines) {
    std::vector<std::string> played;
    long long pending = -1;
    for (const auto& line : lines.events) {
        const auto event = ParseMacroEventLine(line);
        if (event && event->kind == MacroEventKind::Delay) {
            // Each delay line plays in whole units of 8 ms.
            pending = std::max(pending, 0LL) + event->delayMs / kDelayUnitMs;
            continue;
        }
        if (pending >= 0)
            played.push_back("delay " + std::to_string(pending));
        pending = -1;
        played.push_back(line);
    }
    if (pending >= 0)
        played.push_back("delay " + std::to_string(pending));
    return played;
}

void CheckLines(const MacroLines& lines) {
    for (const auto& line : lines.events) {
        Require(MacroRowIcon(line) >= 0);
        (void)MacroRowText(line);
        Require(!LineToItems(line).empty());
    }
}

void CheckName(const MacroName& name) {
    const std::string text = MacroNameText(name);
    Require(MacroNameText(MacroNameStrToUnicode(text)) == text);
}

void CheckBlockRoundTrip(ByteView content) {
    const DecodedMacro decoded = DecodeMacroContent(content, MacroContentForm::Eeprom);
    CheckLines(decoded.lines);
    if (decoded.empty)
        return;
    MacroBlock block{};
    if (!EncodeMacroLines(decoded.lines, OptionsOf(decoded), block))
        return; // a wrapper end added to a full body may not fit
    Require(MacroContentIntact(block, MacroContentForm::Eeprom));
    const DecodedMacro again = DecodeMacroContent(block);
    Require(Played(again.lines) == Played(decoded.lines));
}

void CheckDriverRoundTrip(ByteView content) {
    const DecodedMacro decoded = DecodeMacroContent(content, MacroContentForm::Driver);
    CheckLines(decoded.lines);
    if (decoded.empty)
        return;
    const MacroPlayOptions options = OptionsOf(decoded);
    DriverMacroContent encoded{};
    EncodeMacroLines(decoded.lines, options, encoded);
    Require(MacroContentIntact(encoded, MacroContentForm::Driver));
    if (WrapRepeat(MacroBody(decoded.lines), options).size() <= kMaxDriverBody)
        Require(Played(DecodeMacroContent(encoded).lines) == Played(decoded.lines));
}

} // namespace

void FuzzDecodeMacroContent(ByteView data) {
    CheckBlockRoundTrip(data);
    CheckDriverRoundTrip(data);
    MacroBlock block{};
    const std::size_t n = std::min(data.size(), block.size());
    std::copy_n(data.begin(), n, block.begin());
    const bool kept = CheckMacroContentBuf(block);
    Require(kept == (block[1] != 0 && MacroContentIntact(block, MacroContentForm::Eeprom)));
}

void FuzzDecodeDriverRecord(ByteView data) {
    const DriverMacroRecord record = DriverMacroRecordFromBytes(data);
    CheckName(record.name);
    CheckDriverRoundTrip(record.content);
}

void FuzzReadMacroFile(ByteView data) {
    if (auto entry = ParseOneMacroExport(data)) {
        CheckName(entry->name);
        CheckBlockRoundTrip(entry->block);
    }
    if (auto record = ParseOneDriverMacroExport(data))
        CheckDriverRoundTrip(record->content);

    auto library = std::make_unique<MacroLibrary>();
    ReadMacroLibraryBytes(data, *library);
    const std::size_t count = MacroLibraryCount(*library);
    for (std::size_t i = 0; i < library->size(); ++i)
        Require(MacroNamePresent((*library)[i].name) == (i < count));
    for (std::size_t i = 0; i < count; ++i)
        CheckBlockRoundTrip((*library)[i].block);
    if (ImportMacroLibrary(*library, data))
        Require(MacroLibraryCount(*library) > 0);

    DriverMacroLibrary driver;
    if (ImportDriverMacroLibrary(driver, data)) {
        Require(!driver.empty());
        for (const auto& record : driver)
            CheckDriverRoundTrip(record.content);
    }
}

} // namespace orln7a
