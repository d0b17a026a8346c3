#include "platform/messages/local_message_bus.h"

#include "platform/core/event_loop.h"
#include "platform/messages/wire_frame.h"

namespace qb {

LocalMessageBus::LocalMessageBus(EventLoop& loop) : loop_(loop) {}

WindowHandle LocalMessageBus::registerWindow(const std::string& caption, Handler handler) {
    const WindowHandle h = next_++;
    windows_[h] = Window{caption, std::make_shared<Handler>(std::move(handler))};
    return h;
}

void LocalMessageBus::unregisterWindow(WindowHandle window) { windows_.erase(window); }

WindowHandle LocalMessageBus::findWindow(const std::string& caption) {
    // Handles grow, so the last match is the newest window.
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it)
        if (it->second.caption == caption) return it->first;
    return 0;
}

bool LocalMessageBus::postMessage(WindowHandle to, std::uint32_t wParam, std::int32_t lParam) {
    if (!windows_.count(to)) return false;
    WindowMessage msg;
    msg.kind = MessageKind::PlayerCmd;
    msg.wParam = wParam;
    msg.lParam = lParam;
    loop_.post([this, to, msg] {
        // A window closed meanwhile takes nothing more.
        auto w = windows_.find(to);
        if (w == windows_.end()) return;
        const std::shared_ptr<Handler> handler = w->second.handler;
        (*handler)(msg);
    });
    return true;
}

std::int32_t LocalMessageBus::sendMessage(WindowHandle to, std::uint32_t wParam, std::int32_t lParam) {
    auto w = windows_.find(to);
    if (w == windows_.end()) return 0;
    WindowMessage msg;
    msg.kind = MessageKind::PlayerCmd;
    msg.wParam = wParam;
    msg.lParam = lParam;
    msg.synchronous = true;
    const std::shared_ptr<Handler> handler = w->second.handler;
    return (*handler)(msg);
}

bool LocalMessageBus::sendCopyData(WindowHandle to, WindowHandle from, std::string_view text) {
    auto w = windows_.find(to);
    if (w == windows_.end()) return false;
    WindowMessage msg;
    msg.kind = MessageKind::CopyData;
    msg.wParam = from;
    msg.text = messages::copyDataText(text);
    msg.synchronous = true;
    const std::shared_ptr<Handler> handler = w->second.handler;
    (*handler)(msg);
    return true;
}

}  // namespace qb
