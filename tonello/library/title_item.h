#pragma once
// The title item: one text line of the title list and the playlist. Columns
// are 1-based and count characters (UTF-8 aware), not bytes:
//
//   1..6     six blanks, or the start time "hh:mm "
//   7..120   display text (at most 83 characters), blank-padded to column 120
//   121..128 record number, right-aligned, blank-filled
//   129..130 page number, two digits with a leading zero
//   131..    Pfad (title list only; the playlist keeps columns 1..130)
//
// Download titles have the form "DL" + four blanks + full path instead.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qb {

inline constexpr std::size_t kItemPrefixColumns = 6;
inline constexpr std::size_t kItemDisplayEndColumn = 120;
inline constexpr std::size_t kItemAddressEndColumn = 130;
inline constexpr std::size_t kItemMaxDisplayChars = 83;
inline constexpr std::string_view kNoTimePrefix = "      ";

struct TitleAddress {
    std::uint32_t record = 0;
    int page = 0;
    bool operator==(const TitleAddress&) const = default;
};

// first + " - " + second + " / " + genre.
std::string titleDisplayText(std::string_view first, std::string_view second, std::string_view genre);

// Builds a library item. `prefix` is blank-padded or cut to 6 characters, the
// display text cut to 83 characters. A page outside 0..99 or a record number
// above 99,999,999 has no item form: the result is empty.
std::string buildTitleItem(std::string_view prefix, std::string_view displayText, std::uint32_t record, int page,
                           std::string_view path);

// "DL" + four blanks + path.
std::string buildDownloadItem(std::string_view path);

// Whether the item is a download item (its first two characters are "DL").
bool isDownloadItem(std::string_view item);

// Record and page number from columns 121..130; nullopt for a download item, an
// item shorter than 130 characters or columns that hold no numbers.
std::optional<TitleAddress> titleItemAddress(std::string_view item);

// The path: columns 7.. of a download item, columns 131.. of a library item
// (empty for a playlist line, which has no path).
std::string_view titleItemPath(std::string_view item);

// Columns 1..130 of an item, the form the playlist keeps.
std::string_view titleItemWithoutPath(std::string_view item);

// Replaces columns 1..6 of an item with `prefix` (padded or cut to 6).
void setTitleItemPrefix(std::string& item, std::string_view prefix);

}  // namespace qb
