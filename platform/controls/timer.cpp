#include "platform/controls/timer.h"

namespace qb {

Timer::Timer(EventLoop& loop, std::string name, int intervalMs, bool enabled)
    : loop_(loop), name_(std::move(name)), interval_(intervalMs), enabled_(enabled) {
    restart();
}

Timer::~Timer() {
    if (id_) loop_.stopTimer(id_);
}

void Timer::restart() {
    if (id_) loop_.stopTimer(id_);
    id_ = 0;
    if (enabled_ && interval_ > 0)
        id_ = loop_.startTimer(interval_, [this] {
            if (onTimer) onTimer();
        });
}

void Timer::setInterval(int ms) {
    if (ms == interval_) return;
    interval_ = ms;
    restart();
}

void Timer::setEnabled(bool e) {
    if (e == enabled_) return;
    enabled_ = e;
    restart();
}

}  // namespace qb
