#pragma once
// The drives: every mounted file system of a usable kind (disks, USB sticks,
// network shares, optical discs), by mount point. A music folder is split into
// the mount point of its drive and the path below it, and the scan visits that
// same path below every drive.

#include <optional>
#include <string>
#include <vector>

namespace qb {

struct DrivePath {
    std::string mountPoint;  // as mountPoints() gives it, e.g. "/" or "/media/dj/USB"
    std::string below;       // relative, without leading "/"; empty for the mount point itself
    bool operator==(const DrivePath&) const = default;
};

class Drives {
public:
    virtual ~Drives() = default;

    // The mount points of the drives, sorted, each once.
    virtual std::vector<std::string> mountPoints() = 0;

    // Split an absolute path at the drive it lies on: the longest mount point
    // that is the path or a whole-folder prefix of it. The path is taken
    // lexically ("." and ".." and repeated "/" resolved, links not followed).
    // nullopt for a relative path or one on no drive.
    std::optional<DrivePath> split(const std::string& path);

    // The same path below another drive: join("/media/usb", "Musik") is
    // "/media/usb/Musik", join("/", "Musik") is "/Musik".
    static std::string join(const std::string& mountPoint, const std::string& below);

    // The split against a given list of mount points.
    static std::optional<DrivePath> splitAmong(const std::vector<std::string>& mountPoints, const std::string& path);
};

}  // namespace qb
