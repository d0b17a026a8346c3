#pragma once
// The event loop of tests: virtual time that moves only when the test says so.
//
// advance(ms) moves the clock forward in steps of at most stepMs. At every
// step the tickers run first (the virtual audio device consumes exactly the
// samples of that step there), then posted work, then the timers that have
// fallen due, in order of due time and, at equal times, of their start order.

#include "platform/core/event_loop.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>

namespace qb {

class VirtualLoop : public EventLoop {
public:
    // A ticker is told the virtual time before and after each step (ms).
    using Ticker = std::function<void(std::int64_t fromMs, std::int64_t toMs)>;

    // start: the date-time at virtual millisecond 0 (default 11 Dec 2026 20:00).
    explicit VirtualLoop(double start = 46367.0 + 20.0 / 24.0, int stepMs = 10);

    double now() const override;
    std::int64_t monotonicMs() const override { return nowMs_; }
    TimerId startTimer(int intervalMs, Callback fn) override;
    void stopTimer(TimerId id) override;
    void post(Callback fn) override;
    void processPending() override;
    void pause(int ms) override;
    void quit(int exitCode) override;

    // Run for ms of virtual time.
    void advance(std::int64_t ms);
    // Run posted work and due timers without moving the clock.
    void runUntilIdle() { processPending(); }
    // Advance until pred() holds or maxMs have passed; true when it held.
    bool runUntil(const std::function<bool()>& pred, std::int64_t maxMs);

    // Move the wall clock (not the monotonic one), e.g. to just before midnight.
    void setNow(double dateTime);

    int addTicker(Ticker t);
    void removeTicker(int id);

    bool quitRequested() const { return exitCode_.has_value(); }
    int exitCode() const { return exitCode_.value_or(0); }
    bool timerActive(TimerId id) const { return timers_.count(id) != 0; }

private:
    struct Timer {
        int interval;
        std::int64_t due;
        Callback fn;
    };
    void moveClock(std::int64_t toMs);
    void runPosted();
    void runDueTimers();

    double start_;
    int stepMs_;
    std::int64_t nowMs_ = 0;
    double wallOffsetDays_ = 0;
    TimerId nextTimer_ = 1;
    std::map<TimerId, Timer> timers_;
    std::deque<Callback> posted_;
    std::map<int, Ticker> tickers_;
    int nextTicker_ = 1;
    std::optional<int> exitCode_;
};

}  // namespace qb
