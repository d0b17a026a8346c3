#pragma once
// The data folder (list files, deck copies) and the playlist folder (playlists,
// play logs), computed from the known-folder values at start-up.

#include <optional>
#include <string>

namespace qb {

// localAppData + "/Quillbrook/Orvelia"; without that value (missing or empty)
// the current directory takes its place.
std::string dataFolderPath(const std::optional<std::string>& localAppData, const std::string& currentDir);

// documents + "/Orvelia"; without that value the home folder takes its place
// (where a Linux user looks for his files; there is no drive "C:").
std::string playlistFolderPath(const std::optional<std::string>& documents, const std::string& home);

struct LibraryFolders {
    std::string dataFolder;
    std::string playlistFolder;
    bool firstRun = false;  // the data folder did not exist and had to be created
};

// Computes both folders (current directory and $HOME as the stand-ins) and
// creates them when missing.
LibraryFolders prepareLibraryFolders(const std::optional<std::string>& localAppData,
                                     const std::optional<std::string>& documents);

}  // namespace qb
