#pragma once
// Drives a test sets, usually temporary folders standing in for mount points.

#include "platform/system/drives.h"

namespace qb {

class FixedDrives final : public Drives {
public:
    FixedDrives() = default;
    explicit FixedDrives(std::vector<std::string> mountPoints) { set(std::move(mountPoints)); }

    // Kept sorted and each once, as the real list is.
    void set(std::vector<std::string> mountPoints);
    std::vector<std::string> mountPoints() override { return points_; }

private:
    std::vector<std::string> points_;
};

}  // namespace qb
