// Round trips of window messages between two processes over the socket
// transport. The program starts a copy of itself as the echo window, then
// measures, over 10,000 messages each:
//   send       a synchronous message and its answer
//   post+echo  find + post, and the echo the other side posts back
//   post only  find + post as a sender sees it (it never waits)
// and prints median and 99th percentile in microseconds.
#include "platform/messages/socket_message_bus.h"

#include <QCoreApplication>
#include <QProcess>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kCount = 10000;

double micros(Clock::duration d) { return std::chrono::duration<double, std::micro>(d).count(); }

void report(const char* what, std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const double median = v[v.size() / 2];
    const double p99 = v[std::min(v.size() - 1, v.size() * 99 / 100)];
    std::printf("%-10s n=%zu  median %8.1f us  p99 %8.1f us  max %8.1f us\n", what, v.size(), median, p99, v.back());
}

int echo(QCoreApplication& app) {
    qb::SocketMessageBus bus;
    const auto h = bus.registerWindow("BenchEcho", [&](const qb::WindowMessage& m) {
        if (m.wParam == 2) app.quit();
        if (!m.synchronous && m.wParam == 1) bus.postMessage(bus.findWindow("BenchReply"), 1, m.lParam);
        return m.lParam;
    });
    return h == 0 ? 1 : app.exec();
}

int measure(QCoreApplication& app) {
    qb::SocketMessageBus bus;
    int echoed = -1;
    if (bus.registerWindow("BenchReply", [&](const qb::WindowMessage& m) {
            echoed = m.lParam;
            return 0;
        }) == 0)
        return 1;
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(QCoreApplication::applicationFilePath(), {"--echo"});
    qb::WindowHandle to = 0;
    for (int i = 0; i < 500 && to == 0; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        to = bus.findWindow("BenchEcho");
    }
    if (to == 0) {
        std::fprintf(stderr, "echo window did not come up\n");
        return 1;
    }

    std::vector<double> send, roundTrip, postOnly;
    for (int i = 0; i < kCount; ++i) {
        const auto t0 = Clock::now();
        const int r = bus.sendMessage(to, 0, i);
        send.push_back(micros(Clock::now() - t0));
        if (r != i) std::fprintf(stderr, "wrong answer %d for %d\n", r, i);
    }
    for (int i = 0; i < kCount; ++i) {
        const auto t0 = Clock::now();
        bus.postMessage(bus.findWindow("BenchEcho"), 1, i);
        const auto t1 = Clock::now();
        while (echoed != i) QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        roundTrip.push_back(micros(Clock::now() - t0));
        postOnly.push_back(micros(t1 - t0));
    }
    report("send", send);
    report("post+echo", roundTrip);
    report("post only", postOnly);
    bus.postMessage(to, 2, 0);
    bus.flush(1000);
    child.waitForFinished(5000);
    (void)app;
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "--echo") == 0) return echo(app);
    return measure(app);
}
