#include "macros/macro_files.h"

#include "common/files.h"
#include "ui/resource_catalogue.h"

#include <system_error>

namespace orln7a {

std::filesystem::path MacroLibraryPath(const std::string& dataFolder) {
    return std::filesystem::path(dataFolder + std::string(kMacroLibraryFileName));
}

std::filesystem::path DriverMacroLibraryPath(const std::string& dataFolder) {
    return std::filesystem::path(dataFolder + std::string(kDriverMacroLibraryFileName));
}

std::filesystem::path MacroExportPath(const std::filesystem::path& chosen) {
    std::filesystem::path path = chosen;
    path += ".bin";
    return path;
}

Result<Bytes> ReadMacroFile(const std::filesystem::path& path) {
    return ReadWholeFile(path, kMaxMacroFileBytes);
}

Status CheckPCMacro(const std::string& dataFolder, MacroLibrary& library) {
    const auto path = MacroLibraryPath(dataFolder);
    std::error_code ec;
    const bool present = std::filesystem::exists(path, ec);
    if (ec)
        return MakeError("", "cannot look for " + path.string() + ": " + ec.message());
    if (present) {
        auto bytes = ReadMacroFile(path);
        if (!bytes)
            return bytes.error();
        ReadMacroLibraryBytes(*bytes, library);
        return Ok();
    }
    if (const auto builtIn = OpenDataResource(kDefaultMacroLibraryResource))
        ReadMacroLibraryBytes(*builtIn, library);
    return RefreshPCMacro(dataFolder, library);
}

Status CheckDriverPCMacro(const std::string& dataFolder, DriverMacroLibrary& library) {
    const auto path = DriverMacroLibraryPath(dataFolder);
    std::error_code ec;
    const bool present = std::filesystem::exists(path, ec);
    if (ec)
        return MakeError("", "cannot look for " + path.string() + ": " + ec.message());
    if (!present) {
        library.clear();
        return Ok();
    }
    auto bytes = ReadMacroFile(path);
    if (!bytes)
        return bytes.error();
    library = ReadDriverMacroLibraryBytes(*bytes);
    return Ok();
}

Status RefreshPCMacro(const std::string& dataFolder, const MacroLibrary& library) {
    return ExportMacroLibrary(MacroLibraryPath(dataFolder), library);
}

Status RefreshDriverPCMacro(const std::string& dataFolder, const DriverMacroLibrary& library,
                            DriverMacroLibrary& assigned) {
    Status written = ExportDriverMacroLibrary(DriverMacroLibraryPath(dataFolder), library);
    RefreshDriverWriteMacro(library, assigned);
    return written;
}

Status ExportOneMacro(const std::filesystem::path& path, const MacroEntry& entry) {
    return WriteFileAtomically(path, MacroEntryBytes(entry));
}

Status ExportOneDriverMacro(const std::filesystem::path& path, const DriverMacroRecord& record) {
    return WriteFileAtomically(path, DriverMacroRecordBytes(record));
}

Status ExportMacroLibrary(const std::filesystem::path& path, const MacroLibrary& library) {
    return WriteFileAtomically(path, MacroLibraryBytes(library));
}

Status ExportDriverMacroLibrary(const std::filesystem::path& path,
                                const DriverMacroLibrary& library) {
    return WriteFileAtomically(path, DriverMacroLibraryBytes(library));
}

} // namespace orln7a
