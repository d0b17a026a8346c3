#pragma once
// The title companion file: next to a music file, a text file of the same name
// with the extension ".ini" (Song.mp3 -> Song.ini) that may announce a video.
// Lines beginning "Video=" give the video's full path, lines beginning
// "Intro=" a start offset in ms (decimal), each from the 7th character on;
// other lines are ignored. Lines end in CR LF or LF.

#include <optional>
#include <string>
#include <vector>

namespace qb::protocol {

struct CompanionFile {
    // Every "Video=" line in file order. Announcing sends each one as copy
    // data, so the receiver ends up holding the last.
    std::vector<std::string> videos;
    // The last "Intro=" line whose value is a valid number; lines with
    // anything else are ignored.
    std::optional<int> introMs;
    bool operator==(const CompanionFile&) const = default;
};

// musicPath with its extension replaced by ".ini" (added when it has none).
std::string companionPath(const std::string& musicPath);

// nullopt when there is no companion file.
std::optional<CompanionFile> readCompanionFile(const std::string& musicPath);

// The start offset announced with code 41: the intro value + the title's
// start point, or 0 when no "Intro=" line gave one.
int announcedStartOffset(const CompanionFile& file, int titleStartMs);

}  // namespace qb::protocol
