#include "tonello/library/title_item.h"

#include <cstdio>

#include "platform/core/text.h"

namespace qb {

namespace {

constexpr std::uint32_t kMaxItemRecord = 99'999'999;

// s cut or blank-padded to exactly n characters.
std::string fitColumns(std::string_view s, std::size_t n) {
    std::string out(text::leftChars(s, n));
    const std::size_t have = text::charCount(out);
    if (have < n) out.append(n - have, ' ');
    return out;
}

// Byte offset of the character that starts column `column` (1-based); the
// size of the item when it has fewer characters.
std::size_t columnOffset(std::string_view item, std::size_t column) {
    return text::leftChars(item, column - 1).size();
}

}  // namespace

std::string titleDisplayText(std::string_view first, std::string_view second, std::string_view genre) {
    std::string out;
    out.reserve(first.size() + second.size() + genre.size() + 6);
    out.append(first).append(" - ").append(second).append(" / ").append(genre);
    return out;
}

std::string buildTitleItem(std::string_view prefix, std::string_view displayText, std::uint32_t record, int page,
                           std::string_view path) {
    if (page < 0 || page > 99 || record > kMaxItemRecord) return {};
    std::string item = fitColumns(prefix, kItemPrefixColumns);
    item += fitColumns(text::leftChars(displayText, kItemMaxDisplayChars), kItemDisplayEndColumn - kItemPrefixColumns);
    char address[16];
    std::snprintf(address, sizeof address, "%8u%02d", static_cast<unsigned>(record), page);
    item += address;
    item += path;
    return item;
}

std::string buildDownloadItem(std::string_view path) {
    std::string item = "DL    ";
    item += path;
    return item;
}

bool isDownloadItem(std::string_view item) { return item.substr(0, 2) == "DL"; }

std::optional<TitleAddress> titleItemAddress(std::string_view item) {
    if (isDownloadItem(item) || text::charCount(text::leftChars(item, kItemAddressEndColumn)) < kItemAddressEndColumn)
        return std::nullopt;
    // Columns 121..130 follow 120 characters; they are ASCII in a well-formed
    // item, so bytes and columns agree from here on.
    const std::string_view address = item.substr(columnOffset(item, kItemDisplayEndColumn + 1), 10);
    std::size_t i = 0;
    while (i < 8 && address[i] == ' ') ++i;
    if (i == 8) return std::nullopt;
    std::uint32_t record = 0;
    for (; i < 8; ++i) {
        if (address[i] < '0' || address[i] > '9') return std::nullopt;
        record = record * 10 + static_cast<std::uint32_t>(address[i] - '0');
    }
    if (address[8] < '0' || address[8] > '9' || address[9] < '0' || address[9] > '9') return std::nullopt;
    return TitleAddress{record, (address[8] - '0') * 10 + (address[9] - '0')};
}

std::string_view titleItemPath(std::string_view item) {
    if (isDownloadItem(item)) return item.substr(columnOffset(item, kItemPrefixColumns + 1));
    return item.substr(columnOffset(item, kItemAddressEndColumn + 1));
}

std::string_view titleItemWithoutPath(std::string_view item) {
    return text::leftChars(item, kItemAddressEndColumn);
}

void setTitleItemPrefix(std::string& item, std::string_view prefix) {
    item.replace(0, columnOffset(item, kItemPrefixColumns + 1), fitColumns(prefix, kItemPrefixColumns));
}

}  // namespace qb
