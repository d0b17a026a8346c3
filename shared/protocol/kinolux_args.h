#pragma once
// How Kinolux reads its arguments. In order, each argument that names an
// existing file becomes the media file (so the last such one wins); any other
// is compared by its first three characters upper-cased:
//   "/B=" width from characters 4-7 (up to 4 digits)
//   "/H=" height from characters 4-7
//   "/I=" start position in ms from characters 4-11 (up to 8, a sign allowed)
//   "/L=" volume from characters 4-6 (up to 3 digits), applied at once
// and the whole argument "/P" (any case) asks to open without playing. A value
// that is not a valid decimal number leaves the default; other arguments are
// ignored. A width or height of 0 also leaves the default (a window without
// area shows nothing and has no aspect ratio), and a volume above 127 counts
// as 127, the loudest the wave output takes.

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace qb::protocol {

struct KinoluxArgs {
    std::string mediaFile;       // empty: none named an existing file
    int width = 640;
    int height = 360;
    int startMs = 0;             // negative: wait that long before showing
    std::optional<int> volume;   // 0..127 when a "/L=" switch was valid (the last one)
    bool startPaused = false;
    bool operator==(const KinoluxArgs&) const = default;
};

// isFile: whether an argument names an existing file (not a folder); by
// default asked of the file system.
KinoluxArgs parseKinoluxArgs(const std::vector<std::string>& args,
                             const std::function<bool(const std::string&)>& isFile = {});

}  // namespace qb::protocol
