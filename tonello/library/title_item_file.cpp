#include "tonello/library/title_item_file.h"

#include "platform/core/text.h"

namespace qb {

bool readTitleItemFile(const std::string& path, std::vector<std::string>& items) {
    std::string content;
    if (!text::readFile(path, content)) return false;
    items = text::splitLines(content);
    return true;
}

bool writeTitleItemFile(const std::string& path, const std::vector<std::string>& items) {
    return text::writeCrLfLines(path, items);
}

}  // namespace qb
