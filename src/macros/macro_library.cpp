#include "macros/macro_library.h"

#include <algorithm>
#include <string>

namespace orln7a {

namespace {

// Copies what `bytes` holds from `offset` into `out`; the rest of `out` stays zero.
template <std::size_t N>
void CopyPart(ByteView bytes, std::size_t offset, std::array<std::uint8_t, N>& out) {
    out.fill(0);
    if (offset >= bytes.size())
        return;
    const std::size_t n = std::min(N, bytes.size() - offset);
    std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(offset), n, out.begin());
}

Error NoMacro(const std::string& detail) {
    return MakeError("Str102", detail);
}

// Why a record may not come into a library, or nothing when it may.
std::optional<Error> RefuseRecord(const MacroName& name, ByteView content, MacroContentForm form,
                                  std::size_t index) {
    const std::string which = "record " + std::to_string(index);
    if (!MacroNamePresent(name))
        return NoMacro(which + " has no macro name");
    if (!MacroContentIntact(content, form))
        return NoMacro(which + " (\"" + MacroNameText(name) +
                       "\") has a damaged length or check byte");
    return std::nullopt;
}

} // namespace

std::size_t MacroLibraryCount(const MacroLibrary& library) {
    std::size_t count = 0;
    while (count < library.size() && MacroNamePresent(library[count].name))
        ++count;
    return count;
}

void CompactMacroLibrary(MacroLibrary& library) {
    std::size_t next = 0;
    for (std::size_t i = 0; i < library.size(); ++i) {
        if (!MacroNamePresent(library[i].name))
            continue;
        if (i != next)
            library[next] = library[i];
        ++next;
    }
    for (; next < library.size(); ++next)
        library[next] = MacroEntry{};
}

Bytes MacroEntryBytes(const MacroEntry& entry) {
    Bytes bytes(entry.name.begin(), entry.name.end());
    bytes.insert(bytes.end(), entry.block.begin(), entry.block.end());
    return bytes;
}

Bytes DriverMacroRecordBytes(const DriverMacroRecord& record) {
    Bytes bytes(record.name.begin(), record.name.end());
    bytes.insert(bytes.end(), record.content.begin(), record.content.end());
    return bytes;
}

MacroEntry MacroEntryFromBytes(ByteView bytes) {
    MacroEntry entry;
    CopyPart(bytes, 0, entry.name);
    CopyPart(bytes, kMacroNameSize, entry.block);
    return entry;
}

DriverMacroRecord DriverMacroRecordFromBytes(ByteView bytes) {
    DriverMacroRecord record;
    CopyPart(bytes, 0, record.name);
    CopyPart(bytes, kMacroNameSize, record.content);
    return record;
}

Bytes MacroLibraryBytes(const MacroLibrary& library) {
    Bytes bytes;
    bytes.reserve(kMacroLibraryBytes);
    for (const auto& entry : library) {
        const Bytes record = MacroEntryBytes(entry);
        bytes.insert(bytes.end(), record.begin(), record.end());
    }
    return bytes;
}

Bytes DriverMacroLibraryBytes(const DriverMacroLibrary& library) {
    Bytes bytes;
    bytes.reserve(library.size() * kDriverMacroRecordSize);
    for (const auto& record : library) {
        const Bytes one = DriverMacroRecordBytes(record);
        bytes.insert(bytes.end(), one.begin(), one.end());
    }
    return bytes;
}

void ReadMacroLibraryBytes(ByteView bytes, MacroLibrary& library) {
    const std::size_t records = std::min(bytes.size() / kMacroRecordSize, kMacroLibrarySize);
    for (std::size_t i = 0; i < records; ++i)
        library[i] = MacroEntryFromBytes(bytes.subspan(i * kMacroRecordSize, kMacroRecordSize));
    CompactMacroLibrary(library);
}

DriverMacroLibrary ReadDriverMacroLibraryBytes(ByteView bytes) {
    DriverMacroLibrary library;
    const std::size_t records = bytes.size() / kDriverMacroRecordSize;
    for (std::size_t i = 0; i < records; ++i) {
        DriverMacroRecord record = DriverMacroRecordFromBytes(
            bytes.subspan(i * kDriverMacroRecordSize, kDriverMacroRecordSize));
        if (MacroNamePresent(record.name))
            library.push_back(record);
    }
    return library;
}

