#include "platform/system/fixed_drives.h"

#include <algorithm>

namespace qb {

void FixedDrives::set(std::vector<std::string> mountPoints) {
    std::sort(mountPoints.begin(), mountPoints.end());
    mountPoints.erase(std::unique(mountPoints.begin(), mountPoints.end()), mountPoints.end());
    points_ = std::move(mountPoints);
}

}  // namespace qb
