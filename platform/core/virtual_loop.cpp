#include "platform/core/virtual_loop.h"

#include <algorithm>
#include <vector>

namespace qb {

VirtualLoop::VirtualLoop(double start, int stepMs) : start_(start), stepMs_(std::max(1, stepMs)) {}

double VirtualLoop::now() const {
    return start_ + wallOffsetDays_ + static_cast<double>(nowMs_) / 86400000.0;
}

EventLoop::TimerId VirtualLoop::startTimer(int intervalMs, Callback fn) {
    const TimerId id = nextTimer_++;
    const int interval = std::max(1, intervalMs);
    timers_[id] = Timer{interval, nowMs_ + interval, std::move(fn)};
    return id;
}

void VirtualLoop::stopTimer(TimerId id) { timers_.erase(id); }

void VirtualLoop::post(Callback fn) { posted_.push_back(std::move(fn)); }

void VirtualLoop::runPosted() {
    // Work posted while running is run too, in order, before returning.
    while (!posted_.empty()) {
        Callback fn = std::move(posted_.front());
        posted_.pop_front();
        if (fn) fn();
    }
}

void VirtualLoop::runDueTimers() {
    for (;;) {
        // The earliest due timer; ties go to the one started first (lower id).
        TimerId best = 0;
        std::int64_t bestDue = 0;
        for (const auto& [id, t] : timers_) {
            if (t.due <= nowMs_ && (best == 0 || t.due < bestDue)) {
                best = id;
                bestDue = t.due;
            }
        }
        if (best == 0) return;
        Timer& t = timers_.at(best);
        t.due += t.interval;
        Callback fn = t.fn;  // the handler may stop or restart its own timer
        fn();
        runPosted();
    }
}

void VirtualLoop::processPending() {
    runPosted();
    runDueTimers();
}

void VirtualLoop::moveClock(std::int64_t toMs) {
    const std::int64_t from = nowMs_;
    nowMs_ = toMs;
    std::vector<Ticker> ticks;
    ticks.reserve(tickers_.size());
    for (auto& [id, t] : tickers_) ticks.push_back(t);
    for (auto& t : ticks) t(from, toMs);
}

void VirtualLoop::pause(int ms) {
    // The user-interface thread is blocked: time (and the audio) goes on,
    // nothing of the loop runs.
    std::int64_t end = nowMs_ + std::max(0, ms);
    while (nowMs_ < end) moveClock(std::min(end, nowMs_ + stepMs_));
}

void VirtualLoop::quit(int exitCode) {
    if (!exitCode_) exitCode_ = exitCode;
}

void VirtualLoop::advance(std::int64_t ms) {
    const std::int64_t end = nowMs_ + std::max<std::int64_t>(0, ms);
    processPending();
    while (nowMs_ < end) {
        std::int64_t next = std::min(end, nowMs_ + stepMs_);
        for (const auto& [id, t] : timers_) next = std::min(next, std::max(t.due, nowMs_ + 1));
        moveClock(next);
        processPending();
    }
}

bool VirtualLoop::runUntil(const std::function<bool()>& pred, std::int64_t maxMs) {
    const std::int64_t end = nowMs_ + maxMs;
    processPending();
    while (!pred()) {
        if (nowMs_ >= end) return false;
        advance(std::min<std::int64_t>(stepMs_, end - nowMs_));
    }
    return true;
}

void VirtualLoop::setNow(double dateTime) {
    wallOffsetDays_ = dateTime - start_ - static_cast<double>(nowMs_) / 86400000.0;
}

int VirtualLoop::addTicker(Ticker t) {
    const int id = nextTicker_++;
    tickers_[id] = std::move(t);
    return id;
}

void VirtualLoop::removeTicker(int id) { tickers_.erase(id); }

}  // namespace qb
