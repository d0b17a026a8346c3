#pragma once
// The event loop of the programs: Qt's own loop on the user-interface thread.

#include <QElapsedTimer>
#include <QObject>
#include <map>
#include <memory>

#include "platform/core/event_loop.h"

class QTimer;

namespace qb {

class QtEventLoop : public EventLoop {
public:
    QtEventLoop();
    ~QtEventLoop() override;

    double now() const override;             // the system clock, local time
    std::int64_t monotonicMs() const override;
    TimerId startTimer(int intervalMs, Callback fn) override;
    void stopTimer(TimerId id) override;
    void post(Callback fn) override;
    void processPending() override;  // QCoreApplication::processEvents
    void pause(int ms) override;     // sleeps the thread
    // Ends QCoreApplication::exec() with the code; before exec() has started,
    // exec() returns at once with it.
    void quit(int exitCode) override;

    // Runs the application's loop; returns the exit code given to quit().
    int exec();

private:
    QElapsedTimer clock_;
    QObject context_;  // owns the timers; posted work dies with the loop
    std::map<TimerId, QTimer*> timers_;
    TimerId nextId_ = 1;
    bool quitRequested_ = false;
    int exitCode_ = 0;
};

}  // namespace qb
