#include "platform/qt/qt_event_loop.h"

#include <QCoreApplication>
#include <QThread>
#include <QTimer>

#include "platform/core/datetime.h"

namespace qb {

QtEventLoop::QtEventLoop() { clock_.start(); }

QtEventLoop::~QtEventLoop() {
    for (auto& [id, t] : timers_) delete t;
}

double QtEventLoop::now() const { return systemNow(); }

std::int64_t QtEventLoop::monotonicMs() const { return clock_.elapsed(); }

EventLoop::TimerId QtEventLoop::startTimer(int intervalMs, Callback fn) {
    const TimerId id = nextId_++;
    auto* t = new QTimer(&context_);
    t->setTimerType(Qt::PreciseTimer);
    t->setInterval(std::max(1, intervalMs));
    QObject::connect(t, &QTimer::timeout, &context_, [fn = std::move(fn)] { fn(); });
    timers_[id] = t;
    t->start();
    return id;
}

void QtEventLoop::stopTimer(TimerId id) {
    auto it = timers_.find(id);
    if (it == timers_.end()) return;
    // The timer may be the one whose handler runs now: stop it at once, delete later.
    it->second->stop();
    it->second->deleteLater();
    timers_.erase(it);
}

void QtEventLoop::post(Callback fn) {
    QMetaObject::invokeMethod(&context_, [fn = std::move(fn)] { fn(); }, Qt::QueuedConnection);
}

void QtEventLoop::processPending() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void QtEventLoop::pause(int ms) {
    if (ms > 0) QThread::msleep(static_cast<unsigned long>(ms));
}

void QtEventLoop::quit(int exitCode) {
    if (!quitRequested_) {
        quitRequested_ = true;
        exitCode_ = exitCode;
    }
    // Only a running loop is told: exit() without one would leave Qt's "quit
    // now" mark set, and the next dialog would return at once.
    if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::exit(exitCode_);
}

int QtEventLoop::exec() {
    if (quitRequested_) return exitCode_;
    const int r = QCoreApplication::exec();
    return quitRequested_ ? exitCode_ : r;
}

}  // namespace qb
