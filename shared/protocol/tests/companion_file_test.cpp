#include "shared/protocol/companion_file.h"

#include "platform/testing/temp_home.h"

#include <gtest/gtest.h>

#include <fstream>

namespace qb::protocol {
namespace {

struct CompanionFileTest : ::testing::Test {
    std::string dir = qb::testing::makeTempDir("companion");
    std::string music = dir + "/Artist - Song.mp3";
    void write(const std::string& content) { std::ofstream(dir + "/Artist - Song.ini", std::ios::binary) << content; }
};

TEST_F(CompanionFileTest, PathReplacesTheExtension) {
    EXPECT_EQ(companionPath("/m/Song.mp3"), "/m/Song.ini");
    EXPECT_EQ(companionPath("/m/a.b/Song.x.wav"), "/m/a.b/Song.x.ini");
    EXPECT_EQ(companionPath("/m/a.b/Song"), "/m/a.b/Song.ini");
}

TEST_F(CompanionFileTest, ReadsVideoAndIntroLines) {
    struct Case {
        std::string content;
        CompanionFile expected;
    };
    const Case cases[] = {
        {"Video=/home/dj/Videos/Mein Lied (live).mp4\r\nIntro=1200\r\n",
         {{"/home/dj/Videos/Mein Lied (live).mp4"}, 1200}},
        {"Video=/v/a.mp4\nIntro=1200\n", {{"/v/a.mp4"}, 1200}},                           // LF only
        {"[Titel]\r\nVideo=/v/a.mp4\r\nvideo=/v/b.mp4\r\nKommentar=x\r\n", {{"/v/a.mp4"}, std::nullopt}},
        {"Video=/v/a.mp4\r\nVideo=/v/b.mp4\r\n", {{"/v/a.mp4", "/v/b.mp4"}, std::nullopt}},  // both, in order
        {"Intro=12a\r\nVideo=/v/a.mp4", {{"/v/a.mp4"}, std::nullopt}},                     // no line break at the end
        {"Intro=500\r\nIntro=12a\r\n", {{}, 500}},                                          // the bad one is ignored
        {"Intro=500\r\nIntro=-250\r\n", {{}, -250}},
        {"Intro= 500\r\nIntro=99999999999\r\nIntro=\r\n", {{}, std::nullopt}},
        {"", {}},
    };
    for (const auto& c : cases) {
        write(c.content);
        EXPECT_EQ(readCompanionFile(music), c.expected) << c.content;
    }
}

TEST_F(CompanionFileTest, AMissingFileGivesNothing) {
    EXPECT_EQ(readCompanionFile(music), std::nullopt);
    EXPECT_EQ(readCompanionFile(dir + "/nowhere/Song.mp3"), std::nullopt);
}

TEST_F(CompanionFileTest, TheStartOffsetAddsTheTitlesStartPoint) {
    EXPECT_EQ(announcedStartOffset({{"/v/a.mp4"}, 1200}, 3000), 4200);
    EXPECT_EQ(announcedStartOffset({{"/v/a.mp4"}, std::nullopt}, 3000), 0);
    EXPECT_EQ(announcedStartOffset({{}, 0}, 3000), 3000);
}

}  // namespace
}  // namespace qb::protocol
