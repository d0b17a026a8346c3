#pragma once
// The mount table of the running system (/proc/self/mountinfo) and the rule
// which of its file systems are drives.

#include <string>
#include <string_view>
#include <vector>

namespace qb::mounts {

struct Mount {
    std::string mountPoint;  // with the \040-style escapes undone
    std::string type;        // e.g. "ext4", "fuse.sshfs"
    std::string source;      // e.g. "/dev/sda1", "//nas/musik"
};

// The entries of a mountinfo text; malformed lines are skipped.
std::vector<Mount> parseMountInfo(std::string_view text);

// True for file systems on disks, USB sticks, optical discs and network
// shares; false for RAM-backed, pseudo, image (squashfs of snaps) and overlay
// file systems. The root file system is a drive whatever its type (inside a
// container it is an overlay).
bool isDrive(const Mount& m);

// The sorted mount points of the drives among the entries, each once.
std::vector<std::string> driveMountPoints(const std::vector<Mount>& mounts);

}  // namespace qb::mounts
