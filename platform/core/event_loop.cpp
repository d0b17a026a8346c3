#include "platform/core/event_loop.h"

#include <memory>

namespace qb {

EventLoop::TimerId singleShot(EventLoop& loop, int ms, EventLoop::Callback fn) {
    auto id = std::make_shared<EventLoop::TimerId>(0);
    *id = loop.startTimer(ms, [&loop, id, fn = std::move(fn)]() {
        loop.stopTimer(*id);
        fn();
    });
    return *id;
}

}  // namespace qb
