#include "shared/protocol/companion_file.h"

#include "platform/core/text.h"

#include <charconv>

namespace qb::protocol {

namespace {

std::optional<int> decimal(std::string_view s) {
    if (!s.empty() && s[0] == '+') s.remove_prefix(1);  // "+12" and "-12" as well as "12"
    int v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
    return v;
}

}  // namespace

std::string companionPath(const std::string& musicPath) {
    const auto slash = musicPath.rfind('/');
    const auto dot = musicPath.rfind('.');
    const bool hasExt = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (hasExt ? musicPath.substr(0, dot) : musicPath) + ".ini";
}

std::optional<CompanionFile> readCompanionFile(const std::string& musicPath) {
    std::string content;
    if (!text::readFile(companionPath(musicPath), content)) return std::nullopt;
    CompanionFile f;
    for (const std::string& line : text::splitLines(content)) {
        const std::string_view l(line);
        if (l.substr(0, 6) == "Video=") {
            f.videos.emplace_back(l.substr(6));
        } else if (l.substr(0, 6) == "Intro=") {
            if (auto v = decimal(l.substr(6))) f.introMs = *v;
        }
    }
    return f;
}

int announcedStartOffset(const CompanionFile& file, int titleStartMs) {
    return file.introMs ? *file.introMs + titleStartMs : 0;
}

}  // namespace qb::protocol
