#pragma once
// Window message frames written straight from the frame table, with plain
// sockets: an independent far side for testing qbmsg.
//   "QBM1" | kind | flags | wParam | lParam | n | payload   (little-endian)
#include <cstdint>
#include <optional>
#include <string>

namespace qb::testing {

struct RawFrame {
    std::uint32_t kind = 0, flags = 0, wParam = 0;
    std::int32_t lParam = 0;
    std::string payload;
    bool operator==(const RawFrame&) const = default;
};

std::string rawEncode(const RawFrame& f);
std::string socketFolder();  // $XDG_RUNTIME_DIR/quillbrook

// A listening socket named "<caption>.<handle>" in the socket folder.
class RawWindow {
public:
    RawWindow(const std::string& caption, unsigned handle);
    ~RawWindow();
    // Accept one connection (waiting up to timeoutMs) and read one frame.
    std::optional<RawFrame> receive(int timeoutMs = 10000);
    // Answer the frame last received on its connection.
    void reply(std::int32_t result);
    // Close without removing the file: a window whose owner died.
    void die();

private:
    std::string path_;
    int listenFd_ = -1;
    int conn_ = -1;
};

// Connect to an existing socket path; -1 on failure.
int rawConnect(const std::string& path);
bool rawWriteAll(int fd, const std::string& data);
// Read exactly n bytes (waiting up to timeoutMs); nullopt on EOF or timeout.
std::optional<std::string> rawRead(int fd, std::size_t n, int timeoutMs = 10000);

}  // namespace qb::testing
