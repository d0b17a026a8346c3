#pragma once
// The drives of the running system, from /proc/self/mountinfo, read anew on
// every call (USB sticks come and go). A mount point that is not a folder (a
// single file bound into a container) is no drive.

#include "platform/system/drives.h"

namespace qb {

class SystemDrives final : public Drives {
public:
    std::vector<std::string> mountPoints() override;
};

}  // namespace qb
