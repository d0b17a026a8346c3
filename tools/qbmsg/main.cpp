// qbmsg: talk to the running programs of the suite from the command line.
#include "platform/messages/socket_message_bus.h"
#include "tools/qbmsg/listen.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int kDone = 0;
constexpr int kNoWindow = 1;
constexpr int kUsage = 2;

const char* const kUsageText =
    "Usage: qbmsg post <caption> <code> [lParam]\n"
    "       qbmsg send <caption> <code> [lParam]     prints the receiver's answer\n"
    "       qbmsg copydata <caption> <text>\n"
    "       qbmsg listen <caption>                   prints each message until stopped\n"
    "\n"
    "  <caption>  a window caption, e.g. Orvelia, \"Info Orvelia\", Preview, Singalo, Kinolux\n"
    "  <code>     the command code (wParam), 0..4294967295\n"
    "  [lParam]   the argument, -2147483648..2147483647, default 0\n"
    "\n"
    "Exit codes: 0 done, 1 no window with that caption, 2 wrong arguments.\n";

int usage() {
    std::fputs(kUsageText, stderr);
    return kUsage;
}

std::optional<long long> number(const std::string& s, long long lo, long long hi) {
    if (s.empty()) return std::nullopt;
    errno = 0;
    char* end = nullptr;
    const long long v = std::strtoll(s.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || v < lo || v > hi) return std::nullopt;
    return v;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() < 2) return usage();
    const std::string& verb = args[0];
    const std::string& caption = args[1];
    if (verb == "listen") return args.size() == 2 ? qb::qbmsg::listen(caption) : usage();

    QCoreApplication app(argc, argv);
    qb::SocketMessageBus bus;
    if (verb == "copydata") {
        if (args.size() != 3) return usage();
        const qb::WindowHandle to = bus.findWindow(caption);
        return to != 0 && bus.sendCopyData(to, 0, args[2]) ? kDone : kNoWindow;
    }
    if (verb != "post" && verb != "send") return usage();
    if (args.size() < 3 || args.size() > 4) return usage();
    const auto code = number(args[2], 0, 4294967295LL);
    const auto lParam = args.size() == 4 ? number(args[3], -2147483648LL, 2147483647LL) : std::optional<long long>(0);
    if (!code || !lParam) return usage();
    const qb::WindowHandle to = bus.findWindow(caption);
    if (to == 0) return kNoWindow;
    const auto w = static_cast<std::uint32_t>(*code);
    const auto l = static_cast<std::int32_t>(*lParam);
    if (verb == "post") return bus.postMessage(to, w, l) ? kDone : kNoWindow;
    std::printf("%d\n", bus.sendMessage(to, w, l));
    return kDone;
}
