#pragma once
// The user's known folders (what the programs read as the "Shell Folders"
// values): local application data, documents ("Personal"), music ("My Music")
// and downloads. nullopt means the value is missing: the folder cannot be
// determined (for music also: it does not exist, see XdgKnownFolders).

#include <optional>
#include <string>

namespace qb {

class KnownFolders {
public:
    virtual ~KnownFolders() = default;
    virtual std::optional<std::string> localAppData() = 0;
    virtual std::optional<std::string> documents() = 0;
    virtual std::optional<std::string> music() = 0;
    virtual std::optional<std::string> downloads() = 0;
    // The process's working folder; empty when it cannot be determined.
    virtual std::string currentDirectory() = 0;
};

}  // namespace qb
