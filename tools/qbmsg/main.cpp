// qbmsg: talk to the running programs of the suite from the command line.
#include "platform/messages/socket_message_bus.h"
#include "shared/protocol/code_names.h"
#include "shared/protocol/midi.h"
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
    "       qbmsg post <caption> midi <status> <data1> <data2> [lParam]\n"
    "       qbmsg send <caption> <code> [lParam]     prints the receiver's answer\n"
    "       qbmsg copydata <caption> <text>\n"
    "       qbmsg listen <caption>                   prints each message until stopped\n"
    "       qbmsg names                              lists the code names of each caption\n"
    "\n"
    "  <caption>  a window caption, e.g. Orvelia, \"Info Orvelia\", Preview, Singalo, Kinolux\n"
    "  <code>     the command code (wParam), 0..4294967295, or its name for that caption\n"
    "             (qbmsg names), e.g. qbmsg post Preview stop\n"
    "  midi       wParam = status + 256 * data1 + 65536 * data2, each 0..255,\n"
    "             e.g. qbmsg post Orvelia midi 145 100 1\n"
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

int names() {
    std::string last;
    for (const auto& c : qb::protocol::codeNames()) {
        if (last != c.caption) std::printf("%s%s:\n", last.empty() ? "" : "\n", c.caption);
        last = c.caption;
        std::printf("  %-15s %5u  %s\n", c.name, c.code, c.meaning);
    }
    return kDone;
}

// wParam and lParam from the words after the caption: "<code> [lParam]" or
// "midi <status> <data1> <data2> [lParam]".
bool readParams(const std::string& caption, const std::vector<std::string>& words, std::uint32_t& w,
                std::int32_t& l) {
    std::size_t next = 1;
    if (words.empty()) return false;
    if (words[0] == "midi") {
        if (words.size() < 4) return false;
        const auto status = number(words[1], 0, 255), d1 = number(words[2], 0, 255), d2 = number(words[3], 0, 255);
        if (!status || !d1 || !d2) return false;
        w = qb::protocol::packMidi(static_cast<std::uint8_t>(*status), static_cast<std::uint8_t>(*d1),
                                   static_cast<std::uint8_t>(*d2));
        next = 4;
    } else if (const auto code = number(words[0], 0, 4294967295LL)) {
        w = static_cast<std::uint32_t>(*code);
    } else if (const auto named = qb::protocol::codeByName(caption, words[0])) {
        w = *named;
    } else {
        return false;
    }
    if (words.size() > next + 1) return false;
    const auto lParam = words.size() == next + 1 ? number(words[next], -2147483648LL, 2147483647LL)
                                                 : std::optional<long long>(0);
    if (!lParam) return false;
    l = static_cast<std::int32_t>(*lParam);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && args[0] == "names") return names();
    if (args.size() < 2) return usage();
    const std::string& verb = args[0];
    const std::string& caption = args[1];
    if (verb == "listen") return args.size() == 2 ? qb::qbmsg::listen(caption) : usage();

    std::uint32_t w = 0;
    std::int32_t l = 0;
    if (verb == "copydata") {
        if (args.size() != 3) return usage();
    } else if (verb != "post" && verb != "send") {
        return usage();
    } else if (!readParams(caption, std::vector<std::string>(args.begin() + 2, args.end()), w, l)) {
        return usage();
    }

    QCoreApplication app(argc, argv);
    qb::SocketMessageBus bus;
    const qb::WindowHandle to = bus.findWindow(caption);
    if (to == 0) return kNoWindow;
    if (verb == "copydata") return bus.sendCopyData(to, 0, args[2]) ? kDone : kNoWindow;
    if (verb == "post") return bus.postMessage(to, w, l) ? kDone : kNoWindow;
    std::printf("%d\n", bus.sendMessage(to, w, l));
    return kDone;
}
