#include "platform/system/system_drives.h"

#include <filesystem>

#include "platform/core/text.h"
#include "platform/system/mount_table.h"

namespace qb {

std::vector<std::string> SystemDrives::mountPoints() {
    std::string text;
    if (!text::readFile("/proc/self/mountinfo", text)) return {"/"};
    std::vector<std::string> out;
    for (auto& p : mounts::driveMountPoints(mounts::parseMountInfo(text))) {
        std::error_code ec;
        if (std::filesystem::is_directory(p, ec)) out.push_back(std::move(p));
    }
    return out;
}

}  // namespace qb
