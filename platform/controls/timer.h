#pragma once
// The timer component of forms (CheckTimer, StartTimer, ...): while enabled,
// onTimer runs every interval ms on the event loop given at construction.
// Enabling, or changing the interval of an enabled timer, starts a new period
// from that moment. An interval of 0 stops it. Safe to change from its own
// onTimer.

#include <functional>
#include <string>

#include "platform/core/event_loop.h"

namespace qb {

class Timer {
public:
    explicit Timer(EventLoop& loop, std::string name = {}, int intervalMs = 1000, bool enabled = true);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    const std::string& name() const { return name_; }
    int interval() const { return interval_; }
    void setInterval(int ms);
    bool enabled() const { return enabled_; }
    void setEnabled(bool e);
    // Whether it is counting now (enabled with an interval above 0).
    bool running() const { return id_ != 0; }

    std::function<void()> onTimer;

private:
    void restart();
    EventLoop& loop_;
    std::string name_;
    int interval_;
    bool enabled_;
    EventLoop::TimerId id_ = 0;
};

}  // namespace qb
