#include "ui/data_folders.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace orln7a {

std::string ProgramFolder() {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        exe = std::filesystem::current_path(ec) / "orln7a-editor";
    std::string folder = exe.parent_path().string();
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

std::string ChooseDataFolder(const DataFolderInputs& in) {
    if (!in.oemPath.empty())
        return in.oemPath;
    if (in.programFolderWritable)
        return in.programFolder;
    std::string base = in.xdgDataHome;
    // The XDG rules ignore a relative $XDG_DATA_HOME.
    if (base.empty() || base.front() != '/')
        base = in.home + "/.local/share";
    if (base.back() != '/')
        base += '/';
    return base + "orln7a-editor/";
}

std::string DataFolder(const std::string& oemPath) {
    DataFolderInputs in;
    in.oemPath = oemPath;
    in.programFolder = ProgramFolder();
    in.programFolderWritable = ::access(in.programFolder.c_str(), W_OK) == 0;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"))
        in.xdgDataHome = xdg;
    if (const char* home = std::getenv("HOME"))
        in.home = home;
    const std::string folder = ChooseDataFolder(in);
    if (folder != in.oemPath && folder != in.programFolder) {
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);
    }
    return folder;
}

} // namespace orln7a
