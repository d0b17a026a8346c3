#include "platform/controls/dialogs.h"

namespace qb {

namespace {

std::vector<std::string> split(const std::string& s, char sep) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (;;) {
        const auto p = s.find(sep, start);
        out.push_back(s.substr(start, p == std::string::npos ? std::string::npos : p - start));
        if (p == std::string::npos) return out;
        start = p + 1;
    }
}

std::string trim(const std::string& s) {
    const auto a = s.find_first_not_of(' ');
    if (a == std::string::npos) return {};
    return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

}  // namespace

std::vector<FileFilter> parseFileFilter(const std::string& filter) {
    std::vector<FileFilter> out;
    if (filter.empty()) return out;
    const auto parts = split(filter, '|');
    for (std::size_t i = 0; i < parts.size(); i += 2) {
        FileFilter f;
        f.description = parts[i];
        if (i + 1 < parts.size())
            for (const auto& p : split(parts[i + 1], ';'))
                if (!trim(p).empty()) f.patterns.push_back(trim(p));
        if (f.description.empty() && f.patterns.empty()) continue;
        out.push_back(std::move(f));
    }
    return out;
}

std::string withDefaultExt(const std::string& path, const std::string& defaultExt) {
    std::string ext = defaultExt;
    while (!ext.empty() && ext.front() == '.') ext.erase(0, 1);
    if (ext.empty() || path.empty()) return path;
    const auto slash = path.find_last_of('/');
    const std::string last = slash == std::string::npos ? path : path.substr(slash + 1);
    if (last.empty() || last.find('.') != std::string::npos) return path;
    return path + "." + ext;
}

bool OpenDialog::execute(Dialogs& d) {
    auto a = d.openFile(FileRequest{title, filter, filterIndex, initialDir, fileName, defaultExt, false});
    if (!a) return false;
    fileName = withDefaultExt(a->path, defaultExt);
    filterIndex = a->filterIndex;
    return true;
}

bool SaveDialog::execute(Dialogs& d) {
    auto a = d.saveFile(FileRequest{title, filter, filterIndex, initialDir, fileName, defaultExt, overwritePrompt});
    if (!a) return false;
    fileName = withDefaultExt(a->path, defaultExt);
    filterIndex = a->filterIndex;
    return true;
}

bool FontDialog::execute(Dialogs& d) {
    auto f = d.chooseFont(font);
    if (!f) return false;
    font = *f;
    return true;
}

bool ColorDialog::execute(Dialogs& d) {
    auto c = d.chooseColor(color);
    if (!c) return false;
    color = *c;
    return true;
}

}  // namespace qb
