#include "platform/settings/reg_file_store.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/core/text.h"
#include "platform/settings/reg_format.h"

namespace qb {

namespace fs = std::filesystem;

namespace {

std::string homeFolder() {
    if (const char* h = std::getenv("HOME"); h && *h) return h;
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) return pw->pw_dir;
    return {};
}

// An open descriptor that closes itself.
class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    bool ok() const { return fd_ >= 0; }
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool writeAll(int fd, const std::string& data) {
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool lockExclusive(int fd) {
    while (::flock(fd, LOCK_EX) != 0) {
        if (errno != EINTR) return false;
    }
    return true;
}

bool makeFolder(const std::string& folder) {
    std::error_code ec;
    if (fs::is_directory(folder, ec)) return true;
    const fs::path p(folder);
    if (p.has_parent_path()) fs::create_directories(p.parent_path(), ec);
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return false;
    return fs::is_directory(folder, ec);
}

// The section of key in the parsed file, or nullptr.
reg::Section* sectionOf(std::vector<reg::Section>& sections, const std::string& key) {
    for (auto& s : sections) {
        if (reg::sameName(s.key, key)) return &s;
    }
    return nullptr;
}

}  // namespace

RegFileStore::RegFileStore() : folder_(defaultFolder()) {}

RegFileStore::RegFileStore(std::string folder) : folder_(std::move(folder)) {}

std::string RegFileStore::defaultFolder() {
    std::string base;
    // A relative value is invalid by the XDG rules and is ignored.
    if (const char* c = std::getenv("XDG_CONFIG_HOME"); c && c[0] == '/') {
        base = c;
    } else {
        base = homeFolder() + "/.config";
    }
    return base + "/Quillbrook";
}

std::string RegFileStore::fileFor(const std::string& key) const {
    const std::size_t cut = key.find_last_of('\\');
    const std::string last = cut == std::string::npos ? key : key.substr(cut + 1);
    if (last.empty() || last == "." || last == "..") return {};
    for (unsigned char c : last) {
        if (c == '/' || c < 0x20 || c == 0x7f) return {};
    }
    return folder_ + "/" + last + ".reg";
}

std::optional<RegValues> RegFileStore::readKey(const std::string& key) {
    const std::string path = fileFor(key);
    std::string text;
    if (path.empty() || !text::readFile(path, text)) return std::nullopt;
    auto sections = reg::parse(text);
    if (const reg::Section* s = sectionOf(sections, key)) return s->values;
    return std::nullopt;
}

bool RegFileStore::writeValues(const std::string& key, const RegValues& values) {
    const std::string path = fileFor(key);
    if (path.empty() || key.find_first_of("[]\r\n") != std::string::npos) return false;
    if (!makeFolder(folder_)) return false;

    Fd lock(::open((path + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
    if (!lock.ok() || !lockExclusive(lock.get())) return false;

    // A file kept elsewhere behind a symbolic link is replaced at its target,
    // so that the link stays.
    std::string target = path;
    std::error_code ec;
    if (fs::is_symlink(path, ec)) {
        const fs::path real = fs::canonical(path, ec);
        if (ec) return false;
        target = real.string();
    }

    std::vector<reg::Section> sections;
    std::string text;
    if (text::readFile(target, text)) {
        sections = reg::parse(text);
    } else if (fs::exists(fs::symlink_status(target, ec))) {
        return false;  // there but unreadable: never overwrite what we cannot keep
    }
    reg::Section* section = sectionOf(sections, key);
    if (!section) {
        sections.push_back(reg::Section{key, {}});
        section = &sections.back();
    }
    reg::merge(section->values, values);
    const std::string content = reg::format(sections);

    std::string temp = target + ".XXXXXX";
    Fd out(::mkostemp(temp.data(), O_CLOEXEC));
    if (!out.ok()) return false;
    const bool written = writeAll(out.get(), content) && ::fsync(out.get()) == 0 && out.close();
    if (!written || ::rename(temp.c_str(), target.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    // Make the rename itself durable.
    const std::string dir = fs::path(target).parent_path().string();
    Fd d(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (d.ok()) ::fsync(d.get());
    return true;
}

}  // namespace qb
