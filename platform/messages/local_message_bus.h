#pragma once
// Window messages inside one process: several programs' forms in one test,
// all on one event loop. Posts run through EventLoop::post of that loop (so a
// VirtualLoop delivers them when the test lets it), sends call the handler at
// once and return its result, copy data is cut like the socket transport cuts
// it. Handles count up from 1; the newest window of a caption is the one
// registered last.

#include "platform/messages/message_bus.h"

#include <map>
#include <memory>

namespace qb {

class EventLoop;

class LocalMessageBus final : public MessageBus {
public:
    explicit LocalMessageBus(EventLoop& loop);

    WindowHandle registerWindow(const std::string& caption, Handler handler) override;
    void unregisterWindow(WindowHandle window) override;
    WindowHandle findWindow(const std::string& caption) override;
    bool postMessage(WindowHandle to, std::uint32_t wParam, std::int32_t lParam) override;
    std::int32_t sendMessage(WindowHandle to, std::uint32_t wParam, std::int32_t lParam) override;
    bool sendCopyData(WindowHandle to, WindowHandle from, std::string_view text) override;

private:
    struct Window {
        std::string caption;
        std::shared_ptr<Handler> handler;
    };
    EventLoop& loop_;
    std::map<WindowHandle, Window> windows_;
    WindowHandle next_ = 1;
};

}  // namespace qb
