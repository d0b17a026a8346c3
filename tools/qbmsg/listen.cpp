#include "tools/qbmsg/listen.h"

#include "platform/messages/socket_message_bus.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace qb::qbmsg {

namespace {

int g_signalPipe[2] = {-1, -1};

void onSignal(int) {
    const char c = 1;
    [[maybe_unused]] const ssize_t r = ::write(g_signalPipe[1], &c, 1);
}

std::string escaped(const std::string& text) {
    static const char* digits = "0123456789abcdef";
    std::string out;
    for (unsigned char c : text) {
        if (c == '\\') {
            out += "\\\\";
        } else if (c < 0x20 || c == 0x7f) {
            out += "\\x";
            out.push_back(digits[c >> 4]);
            out.push_back(digits[c & 15]);
        } else {
            out.push_back(static_cast<char>(c));
        }
    }
    return out;
}

}  // namespace

std::string describe(const WindowMessage& m) {
    if (m.kind == MessageKind::CopyData)
        return std::string(m.synchronous ? "copydata " : "copydata-post ") + std::to_string(m.wParam) + " " +
               escaped(m.text);
    return std::string(m.synchronous ? "send " : "post ") + std::to_string(m.wParam) + " " + std::to_string(m.lParam);
}

int listen(const std::string& caption) {
    int argc = 1;
    char name[] = "qbmsg";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);

    if (::pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return 1;
    QSocketNotifier stop(g_signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&stop, &QSocketNotifier::activated, &app, [&] { app.quit(); });
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);

    SocketMessageBus bus;
    const WindowHandle h = bus.registerWindow(caption, [](const WindowMessage& m) {
        const std::string line = describe(m) + "\n";
        std::fwrite(line.data(), 1, line.size(), stdout);
        std::fflush(stdout);
        return 0;
    });
    if (h == 0) {
        std::fprintf(stderr, "qbmsg: cannot register \"%s\"\n", caption.c_str());
        return 1;
    }
    std::printf("listening %u %s\n", h, caption.c_str());
    std::fflush(stdout);
    return app.exec();
}

}  // namespace qb::qbmsg
