#pragma once
// Text files of title items ("Playlist.txt", "Titelliste.txt"): one item per
// line, lines ended by CR LF, UTF-8 without a byte-order mark.

#include <string>
#include <string_view>
#include <vector>

namespace qb {

inline constexpr std::string_view kPlaylistFileName = "Playlist.txt";
inline constexpr std::string_view kTitleListFileName = "Titelliste.txt";

// Replaces `items` with the lines of the file (CR LF, LF or CR ends a line);
// false, with `items` unchanged, when the file cannot be read.
bool readTitleItemFile(const std::string& path, std::vector<std::string>& items);

// Writes the items as CR LF lines, replacing the file; false on any error.
bool writeTitleItemFile(const std::string& path, const std::vector<std::string>& items);

}  // namespace qb
