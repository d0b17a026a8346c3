#include "platform/system/mount_table.h"

#include <algorithm>
#include <set>

#include "platform/core/text.h"

namespace qb::mounts {

namespace {

// mountinfo writes blank, tab, line break and backslash as \ooo.
std::string unescape(std::string_view s) {
    const auto isOct = [](char c) { return c >= '0' && c <= '7'; };
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 3 < s.size() && isOct(s[i + 1]) && isOct(s[i + 2]) && isOct(s[i + 3])) {
            out += static_cast<char>((s[i + 1] - '0') * 64 + (s[i + 2] - '0') * 8 + (s[i + 3] - '0'));
            i += 3;
            continue;
        }
        out += s[i];
    }
    return out;
}

std::vector<std::string_view> fields(std::string_view line) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && line[i] == ' ') ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ') ++i;
        if (i > start) out.push_back(line.substr(start, i - start));
    }
    return out;
}

bool startsWith(std::string_view s, std::string_view p) { return s.substr(0, p.size()) == p; }

}  // namespace

std::vector<Mount> parseMountInfo(std::string_view text) {
    std::vector<Mount> out;
    for (const std::string& line : text::splitLines(text)) {
        const auto f = fields(line);
        // id parent dev root mountpoint options [optional...] - type source superoptions
        const auto dash = std::find(f.begin(), f.end(), std::string_view("-"));
        if (f.size() < 6 || dash == f.end() || dash - f.begin() < 6 || f.end() - dash < 3) continue;
        out.push_back(Mount{unescape(f[4]), unescape(*(dash + 1)), unescape(*(dash + 2))});
    }
    return out;
}

bool isDrive(const Mount& m) {
    if (m.mountPoint == "/") return true;
    static const std::set<std::string, std::less<>> disks = {
        // disks and USB sticks
        "ext2", "ext3", "ext4", "xfs", "btrfs", "f2fs", "jfs", "reiserfs", "zfs", "bcachefs", "nilfs2",
        "vfat", "msdos", "exfat", "ntfs", "ntfs3", "fuseblk", "hfs", "hfsplus", "apfs", "ufs",
        // optical discs
        "iso9660", "udf",
        // network shares
        "nfs", "nfs4", "cifs", "smb3", "smbfs", "9p", "afs", "ceph", "glusterfs",
        "fuse.sshfs", "fuse.rclone", "fuse.s3fs", "fuse.davfs", "davfs"};
    return disks.count(m.type) > 0 || startsWith(m.type, "fuse.ntfs") || startsWith(m.type, "fuse.exfat");
}

std::vector<std::string> driveMountPoints(const std::vector<Mount>& mounts) {
    std::set<std::string> points;
    for (const auto& m : mounts) {
        if (isDrive(m)) points.insert(m.mountPoint);
    }
    return {points.begin(), points.end()};
}

}  // namespace qb::mounts
