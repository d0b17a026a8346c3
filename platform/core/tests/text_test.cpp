#include "platform/core/text.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace qb::text {

TEST(Text, CutNeverSplitsACharacter) {
    const std::string s = "ab\xC3\xA4" "c";  // "abäc"
    struct Case { std::size_t max; std::string want; };
    for (const Case& c : {Case{0, ""}, Case{2, "ab"}, Case{3, "ab"}, Case{4, "ab\xC3\xA4"}, Case{9, s}})
        EXPECT_EQ(cutUtf8(s, c.max), c.want) << c.max;
    // A stray continuation byte counts as a character of its own.
    EXPECT_EQ(cutUtf8("a\x80z", 2), "a\x80");
    const std::string euro = "\xE2\x82\xAC\xE2\x82\xAC";
    EXPECT_EQ(cutUtf8(euro, 5), "\xE2\x82\xAC");
}

TEST(Text, CharactersAndLatin1) {
    EXPECT_EQ(charCount("Gr\xC3\xBC\xC3\x9F" "e"), 5u);
    EXPECT_EQ(leftChars("\xC3\xA4\xC3\xB6\xC3\xBC", 2), "\xC3\xA4\xC3\xB6");
    EXPECT_EQ(latin1ToUtf8("\xE4\xDF"), "\xC3\xA4\xC3\x9F");
    EXPECT_EQ(utf8ToLatin1("\xC3\xA4\xE2\x82\xAC"), "\xE4?");
    EXPECT_EQ(upperLatin("sch\xC3\xB6n stra\xC3\x9F" "e"), "SCH\xC3\x96N STRA\xC3\x9F" "E");
    EXPECT_TRUE(lessNoCase("a", "B"));
    EXPECT_FALSE(lessNoCase("b", "A"));
}

TEST(Text, LinesAndCrLfFiles) {
    EXPECT_EQ(splitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
    EXPECT_TRUE(splitLines("").empty());

    const auto path = (std::filesystem::temp_directory_path() / "qb_text_test.txt").string();
    ASSERT_TRUE(writeCrLfLines(path, {"eins", "zwei"}));
    ASSERT_TRUE(appendCrLfLine(path, "drei"));
    std::string content;
    ASSERT_TRUE(readFile(path, content));
    EXPECT_EQ(content, "eins\r\nzwei\r\ndrei\r\n");
    std::filesystem::remove(path);
    EXPECT_FALSE(readFile(path, content));
    EXPECT_FALSE(writeCrLfLines("/nonexistent-dir/x.txt", {"a"}));
}

}  // namespace qb::text
