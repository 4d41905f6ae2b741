#pragma once

#include <string>

namespace orln7a {

// The folder of the running program, with a trailing separator.
std::string ProgramFolder();

// Where the PC-side macro and driver files live. A non-empty OEM Path is used as it stands
// (file names are appended to it without a separator, so it must end with one). Otherwise the
// program's folder, when the program may write there; an installed program usually may not
// (/usr/bin), and then the per-user data folder $XDG_DATA_HOME/orln7a-editor/ (by default
// ~/.local/share/orln7a-editor/) is used and created on demand.
struct DataFolderInputs {
    std::string oemPath;
    std::string programFolder;
    bool programFolderWritable = false;
    std::string xdgDataHome; // $XDG_DATA_HOME, may be empty
    std::string home;        // $HOME
};
std::string ChooseDataFolder(const DataFolderInputs& in);

// ChooseDataFolder for this process, creating the per-user folder when it is chosen.
std::string DataFolder(const std::string& oemPath);

} // namespace orln7a
