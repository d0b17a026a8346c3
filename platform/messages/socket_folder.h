#pragma once
// The folder of window sockets and the names in it.
//
// Every window that others find by caption owns a Unix stream socket named
// "<caption>.<handle>" in $XDG_RUNTIME_DIR/quillbrook/ (else
// /tmp/quillbrook-<uid>/). Captions may hold blanks and dots; the handle is the
// decimal number after the last dot. The folder has mode 0700 and belongs to
// the user, so that nobody else reaches the suite.

#include "platform/messages/message_bus.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qb::messages {

// $XDG_RUNTIME_DIR/quillbrook when XDG_RUNTIME_DIR is an absolute path, else
// /tmp/quillbrook-<uid>.
std::string defaultSocketFolder();

// Make sure folder is usable: create it with mode 0700 when it is missing (its
// parent must exist); an existing one must be a real folder (no symbolic link)
// owned by this user, and a wrong mode is set back to 0700. When create is
// false a missing folder is reported as unusable without an error text.
// False, with the reason in error, when the folder cannot be used.
bool prepareSocketFolder(const std::string& folder, bool create, std::string* error = nullptr);

struct SocketName {
    std::string caption;
    WindowHandle handle = 0;
};

// "<caption>.<handle>"
std::string socketFileName(std::string_view caption, WindowHandle handle);

// Split a file name at its last dot; nullopt when what follows is not a
// decimal number from 1 to 4294967295 (leading zeros are not allowed, so that
// each handle has one name) or the caption is empty.
std::optional<SocketName> parseSocketFileName(std::string_view fileName);

struct SocketEntry {
    std::string path;
    std::string caption;
    WindowHandle handle = 0;
    std::int64_t mtimeNs = 0;  // when the socket was created (bound)
};

// Every socket of the folder with a well-formed name, newest first (modify
// time in nanoseconds; ties by name, so that the order is stable).
std::vector<SocketEntry> listSockets(const std::string& folder);

// How a connection attempt ended.
enum class ConnectResult { Connected, Busy, Dead, Unreachable };

// Connect a non-blocking, close-on-exec stream socket to path. Connected: fd
// holds it. Busy: the window lives but takes no connection now (its queue of
// connections is full). Dead: the socket file is there but nobody listens (its
// owner died). Unreachable: anything else (no such file, out of descriptors).
ConnectResult connectSocket(const std::string& path, int& fd);

// Create a non-blocking, close-on-exec socket listening at path (which must
// not exist yet). -1 on failure, with the reason in error.
int listenSocket(const std::string& path, std::string* error = nullptr);

}  // namespace qb::messages