Result<MacroEntry> ParseOneMacroExport(ByteView bytes) {
    if (bytes.size() < kMacroRecordSize)
        return NoMacro("a macro export holds a record of " + std::to_string(kMacroRecordSize) +
                       " bytes; the file has " + std::to_string(bytes.size()));
    const MacroEntry entry = MacroEntryFromBytes(bytes);
    if (auto refusal = RefuseRecord(entry.name, entry.block, MacroContentForm::Eeprom, 0))
        return *refusal;
    return entry;
}

Result<DriverMacroRecord> ParseOneDriverMacroExport(ByteView bytes) {
    if (bytes.size() < kDriverMacroRecordSize)
        return NoMacro("a driver macro export holds a record of " +
                       std::to_string(kDriverMacroRecordSize) + " bytes; the file has " +
                       std::to_string(bytes.size()));
    const DriverMacroRecord record = DriverMacroRecordFromBytes(bytes);
    if (auto refusal = RefuseRecord(record.name, record.content, MacroContentForm::Driver, 0))
        return *refusal;
    return record;
}

bool CanImportOneMacro(const MacroLibrary& library) {
    return MacroLibraryCount(library) < kMaxMacrosForImportOne;
}

bool CanImportOneDriverMacro(const DriverMacroLibrary& library) {
    return library.size() < kMaxDriverMacrosForImportOne;
}

Result<std::size_t> ImportOneMacro(MacroLibrary& library, ByteView bytes) {
    if (!CanImportOneMacro(library))
        return MakeError("", "the macro library is full");
    auto entry = ParseOneMacroExport(bytes);
    if (!entry)
        return entry.error();
    const std::size_t count = MacroLibraryCount(library);
    for (std::size_t i = 0; i < count; ++i)
        if (library[i].name == entry->name)
            return MakeError("Str106", "a macro named \"" + MacroNameText(entry->name) +
                                           "\" is already in the library");
    library[count] = *entry;
    return count;
}

Result<std::size_t> ImportOneDriverMacro(DriverMacroLibrary& library, ByteView bytes) {
    if (!CanImportOneDriverMacro(library))
        return MakeError("", "the macro library is full");
    auto record = ParseOneDriverMacroExport(bytes);
    if (!record)
        return record.error();
    for (const auto& present : library)
        if (present.name == record->name)
            return MakeError("Str106", "a macro named \"" + MacroNameText(record->name) +
                                           "\" is already in the library");
    library.push_back(*record);
    return library.size() - 1;
}

Status ImportMacroLibrary(MacroLibrary& library, ByteView bytes) {
    const std::size_t records = std::min(bytes.size() / kMacroRecordSize, kMacroLibrarySize);
    bool anyNamed = false;
    for (std::size_t i = 0; i < records; ++i) {
        const MacroEntry entry =
            MacroEntryFromBytes(bytes.subspan(i * kMacroRecordSize, kMacroRecordSize));
        if (!MacroNamePresent(entry.name))
            continue;
        anyNamed = true;
        if (auto refusal = RefuseRecord(entry.name, entry.block, MacroContentForm::Eeprom, i))
            return *refusal;
    }
    if (!anyNamed)
        return NoMacro("the file holds no named macro record of 256 bytes");
    ReadMacroLibraryBytes(bytes, library);
    return Ok();
}

Status ImportDriverMacroLibrary(DriverMacroLibrary& library, ByteView bytes) {
    DriverMacroLibrary read;
    const std::size_t records = bytes.size() / kDriverMacroRecordSize;
    for (std::size_t i = 0; i < records; ++i) {
        DriverMacroRecord record = DriverMacroRecordFromBytes(
            bytes.subspan(i * kDriverMacroRecordSize, kDriverMacroRecordSize));
        if (!MacroNamePresent(record.name))
            continue;
        if (auto refusal = RefuseRecord(record.name, record.content, MacroContentForm::Driver, i))
            return *refusal;
        read.push_back(record);
    }
    if (read.empty())
        return NoMacro("the file holds no named macro record of 2048 bytes");
    library = std::move(read);
    return Ok();
}

void RefreshDriverWriteMacro(const DriverMacroLibrary& library, DriverMacroLibrary& assigned) {
    for (auto& copy : assigned) {
        const auto source = std::find_if(library.begin(), library.end(),
                                         [&](const auto& r) { return r.name == copy.name; });
        if (source != library.end())
            copy.content = source->content;
    }
}

} // namespace orln7a
