#include "tonello/library/library_folders.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <unistd.h>

namespace qb {

namespace {

namespace fs = std::filesystem;

// base + tail, without doubling the slash when base ends in one.
std::string join(std::string base, const char* tail) {
    while (base.size() > 1 && base.back() == '/') base.pop_back();
    if (base == "/") base.clear();
    return base + tail;
}

std::string homeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) return pw->pw_dir;
    return "/";
}

std::string currentFolder() {
    std::error_code ec;
    const fs::path p = fs::current_path(ec);
    return ec ? std::string(".") : p.string();
}

bool present(const std::optional<std::string>& v) { return v && !v->empty(); }

}  // namespace

std::string dataFolderPath(const std::optional<std::string>& localAppData, const std::string& currentDir) {
    return join(present(localAppData) ? *localAppData : currentDir, "/Quillbrook/Orvelia");
}

std::string playlistFolderPath(const std::optional<std::string>& documents, const std::string& home) {
    return join(present(documents) ? *documents : home, "/Orvelia");
}

LibraryFolders prepareLibraryFolders(const std::optional<std::string>& localAppData,
                                     const std::optional<std::string>& documents) {
    LibraryFolders f;
    f.dataFolder = dataFolderPath(localAppData, currentFolder());
    f.playlistFolder = playlistFolderPath(documents, homeFolder());
    std::error_code ec;
    f.firstRun = !fs::is_directory(f.dataFolder, ec);
    fs::create_directories(f.dataFolder, ec);
    fs::create_directories(f.playlistFolder, ec);
    return f;
}

}  // namespace qb
