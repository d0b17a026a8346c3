#include "tonello/library/list_file_names.h"

#include <algorithm>
#include <filesystem>
#include <functional>

#include "platform/core/text.h"

namespace qb {

namespace {

constexpr std::string_view kPrefix = "Dateiliste";
constexpr std::string_view kExtension = ".dat";

bool endsWithDat(std::string_view name) {
    return name.size() >= kExtension.size() && name.substr(name.size() - kExtension.size()) == kExtension;
}

std::vector<std::string> enumerate(const std::string& folder, const std::function<bool(std::string_view)>& match) {
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(folder, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        std::error_code typeEc;
        if (!it->is_regular_file(typeEc)) continue;
        std::string name = it->path().filename().string();
        if (match(name)) names.push_back(std::move(name));
    }
    sortListFileNames(names);
    if (names.size() > kMaxListFiles) names.resize(kMaxListFiles);
    return names;
}

}  // namespace

std::string listFileName(std::string_view listName) {
    return std::string(kPrefix) + std::string(listName) + std::string(kExtension);
}

std::string listBackupFileName(std::string_view listName) {
    return std::string(kPrefix) + std::string(listName) + ".~dat";
}

bool isListFileName(std::string_view fileName) {
    return fileName.size() >= kPrefix.size() + kExtension.size() && fileName.substr(0, kPrefix.size()) == kPrefix &&
           endsWithDat(fileName);
}

void sortListFileNames(std::vector<std::string>& names) {
    // Sort keys are computed once per name rather than once per comparison.
    std::vector<std::pair<std::string, std::string>> keyed;
    keyed.reserve(names.size());
    for (auto& n : names) keyed.emplace_back(text::upperLatin(n), std::move(n));
    std::sort(keyed.begin(), keyed.end());
    names.clear();
    for (auto& k : keyed) names.push_back(std::move(k.second));
}

std::vector<std::string> enumerateListFiles(const std::string& dataFolder) {
    return enumerate(dataFolder, isListFileName);
}

std::vector<std::string> enumerateDatFiles(const std::string& dataFolder) {
    return enumerate(dataFolder, endsWithDat);
}

}  // namespace qb
