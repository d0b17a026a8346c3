#include "platform/system/fixed_known_folders.h"

#include <filesystem>

namespace qb {

FixedKnownFolders::FixedKnownFolders() {
    std::error_code ec;
    current_ = std::filesystem::current_path(ec).string();
}

}  // namespace qb
