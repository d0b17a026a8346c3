#include "platform/system/system_processes.h"

#include <QProcess>
#include <QString>
#include <QStringList>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace qb {

namespace fs = std::filesystem;

namespace {

bool isExecutableFile(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec) && ::access(path.c_str(), X_OK) == 0;
}

std::string ownExecutableFolder() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.parent_path().string();
}

}  // namespace

SystemProcesses::SystemProcesses() : ownFolder_(ownExecutableFolder()) {}

SystemProcesses::SystemProcesses(std::string ownFolder) : ownFolder_(std::move(ownFolder)) {}

std::optional<std::string> SystemProcesses::locate(const std::string& program) const {
    if (program.empty()) return std::nullopt;
    if (program.find('/') != std::string::npos) {
        if (isExecutableFile(program)) return program;
        return std::nullopt;
    }
    if (!ownFolder_.empty() && isExecutableFile(ownFolder_ + "/" + program)) return ownFolder_ + "/" + program;
    const char* path = std::getenv("PATH");
    std::string_view rest = path ? path : "";
    while (!rest.empty()) {
        const std::size_t colon = rest.find(':');
        const std::string_view dir = rest.substr(0, colon);
        rest = colon == std::string_view::npos ? std::string_view{} : rest.substr(colon + 1);
        // An empty or relative entry would mean the working folder, which a
        // program started by name must not pick up by accident.
        if (dir.empty() || dir.front() != '/') continue;
        const std::string candidate = std::string(dir) + "/" + program;
        if (isExecutableFile(candidate)) return candidate;
    }
    return std::nullopt;
}

void SystemProcesses::start(const std::string& program, const std::vector<std::string>& args) {
    const auto path = locate(program);
    if (!path) return;
    QStringList list;
    for (const auto& a : args) list << QString::fromStdString(a);
    QProcess::startDetached(QString::fromStdString(*path), list);
}

}  // namespace qb
