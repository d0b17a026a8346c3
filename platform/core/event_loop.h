#pragma once
// The event loop and clock every program runs on.
//
// Each program has one user-interface thread. Timers, posted work, "now" and
// "let pending messages run" all go through one EventLoop. The programs use the
// Qt implementation (platform/qt/qt_event_loop.h); tests use VirtualLoop
// (virtual_loop.h), which advances time in steps so that minutes of playback
// run in milliseconds and every run gives the same result.

#include <cstdint>
#include <functional>

namespace qb {

class EventLoop {
public:
    using Callback = std::function<void()>;
    using TimerId = std::uint64_t;  // 0 is never a valid timer

    virtual ~EventLoop() = default;

    // Local wall-clock time as a date-time double: days since 30 Dec 1899,
    // the time of day as the fraction.
    virtual double now() const = 0;

    // Monotonic milliseconds since an arbitrary start.
    virtual std::int64_t monotonicMs() const = 0;

    // A periodic timer: fn runs every intervalMs until stopTimer. Timers that
    // fall due at the same moment run in the order they were started.
    virtual TimerId startTimer(int intervalMs, Callback fn) = 0;
    virtual void stopTimer(TimerId id) = 0;

    // Queue fn to run on this loop after the current handler has returned.
    // Posted work runs in the order it was posted.
    virtual void post(Callback fn) = 0;

    // Let pending messages run: posted work and timers that are due now.
    virtual void processPending() = 0;

    // Block the user-interface thread for ms (nothing else runs meanwhile;
    // audio keeps playing on its own thread).
    virtual void pause(int ms) = 0;

    // Ask the program to end with the given exit code once the current
    // handler returns.
    virtual void quit(int exitCode) = 0;
};

// Runs fn once after ms: a timer that stops itself before calling fn.
EventLoop::TimerId singleShot(EventLoop& loop, int ms, EventLoop::Callback fn);

}  // namespace qb
