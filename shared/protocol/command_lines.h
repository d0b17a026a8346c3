#pragma once
// The command lines by which one program starts another, as argument lists
// (no shell, no quoting): the program's name, then each argument.

#include <optional>
#include <string>
#include <vector>

namespace qb::protocol {

struct CommandLine {
    std::string program;
    std::vector<std::string> args;
    bool operator==(const CommandLine&) const = default;
};

CommandLine previewCommandLine();  // "Tonello_Preview"
CommandLine padlinkCommandLine();  // "Padlink"

// What Singalo tells a new Kinolux. Switches that are not set are left out.
struct KinoluxStart {
    std::string path;                // the video (or audio) file, one argument
    std::optional<int> width;        // "/b=" pixels
    std::optional<int> height;       // "/h=" pixels
    std::optional<int> startMs;      // "/i=" start position; negative: delay before showing
    std::optional<int> volume;       // "/l=" 0..127; 0 for a muted start
    bool paused = false;             // "/p"
};

// "Kinolux", the path, then "/b=640", "/h=360", "/i=...", "/l=...", "/p".
CommandLine kinoluxCommandLine(const KinoluxStart& start);

}  // namespace qb::protocol
