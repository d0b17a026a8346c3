#include "shared/id3/fold_search_text.h"

#include <gtest/gtest.h>


namespace qb {
namespace {

TEST(FoldSearchText, Cases) {
    struct Case { std::string text, key; };
    const Case cases[] = {
        {"Sch\xC3\xB6ne Gr\xC3\xBC\xC3\x9F" "e - Stra\xC3\x9F" "e / Live", "SCHOENEGRUESSESTRASSE"},
        {"!!!", "  "},  // nothing is kept, and an empty key is two blanks
        {"", "  "},
        {" / Pop", "  "},
        {"sun+moon 2000", "SUN+MOON2000"},
        {"a.b.c", "ABC"},
        {"\xC3\x84\xC3\x96\xC3\x9C\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F", "AEOEUEAEOEUESS"},
        {"Cr\xC3\xA8me Br\xC3\xBBl\xC3\xA9" "e", "CRMEBRLE"},  // other accented letters are dropped
        {"AC/DC - T.N.T. / Hard Rock", "ACDCTNT"},
        {"A / B / C", "A"},
        {std::string(250, 'a'), std::string(200, 'A')},  // without " / " only 200 characters count
    };
    for (const Case& c : cases) EXPECT_EQ(FoldSearchText(c.text), c.key) << c.text;
}

TEST(FoldSearchText, KeyOfATitleItemAndItsLimit) {
    const std::string item = "21:05 Abba - Waterloo / Pop" + std::string(93, ' ') + "       703/m/x.mp3";
    EXPECT_EQ(FoldSearchText(item), "2105ABBAWATERLOO") << "the time digits count, the genre and address do not";

    std::string many;
    for (int i = 0; i < 150; ++i) many += "\xC3\x9F";
    EXPECT_EQ(FoldSearchText(many), std::string(255, 'S')) << "the key is at most 255 characters";
}

}  // namespace
}  // namespace qb
