#pragma once

// The macro library files in the data folder and the export files the user picks. Every write
// replaces its file atomically, so a crash while saving never leaves half a library.

#include "common/bytes.h"
#include "common/result.h"
#include "macros/macro_library.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace orln7a {

inline constexpr std::string_view kMacroLibraryFileName = "Macro.bin";
inline constexpr std::string_view kDriverMacroLibraryFileName = "Driver_Macro.bin";
// The built-in default of the EEPROM library, read like "Macro.bin".
inline constexpr std::string_view kDefaultMacroLibraryResource = "PCMacroData";
// Larger files are refused rather than read: far beyond any library the editor writes.
inline constexpr std::size_t kMaxMacroFileBytes = 64u << 20;

// The data folder ends with its separator, so file names are appended to it as they stand.
std::filesystem::path MacroLibraryPath(const std::string& dataFolder);
std::filesystem::path DriverMacroLibraryPath(const std::string& dataFolder);

// The file an export writes for the name chosen in the save dialog: the name with ".bin"
// appended, even when it already ends in ".bin".
std::filesystem::path MacroExportPath(const std::filesystem::path& chosen);

// A macro file, whole; missing, unreadable or oversized files are errors without a message key.
Result<Bytes> ReadMacroFile(const std::filesystem::path& path);

// `CheckPCMacro`: loads "Macro.bin" into the library; when the file does not exist the library
// comes from the built-in default and the file is written at once. A file that exists but
// cannot be read is an error and the library is left as it was.
Status CheckPCMacro(const std::string& dataFolder, MacroLibrary& library);
// `CheckDriverPCMacro`: loads "Driver_Macro.bin"; a missing file gives an empty list.
Status CheckDriverPCMacro(const std::string& dataFolder, DriverMacroLibrary& library);

// `RefreshPCMacro`: writes "Macro.bin" in full.
Status RefreshPCMacro(const std::string& dataFolder, const MacroLibrary& library);
// `RefreshDriverPCMacro`: writes "Driver_Macro.bin" in full, then brings the assigned copies up
// to date with the library (RefreshDriverWriteMacro), also when the write fails, since the
// library in memory is what the buttons should play.
Status RefreshDriverPCMacro(const std::string& dataFolder, const DriverMacroLibrary& library,
                            DriverMacroLibrary& assigned);

// Exports: one record, or the whole library in its file layout.
Status ExportOneMacro(const std::filesystem::path& path, const MacroEntry& entry);
Status ExportOneDriverMacro(const std::filesystem::path& path, const DriverMacroRecord& record);
Status ExportMacroLibrary(const std::filesystem::path& path, const MacroLibrary& library);
Status ExportDriverMacroLibrary(const std::filesystem::path& path,
                                const DriverMacroLibrary& library);

} // namespace orln7a
