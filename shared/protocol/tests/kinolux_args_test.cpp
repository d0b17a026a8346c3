#include "shared/protocol/kinolux_args.h"

#include "platform/testing/temp_home.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>

namespace qb::protocol {
namespace {

TEST(KinoluxArgs, ReadsTheSwitchesAsKinoluxDoes) {
    const std::set<std::string> files = {"/v/Party_16x9.mp4", "/v/Show 4x3.mpg", "/v/b.mp3"};
    const auto isFile = [&](const std::string& a) { return files.count(a) != 0; };
    KinoluxArgs defaults;
    auto with = [&](auto change) {
        KinoluxArgs a;
        change(a);
        return a;
    };
    struct Case {
        std::vector<std::string> args;
        KinoluxArgs expected;
    };
    const Case cases[] = {
        {{}, defaults},
        {{"/v/Party_16x9.mp4", "/b=1280", "/h=720"},
         with([](KinoluxArgs& a) { a.mediaFile = "/v/Party_16x9.mp4"; a.width = 1280; a.height = 720; })},
        {{"/v/Party_16x9.mp4", "/b=1920", "/h=1080", "/i=-2000"},
         with([](KinoluxArgs& a) { a.mediaFile = "/v/Party_16x9.mp4"; a.width = 1920; a.height = 1080; a.startMs = -2000; })},
        {{"/v/Party_16x9.mp4", "/i=5000", "/l=0"},
         with([](KinoluxArgs& a) { a.mediaFile = "/v/Party_16x9.mp4"; a.startMs = 5000; a.volume = 0; })},
        // upper and lower case switches, any order, the file last
        {{"/B=800", "/H=800", "/L=64", "/P", "/v/b.mp3"},
         with([](KinoluxArgs& a) { a.mediaFile = "/v/b.mp3"; a.width = 800; a.height = 800; a.volume = 64; a.startPaused = true; })},
        {{"/p"}, with([](KinoluxArgs& a) { a.startPaused = true; })},
        {{"/px"}, defaults},
        {{"/P=1"}, defaults},
        // digit limits: four for /b= and /h=, eight for /i=, three for /l=
        {{"/b=12345"}, with([](KinoluxArgs& a) { a.width = 1234; })},
        {{"/h=07200"}, with([](KinoluxArgs& a) { a.height = 720; })},
        {{"/i=123456789"}, with([](KinoluxArgs& a) { a.startMs = 12345678; })},
        {{"/i=-12345678"}, with([](KinoluxArgs& a) { a.startMs = -1234567; })},
        {{"/i=+90000"}, with([](KinoluxArgs& a) { a.startMs = 90000; })},
        {{"/l=1270"}, with([](KinoluxArgs& a) { a.volume = 127; })},
        // invalid numbers leave the default
        {{"/l=abc"}, defaults},
        {{"/b=64x"}, defaults},
        {{"/b=-640"}, defaults},
        {{"/b="}, defaults},
        {{"/i=-"}, defaults},
        {{"/i=5 s"}, defaults},
        {{"/h=0"}, defaults},
        {{"/b=640", "/b=abc"}, with([](KinoluxArgs& a) { a.width = 640; })},
        {{"/l=10", "/l=20"}, with([](KinoluxArgs& a) { a.volume = 20; })},
        // a volume above what the wave output takes is the loudest
        {{"/l=999"}, with([](KinoluxArgs& a) { a.volume = 127; })},
        // a missing file is not taken; of two existing files the last wins
        {{"/v/missing.mp4"}, defaults},
        {{"/v/Party_16x9.mp4", "/v/Show 4x3.mpg", "/v/missing.mp4"},
         with([](KinoluxArgs& a) { a.mediaFile = "/v/Show 4x3.mpg"; })},
        {{"/b", "/x=5", "-b=640", ""}, defaults},
    };
    for (const auto& c : cases) {
        std::string joined;
        for (const auto& a : c.args) joined += "[" + a + "]";
        EXPECT_EQ(parseKinoluxArgs(c.args, isFile), c.expected) << joined;
    }
}

TEST(KinoluxArgs, AsksTheFileSystemByDefault) {
    const std::string dir = qb::testing::makeTempDir("kinolux");
    const std::string video = dir + "/Clip 21x9.mkv";
    std::ofstream(video) << "x";
    const std::string other = dir + "/second.avi";
    std::ofstream(other) << "x";
    // "/b=..." could be a file name too; it is one only when it exists.
    EXPECT_EQ(parseKinoluxArgs({video, dir, dir + "/gone.avi", "/b=320"}).mediaFile, video);
    EXPECT_EQ(parseKinoluxArgs({video, other}).mediaFile, other);
    EXPECT_EQ(parseKinoluxArgs({dir}).mediaFile, "");  // a folder is not a file
}

}  // namespace
}  // namespace qb::protocol
