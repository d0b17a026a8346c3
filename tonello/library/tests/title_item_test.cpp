#include "tonello/library/title_item.h"

#include <gtest/gtest.h>

#include "platform/core/text.h"
#include "platform/testing/temp_home.h"
#include "tonello/library/title_item_file.h"

namespace qb {
namespace {

// The text of columns from..to (1-based, inclusive), counted in characters.
std::string columns(std::string_view item, std::size_t from, std::size_t to) {
    const auto head = text::leftChars(item, from - 1).size();
    return std::string(text::leftChars(item.substr(head), to - from + 1));
}

TEST(TitleItem, RecordSevenOnPageThree) {
    const std::string item =
        buildTitleItem(kNoTimePrefix, titleDisplayText("Abba", "Waterloo", "Pop"), 7, 3, "/musik/Pop/Waterloo.mp3");
    EXPECT_EQ(columns(item, 1, 6), "      ");
    EXPECT_EQ(columns(item, 7, 120), "Abba - Waterloo / Pop" + std::string(93, ' '));
    EXPECT_EQ(columns(item, 121, 128), "       7");
    EXPECT_EQ(columns(item, 129, 130), "03");
    EXPECT_EQ(item.substr(130), "/musik/Pop/Waterloo.mp3");

    EXPECT_EQ(titleItemAddress(item), (TitleAddress{7, 3}));
    EXPECT_EQ(titleItemPath(item), "/musik/Pop/Waterloo.mp3");
    EXPECT_FALSE(isDownloadItem(item));
    const std::string_view line = titleItemWithoutPath(item);
    EXPECT_EQ(line.size(), 130u);
    EXPECT_EQ(titleItemAddress(line), (TitleAddress{7, 3})) << "a playlist line keeps its address";
    EXPECT_EQ(titleItemPath(line), "");
}

TEST(TitleItem, ColumnsCountCharactersNotBytes) {
    const std::string display = titleDisplayText("Die \xC3\x84rzte", "Schrei nach Liebe", "Punk");
    const std::string path = "/musik/Punk/\xC3\x84rzte - Schrei.mp3";
    std::string item = buildTitleItem("21:05 ", display, 12345, 42, path);
    EXPECT_GT(item.size(), 130 + path.size()) << "umlauts take more bytes than columns";
    EXPECT_EQ(text::charCount(titleItemWithoutPath(item)), 130u);
    EXPECT_EQ(columns(item, 1, 6), "21:05 ");
    EXPECT_EQ(columns(item, 7, 7 + text::charCount(display) - 1), display);
    EXPECT_EQ(columns(item, 121, 130), "   1234542");
    EXPECT_EQ(titleItemAddress(item), (TitleAddress{12345, 42}));
    EXPECT_EQ(titleItemPath(item), path);

    setTitleItemPrefix(item, kNoTimePrefix);
    EXPECT_EQ(columns(item, 1, 6), "      ");
    setTitleItemPrefix(item, "\xC3\xB6" "1:05");  // short and non-ASCII: padded by characters
    EXPECT_EQ(columns(item, 1, 6), "\xC3\xB6" "1:05 ");
    EXPECT_EQ(titleItemAddress(item), (TitleAddress{12345, 42}));
}

TEST(TitleItem, LongDisplayTextAndPrefixAreCutToTheirColumns) {
    // 90 characters, the last ten umlauts: the cut at 83 characters lands among them.
    std::string display(80, 'x');
    for (int i = 0; i < 10; ++i) display += "\xC3\xBC";
    const std::string item = buildTitleItem("12:34 extra", display, 0, 0, "/p");
    EXPECT_EQ(columns(item, 1, 6), "12:34 ");
    EXPECT_EQ(columns(item, 7, 89), std::string(80, 'x') + "\xC3\xBC\xC3\xBC\xC3\xBC");
    EXPECT_EQ(columns(item, 90, 120), std::string(31, ' '));
    EXPECT_EQ(titleItemAddress(item), (TitleAddress{0, 0}));
    EXPECT_EQ(titleItemPath(item), "/p");
}

TEST(TitleItem, AddressesRoundTripAndOutOfRangeHasNoItem) {
    struct Case { std::uint32_t record; int page; };
    for (const Case& c : {Case{0, 0}, Case{999, 99}, Case{99'999'999, 10}})
        EXPECT_EQ(titleItemAddress(buildTitleItem("", "a - b / c", c.record, c.page, "")),
                  (TitleAddress{c.record, c.page}))
            << c.record << "/" << c.page;
    EXPECT_EQ(buildTitleItem("", "a", 1, 100, "/p"), "");
    EXPECT_EQ(buildTitleItem("", "a", 1, -1, "/p"), "");
    EXPECT_EQ(buildTitleItem("", "a", 100'000'000, 1, "/p"), "");
}

TEST(TitleItem, DownloadFormAndUnreadableItems) {
    const std::string dl = buildDownloadItem("/home/dj/Downloads/Neu.mp3");
    EXPECT_EQ(dl, "DL    /home/dj/Downloads/Neu.mp3");
    EXPECT_TRUE(isDownloadItem(dl));
    EXPECT_EQ(titleItemPath(dl), "/home/dj/Downloads/Neu.mp3");
    EXPECT_FALSE(titleItemAddress(dl));

    const std::string good = buildTitleItem("", "a", 5, 1, "");
    std::string letters = good;
    letters.replace(120, 8, "    12x4");
    std::string blanks = good;
    blanks.replace(120, 8, "        ");
    std::string badPage = good;
    badPage.replace(128, 2, " 1");
    for (const std::string& item : {std::string(), std::string("kurz"), good.substr(0, 129), letters, blanks, badPage})
        EXPECT_FALSE(titleItemAddress(item)) << "[" << item << "]";
}

TEST(TitleItem, ItemFilesAreCrLfLines) {
    const std::string path = testing::makeTempDir() + "/" + std::string(kPlaylistFileName);
    const std::vector<std::string> items = {buildTitleItem("", "Gr\xC3\xBC\xC3\x9F" "e - Lied / Pop", 3, 1, ""),
                                            buildDownloadItem("/dl/x.mp3")};
    ASSERT_TRUE(writeTitleItemFile(path, items));
    std::string raw;
    ASSERT_TRUE(text::readFile(path, raw));
    EXPECT_EQ(raw, items[0] + "\r\n" + items[1] + "\r\n");
    std::vector<std::string> back;
    ASSERT_TRUE(readTitleItemFile(path, back));
    EXPECT_EQ(back, items);
    EXPECT_FALSE(readTitleItemFile(path + ".fehlt", back));
    EXPECT_EQ(back, items);
}

}  // namespace
}  // namespace qb
