#pragma once
// Window messages between processes over Unix stream sockets.
//
// Each registered window listens at "<caption>.<handle>" in the socket folder
// (socket_folder.h). Incoming frames are read by socket notifiers of the Qt
// event loop of the thread that made the bus and handed to the window's
// handler there, one at a time in arrival order; a synchronous frame is
// answered once the handler has returned.
//
// A sender keeps one connection per receiver, so that everything it sends to
// one window arrives in the order sent (a copy data send therefore reaches the
// receiver before the post that follows it). Posting never blocks: what the
// socket does not take at once is kept and written from the event loop; a
// frame reaches the receiver whole or not at all. When the bus is destroyed,
// kept frames are still written, waiting at most exitFlushMs.
//
// Messages a program sends to one of its own windows do not go through a
// socket: posts are queued into its own event loop, sends call the handler.

#include "platform/messages/message_bus.h"

#include <cstddef>
#include <memory>
#include <string>

namespace qb {

class SocketMessageBus final : public MessageBus {
public:
    struct Options {
        std::string folder;             // empty: messages::defaultSocketFolder()
        int sendTimeoutMs = 5000;       // a send to a stuck window gives up after this
        int exitFlushMs = 2000;         // longest wait for kept posts when the bus ends
        std::size_t maxPendingBytes = 16u << 20;  // per receiver; further posts fail
    };

    SocketMessageBus();
    explicit SocketMessageBus(Options options);
    ~SocketMessageBus() override;
    SocketMessageBus(const SocketMessageBus&) = delete;
    SocketMessageBus& operator=(const SocketMessageBus&) = delete;

    // Returns 0 when the socket folder is unusable (the reason is printed as
    // a warning) or the socket cannot be made.
    WindowHandle registerWindow(const std::string& caption, Handler handler) override;
    void unregisterWindow(WindowHandle window) override;
    WindowHandle findWindow(const std::string& caption) override;
    bool postMessage(WindowHandle to, std::uint32_t wParam, std::int32_t lParam) override;
    std::int32_t sendMessage(WindowHandle to, std::uint32_t wParam, std::int32_t lParam) override;
    bool sendCopyData(WindowHandle to, WindowHandle from, std::string_view text) override;

    // Bytes of posted frames that no receiver has taken yet.
    std::size_t pendingBytes() const;
    // Write kept frames, waiting at most ms; true when nothing is left.
    bool flush(int ms);
    // The folder this bus uses.
    const std::string& folder() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace qb
