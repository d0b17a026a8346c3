#pragma once
// Window messages between the programs of the suite.
//
// A window that others find by its caption registers it here while it
// exists. Senders look the caption up each time, then post a command (queued
// into the receiver's event loop, never blocking), send one (waits for the
// receiver's handler and returns its result) or send copy data (a 255-byte
// buffer holding at most 254 text bytes, cut at a whole character).
//
// Two implementations share this interface: SocketMessageBus (Unix stream
// sockets between processes) and LocalMessageBus (several programs' forms in
// one test process, delivered through one event loop).

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace qb {

using WindowHandle = std::uint32_t;  // 0 = no window; live handles are 1..1999999999

enum class MessageKind : std::uint32_t { PlayerCmd = 1, CopyData = 2 };

struct WindowMessage {
    MessageKind kind = MessageKind::PlayerCmd;
    std::uint32_t wParam = 0;  // command code or packed MIDI; for copy data the sender's handle
    std::int32_t lParam = 0;
    std::string text;          // copy data: the bytes up to the first zero of the buffer
    bool synchronous = false;  // the sender waits for the handler's result
};

class MessageBus {
public:
    using Handler = std::function<std::int32_t(const WindowMessage&)>;

    virtual ~MessageBus() = default;

    // Make a window findable by caption; the handler runs on the owner's event
    // loop for every message that reaches the window. Returns its handle.
    virtual WindowHandle registerWindow(const std::string& caption, Handler handler) = 0;
    virtual void unregisterWindow(WindowHandle window) = 0;

    // The newest live window of that exact caption; 0 when there is none.
    virtual WindowHandle findWindow(const std::string& caption) = 0;

    // Queue a WM_PLAYERCMD for the receiver; false when it is not reachable.
    virtual bool postMessage(WindowHandle to, std::uint32_t wParam, std::int32_t lParam) = 0;

    // Deliver a WM_PLAYERCMD and wait for the receiver's handler; its result,
    // or 0 when the receiver is not reachable.
    virtual std::int32_t sendMessage(WindowHandle to, std::uint32_t wParam, std::int32_t lParam) = 0;

    // WM_COPYDATA: text cut to 254 bytes at a whole character, zero-filled to
    // 255 bytes; waits until the receiver has taken it. False when unreachable.
    virtual bool sendCopyData(WindowHandle to, WindowHandle from, std::string_view text) = 0;
};

}  // namespace qb
