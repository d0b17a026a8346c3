#include "platform/system/xdg_known_folders.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <unistd.h>

#include "platform/core/text.h"

namespace qb {

namespace fs = std::filesystem;

namespace {

std::optional<std::string> home() {
    if (const char* h = std::getenv("HOME"); h && h[0] == '/') return std::string(h);
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir && pw->pw_dir[0] == '/') return std::string(pw->pw_dir);
    return std::nullopt;
}

// An XDG variable that holds an absolute path.
std::optional<std::string> absoluteEnv(const char* name) {
    if (const char* v = std::getenv(name); v && v[0] == '/') return std::string(v);
    return std::nullopt;
}

std::string withoutTrailingSlash(std::string p) {
    while (p.size() > 1 && p.back() == '/') p.pop_back();
    return p;
}

}  // namespace

std::optional<std::string> XdgKnownFolders::parseUserDir(const std::string& fileText, const std::string& name,
                                                         const std::string& homeDir) {
    const std::string prefix = "XDG_" + name + "_DIR=";
    std::optional<std::string> found;
    for (const std::string& raw : text::splitLines(fileText)) {
        std::string_view line = raw;
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
        if (line.substr(0, prefix.size()) != prefix) continue;
        line.remove_prefix(prefix.size());
        if (line.size() < 2 || line.front() != '"') continue;
        line.remove_prefix(1);
        std::string value;
        bool closed = false;
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (line[i] == '"') {
                closed = true;
                break;
            }
            if (line[i] == '\\' && i + 1 < line.size()) ++i;
            value += line[i];
        }
        if (!closed) continue;
        if (value == "$HOME" || value.starts_with("$HOME/")) {
            value = homeDir + value.substr(5);
        } else if (!value.starts_with("/")) {
            continue;
        }
        found = withoutTrailingSlash(value);  // the last line of a name counts
    }
    return found;
}

std::optional<std::string> XdgKnownFolders::userDir(const std::string& name, const std::string& fallback) {
    if (auto v = absoluteEnv(("XDG_" + name + "_DIR").c_str())) return withoutTrailingSlash(*v);
    const auto h = home();
    if (!h) return std::nullopt;
    const std::string config = absoluteEnv("XDG_CONFIG_HOME").value_or(*h + "/.config");
    std::string content;
    if (text::readFile(config + "/user-dirs.dirs", content)) {
        if (auto v = parseUserDir(content, name, *h)) return v;
    }
    return *h + "/" + fallback;
}

std::optional<std::string> XdgKnownFolders::localAppData() {
    if (auto v = absoluteEnv("XDG_DATA_HOME")) return withoutTrailingSlash(*v);
    if (auto h = home()) return *h + "/.local/share";
    return std::nullopt;
}

std::optional<std::string> XdgKnownFolders::documents() { return userDir("DOCUMENTS", "Documents"); }

std::optional<std::string> XdgKnownFolders::music() {
    auto dir = userDir("MUSIC", "Music");
    std::error_code ec;
    if (dir && !fs::is_directory(*dir, ec)) return std::nullopt;
    return dir;
}

std::optional<std::string> XdgKnownFolders::downloads() { return userDir("DOWNLOAD", "Downloads"); }

std::string XdgKnownFolders::currentDirectory() {
    std::error_code ec;
    auto p = fs::current_path(ec);
    return ec ? std::string() : p.string();
}

}  // namespace qb
