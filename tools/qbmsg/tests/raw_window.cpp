#include "tools/qbmsg/tests/raw_window.h"

#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace qb::testing {

namespace {

void put(std::string& s, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) s.push_back(static_cast<char>(v >> (8 * i)));
}

std::uint32_t get(const std::string& s, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + i])) << (8 * i);
    return v;
}

sockaddr_un address(const std::string& path) {
    sockaddr_un a {};
    a.sun_family = AF_UNIX;
    std::strncpy(a.sun_path, path.c_str(), sizeof a.sun_path - 1);
    return a;
}

}  // namespace

std::string rawEncode(const RawFrame& f) {
    std::string s = "QBM1";
    put(s, f.kind);
    put(s, f.flags);
    put(s, f.wParam);
    put(s, static_cast<std::uint32_t>(f.lParam));
    put(s, static_cast<std::uint32_t>(f.payload.size()));
    return s + f.payload;
}

std::string socketFolder() { return std::string(std::getenv("XDG_RUNTIME_DIR")) + "/quillbrook"; }

RawWindow::RawWindow(const std::string& caption, unsigned handle) {
    ::mkdir(socketFolder().c_str(), 0700);
    path_ = socketFolder() + "/" + caption + "." + std::to_string(handle);
    listenFd_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const sockaddr_un a = address(path_);
    if (::bind(listenFd_, reinterpret_cast<const sockaddr*>(&a), sizeof a) != 0 || ::listen(listenFd_, 8) != 0) {
        ::close(listenFd_);
        listenFd_ = -1;
    }
}

RawWindow::~RawWindow() {
    if (conn_ >= 0) ::close(conn_);
    if (listenFd_ >= 0) {
        ::close(listenFd_);
        ::unlink(path_.c_str());
    }
}

std::optional<RawFrame> RawWindow::receive(int timeoutMs) {
    if (listenFd_ < 0) return std::nullopt;
    pollfd p{listenFd_, POLLIN, 0};
    if (::poll(&p, 1, timeoutMs) != 1) return std::nullopt;
    if (conn_ >= 0) ::close(conn_);
    conn_ = ::accept(listenFd_, nullptr, nullptr);
    const auto head = rawRead(conn_, 24, timeoutMs);
    if (!head || head->substr(0, 4) != "QBM1") return std::nullopt;
    RawFrame f;
    f.kind = get(*head, 4);
    f.flags = get(*head, 8);
    f.wParam = get(*head, 12);
    f.lParam = static_cast<std::int32_t>(get(*head, 16));
    const std::uint32_t n = get(*head, 20);
    if (n > 0) {
        const auto payload = rawRead(conn_, n, timeoutMs);
        if (!payload) return std::nullopt;
        f.payload = *payload;
    }
    return f;
}

void RawWindow::reply(std::int32_t result) {
    std::string s;
    put(s, static_cast<std::uint32_t>(result));
    rawWriteAll(conn_, s);
}

void RawWindow::die() {
    ::close(listenFd_);
    listenFd_ = -1;
}

int rawConnect(const std::string& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const sockaddr_un a = address(path);
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&a), sizeof a) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool rawWriteAll(int fd, const std::string& data) {
    std::size_t at = 0;
    while (at < data.size()) {
        const ssize_t r = ::send(fd, data.data() + at, data.size() - at, MSG_NOSIGNAL);
        if (r <= 0) return false;
        at += static_cast<std::size_t>(r);
    }
    return true;
}

std::optional<std::string> rawRead(int fd, std::size_t n, int timeoutMs) {
    std::string out;
    while (out.size() < n) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, timeoutMs) != 1) return std::nullopt;
        char buf[512];
        const ssize_t r = ::read(fd, buf, std::min(sizeof buf, n - out.size()));
        if (r <= 0) return std::nullopt;
        out.append(buf, static_cast<std::size_t>(r));
    }
    return out;
}

}  // namespace qb::testing
