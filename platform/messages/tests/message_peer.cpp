// The far side of the socket tests, a separate process with its own Qt loop.
//
//   qb_message_peer listen <caption> [sleep-ms]
//     Registers <caption>, prints "READY <handle>", then one line per message:
//     "<kind> <sync> <wParam> <lParam> <text as hex or ->". Sends are answered
//     with 3 * lParam + 1, copy data with the text's length. wParam 4294967295
//     ends the program after its answer. Every handler first sleeps sleep-ms.
//
//   qb_message_peer post <caption> <count>
//     Posts wParam 100000 + i, lParam i for i = 0 .. count-1, then code 3,
//     prints "POSTED <bytes still kept>" and ends at once (the bus writes the
//     kept frames on its way out). Exit code 1 when the caption is not found.
#include "platform/messages/socket_message_bus.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

void printLine(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

std::string hex(const std::string& s) {
    if (s.empty()) return "-";
    static const char* digits = "0123456789abcdef";
    std::string out;
    for (unsigned char c : s) {
        out.push_back(digits[c >> 4]);
        out.push_back(digits[c & 15]);
    }
    return out;
}

int listen(QCoreApplication& app, const std::string& caption, int sleepMs) {
    qb::SocketMessageBus bus;
    const qb::WindowHandle h = bus.registerWindow(caption, [&](const qb::WindowMessage& m) {
        if (sleepMs > 0) ::usleep(static_cast<useconds_t>(sleepMs) * 1000);
        printLine(std::to_string(static_cast<unsigned>(m.kind)) + " " + (m.synchronous ? "1" : "0") + " " +
                  std::to_string(m.wParam) + " " + std::to_string(m.lParam) + " " + hex(m.text));
        if (m.wParam == 0xFFFFFFFFu) QTimer::singleShot(0, &app, [&] { app.quit(); });
        if (m.kind == qb::MessageKind::CopyData) return static_cast<std::int32_t>(m.text.size());
        return 3 * m.lParam + 1;
    });
    if (h == 0) return 2;
    printLine("READY " + std::to_string(h));
    return app.exec();
}

int post(const std::string& caption, int count) {
    qb::SocketMessageBus bus;
    const qb::WindowHandle to = bus.findWindow(caption);
    if (to == 0) return 1;
    for (int i = 0; i < count; ++i) bus.postMessage(to, 100000u + static_cast<unsigned>(i), i);
    bus.postMessage(to, 3, 0);
    printLine("POSTED " + std::to_string(bus.pendingBytes()));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "listen" && argc >= 3) return listen(app, argv[2], argc > 3 ? std::atoi(argv[3]) : 0);
    if (mode == "post" && argc >= 4) return post(argv[2], std::atoi(argv[3]));
    std::fprintf(stderr, "usage: qb_message_peer listen <caption> [sleep-ms] | post <caption> <count>\n");
    return 2;
}
