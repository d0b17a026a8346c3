#include "platform/testing/temp_home.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace qb::testing {

namespace fs = std::filesystem;

namespace {
std::string g_home;

void removeHome() {
    std::error_code ec;
    if (!g_home.empty()) fs::remove_all(g_home, ec);
}
}  // namespace

std::string usePrivateHome() {
    if (!g_home.empty()) return g_home;
    std::string tmpl = (fs::temp_directory_path() / "qbtest-XXXXXX").string();
    if (!mkdtemp(tmpl.data())) std::abort();
    g_home = tmpl;
    chmod(g_home.c_str(), 0700);
    const auto sub = [](const char* name) {
        const std::string p = g_home + "/" + name;
        fs::create_directories(p);
        chmod(p.c_str(), 0700);
        return p;
    };
    setenv("HOME", g_home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", sub(".config").c_str(), 1);
    setenv("XDG_DATA_HOME", sub(".local/share").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", sub("run").c_str(), 1);
    setenv("XDG_DOCUMENTS_DIR", sub("Documents").c_str(), 1);
    setenv("XDG_MUSIC_DIR", sub("Music").c_str(), 1);
    setenv("XDG_DOWNLOAD_DIR", sub("Downloads").c_str(), 1);
    std::atexit(removeHome);
    return g_home;
}

const std::string& privateHome() { return g_home; }

std::string makeTempDir(const std::string& stem) {
    std::string tmpl = (usePrivateHome() + "/" + stem + "-XXXXXX");
    if (!mkdtemp(tmpl.data())) std::abort();
    return tmpl;
}

}  // namespace qb::testing
