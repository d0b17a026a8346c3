#include "platform/system/drives.h"

#include <filesystem>

namespace qb {

namespace {

// Lexically normal form without a trailing "/" (except for the root).
std::string normal(const std::string& path) {
    std::string p = std::filesystem::path(path).lexically_normal().string();
    while (p.size() > 1 && p.back() == '/') p.pop_back();
    return p;
}

}  // namespace

std::optional<DrivePath> Drives::split(const std::string& path) { return splitAmong(mountPoints(), path); }

std::optional<DrivePath> Drives::splitAmong(const std::vector<std::string>& mountPoints, const std::string& path) {
    if (path.empty() || path.front() != '/') return std::nullopt;
    const std::string p = normal(path);
    std::optional<DrivePath> best;
    std::size_t bestLength = 0;
    for (const std::string& mount : mountPoints) {
        const std::string m = normal(mount);
        std::string below;
        if (p == m) {
            below.clear();
        } else if (m == "/") {
            below = p.substr(1);
        } else if (p.size() > m.size() && p.compare(0, m.size(), m) == 0 && p[m.size()] == '/') {
            below = p.substr(m.size() + 1);
        } else {
            continue;
        }
        if (!best || m.size() > bestLength) {
            best = DrivePath{mount, below};
            bestLength = m.size();
        }
    }
    return best;
}

std::string Drives::join(const std::string& mountPoint, const std::string& below) {
    if (below.empty()) return mountPoint;
    if (!mountPoint.empty() && mountPoint.back() == '/') return mountPoint + below;
    return mountPoint + "/" + below;
}

}  // namespace qb
