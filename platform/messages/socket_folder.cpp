#include "platform/messages/socket_folder.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace qb::messages {

namespace {

void setError(std::string* error, const std::string& text) {
    if (error) *error = text;
}

// An address for path. Paths too long for sun_path go through the folder's
// descriptor (/proc/self/fd/N/name); dirFd is then open and must be closed.
bool unixAddress(const std::string& path, sockaddr_un& addr, int& dirFd) {
    dirFd = -1;
    std::memset(&addr, 0, sizeof addr);
    addr.sun_family = AF_UNIX;
    std::string target = path;
    if (target.size() >= sizeof addr.sun_path) {
        const auto slash = path.rfind('/');
        if (slash == std::string::npos) return false;
        const std::string folder = slash == 0 ? "/" : path.substr(0, slash);
        dirFd = ::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (dirFd < 0) return false;
        target = "/proc/self/fd/" + std::to_string(dirFd) + path.substr(slash);
        if (target.size() >= sizeof addr.sun_path) {
            ::close(dirFd);
            dirFd = -1;
            return false;
        }
    }
    std::memcpy(addr.sun_path, target.c_str(), target.size());
    return true;
}

void closeIfOpen(int fd) {
    if (fd >= 0) ::close(fd);
}

}  // namespace

std::string defaultSocketFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && runtime[0] == '/') return std::string(runtime) + "/quillbrook";
    return "/tmp/quillbrook-" + std::to_string(::geteuid());
}

bool prepareSocketFolder(const std::string& folder, bool create, std::string* error) {
    if (create) {
        if (::mkdir(folder.c_str(), 0700) == 0) {
            ::chmod(folder.c_str(), 0700);  // whatever the umask took away
        } else if (errno != EEXIST) {
            setError(error, "cannot create " + folder + ": " + std::strerror(errno));
            return false;
        }
    }
    // Work on the opened folder itself, so that a link swapped in between the
    // check and the repair cannot redirect the change.
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT && !create) {
            setError(error, "");
            return false;
        }
        setError(error, folder + " is not a usable folder: " + std::strerror(errno));
        return false;
    }
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0;
    if (!ok) {
        setError(error, "cannot inspect " + folder + ": " + std::strerror(errno));
    } else if (st.st_uid != ::geteuid()) {
        setError(error, folder + " belongs to another user");
        ok = false;
    } else if ((st.st_mode & 07777) != 0700 && ::fchmod(fd, 0700) != 0) {
        setError(error, "cannot set mode 0700 on " + folder + ": " + std::strerror(errno));
        ok = false;
    }
    ::close(fd);
    return ok;
}

std::string socketFileName(std::string_view caption, WindowHandle handle) {
    return std::string(caption) + "." + std::to_string(handle);
}

std::optional<SocketName> parseSocketFileName(std::string_view fileName) {
    const auto dot = fileName.rfind('.');
    if (dot == std::string_view::npos || dot == 0) return std::nullopt;
    const std::string_view digits = fileName.substr(dot + 1);
    if (digits.empty() || digits.size() > 10 || digits[0] == '0') return std::nullopt;
    std::uint64_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (value > 0xFFFFFFFFull) return std::nullopt;
    return SocketName{std::string(fileName.substr(0, dot)), static_cast<WindowHandle>(value)};
}

std::vector<SocketEntry> listSockets(const std::string& folder) {
    std::vector<SocketEntry> out;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return out;
    const int dfd = ::dirfd(dir);
    while (const dirent* e = ::readdir(dir)) {
        if (e->d_type != DT_SOCK && e->d_type != DT_UNKNOWN) continue;
        auto name = parseSocketFileName(e->d_name);
        if (!name) continue;
        struct stat st {};
        if (::fstatat(dfd, e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISSOCK(st.st_mode)) continue;
        SocketEntry entry;
        entry.path = folder + "/" + e->d_name;
        entry.caption = std::move(name->caption);
        entry.handle = name->handle;
        entry.mtimeNs = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
        out.push_back(std::move(entry));
    }
    ::closedir(dir);
    std::sort(out.begin(), out.end(), [](const SocketEntry& a, const SocketEntry& b) {
        if (a.mtimeNs != b.mtimeNs) return a.mtimeNs > b.mtimeNs;
        return a.path > b.path;
    });
    return out;
}

ConnectResult connectSocket(const std::string& path, int& fd) {
    fd = -1;
    sockaddr_un addr {};
    int dirFd = -1;
    if (!unixAddress(path, addr, dirFd)) return ConnectResult::Unreachable;
    const int s = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (s < 0) {
        closeIfOpen(dirFd);
        return ConnectResult::Unreachable;
    }
    int rc;
    do {
        rc = ::connect(s, reinterpret_cast<const sockaddr*>(&addr), sizeof addr);
    } while (rc != 0 && errno == EINTR);
    const int err = errno;
    closeIfOpen(dirFd);
    if (rc == 0) {
        fd = s;
        return ConnectResult::Connected;
    }
    ::close(s);
    if (err == EAGAIN || err == EINPROGRESS) return ConnectResult::Busy;
    if (err == ECONNREFUSED) return ConnectResult::Dead;
    return ConnectResult::Unreachable;
}

int listenSocket(const std::string& path, std::string* error) {
    sockaddr_un addr {};
    int dirFd = -1;
    if (!unixAddress(path, addr, dirFd)) {
        setError(error, "socket path too long: " + path);
        return -1;
    }
    const int s = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (s < 0) {
        setError(error, std::string("socket: ") + std::strerror(errno));
        closeIfOpen(dirFd);
        return -1;
    }
    if (::bind(s, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) != 0 || ::listen(s, SOMAXCONN) != 0) {
        setError(error, "cannot listen at " + path + ": " + std::strerror(errno));
        ::close(s);
        closeIfOpen(dirFd);
        return -1;
    }
    closeIfOpen(dirFd);
    return s;
}

}  // namespace qb::messages
