#include "shared/protocol/kinolux_args.h"

#include <filesystem>
#include <string_view>

namespace qb::protocol {

namespace {

bool existingFile(const std::string& path) {
    std::error_code ec;
    const auto st = std::filesystem::status(path, ec);
    return !ec && std::filesystem::exists(st) && !std::filesystem::is_directory(st);
}

// A decimal number of at most 8 digits, with a sign only when signAllowed.
std::optional<int> decimal(std::string_view s, bool signAllowed) {
    bool negative = false;
    if (signAllowed && !s.empty() && (s[0] == '-' || s[0] == '+')) {
        negative = s[0] == '-';
        s.remove_prefix(1);
    }
    if (s.empty()) return std::nullopt;
    int v = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return negative ? -v : v;
}

std::string upperAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

}  // namespace

KinoluxArgs parseKinoluxArgs(const std::vector<std::string>& args,
                             const std::function<bool(const std::string&)>& isFile) {
    KinoluxArgs r;
    for (const std::string& arg : args) {
        if (isFile ? isFile(arg) : existingFile(arg)) {
            r.mediaFile = arg;
            continue;
        }
        const std::string head = upperAscii(std::string_view(arg).substr(0, 3));
        const std::string_view rest = arg.size() > 3 ? std::string_view(arg).substr(3) : std::string_view();
        if (head == "/B=") {
            if (auto v = decimal(rest.substr(0, 4), false); v && *v > 0) r.width = *v;
        } else if (head == "/H=") {
            if (auto v = decimal(rest.substr(0, 4), false); v && *v > 0) r.height = *v;
        } else if (head == "/I=") {
            if (auto v = decimal(rest.substr(0, 8), true)) r.startMs = *v;
        } else if (head == "/L=") {
            if (auto v = decimal(rest.substr(0, 3), false)) r.volume = *v > 127 ? 127 : *v;
        } else if (upperAscii(arg) == "/P") {
            r.startPaused = true;
        }
    }
    return r;
}

}  // namespace qb::protocol
