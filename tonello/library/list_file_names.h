#pragma once
// Names of the list files and their enumeration in the data folder. The page
// number of a title is the position of its list file in this enumeration.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qb {

// At most this many list files count (pages 0..99); further files are ignored.
inline constexpr std::size_t kMaxListFiles = 100;

// "Dateiliste" + list name + ".dat"; the empty list name gives "Dateiliste.dat".
std::string listFileName(std::string_view listName);
// The scan's copy of the previous list file: "Dateiliste" + list name + ".~dat".
std::string listBackupFileName(std::string_view listName);

// Whether a file name matches "Dateiliste*.dat", exactly as written (case
// matters: "dateiliste.DAT" is not a list file).
bool isListFileName(std::string_view fileName);

// Sorts file names as the page order has them: case-insensitively
// (text::lessNoCase); names that differ only in case follow byte order, so the
// order is the same in every program.
void sortListFileNames(std::vector<std::string>& names);

// The file names (without folder) of the regular files "Dateiliste*.dat" in the
// folder, sorted, at most kMaxListFiles. A missing folder gives no names.
std::vector<std::string> enumerateListFiles(const std::string& dataFolder);

// Tonello_Preview's enumeration: every regular file "*.dat", sorted the same
// way and capped the same way. The data folder holds no other ".dat" files, so
// both enumerations give the same pages.
std::vector<std::string> enumerateDatFiles(const std::string& dataFolder);

}  // namespace qb
