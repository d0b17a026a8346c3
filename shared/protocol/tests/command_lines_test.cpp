#include "shared/protocol/command_lines.h"
#include "shared/protocol/kinolux_args.h"
#include "shared/protocol/program_start.h"

#include "platform/core/virtual_loop.h"
#include "platform/system/recording_processes.h"

#include <gtest/gtest.h>

namespace qb::protocol {
namespace {

TEST(CommandLines, ProgramsAreStartedByName) {
    EXPECT_EQ(previewCommandLine(), (CommandLine{"Tonello_Preview", {}}));
    EXPECT_EQ(padlinkCommandLine(), (CommandLine{"Padlink", {}}));
}

TEST(CommandLines, KinoluxGetsThePathAsOneArgumentAndEachSwitchAsAnother) {
    const std::string path = "/home/dj/Videos/Er sagte \"Hallo\" 16x9.mp4";
    struct Case {
        KinoluxStart start;
        std::vector<std::string> args;
    };
    const Case cases[] = {
        {{path, 1280, 720, std::nullopt, 100, false}, {path, "/b=1280", "/h=720", "/l=100"}},
        {{path, 1280, 720, -2000, 0, false}, {path, "/b=1280", "/h=720", "/i=-2000", "/l=0"}},
        {{path, 640, 360, 90500, std::nullopt, false}, {path, "/b=640", "/h=360", "/i=90500"}},
        {{path, std::nullopt, std::nullopt, std::nullopt, std::nullopt, true}, {path, "/p"}},
    };
    for (const auto& c : cases) {
        const CommandLine line = kinoluxCommandLine(c.start);
        EXPECT_EQ(line.program, "Kinolux");
        EXPECT_EQ(line.args, c.args);
        // What Singalo writes, Kinolux reads back.
        const KinoluxArgs back = parseKinoluxArgs(line.args, [&](const std::string& a) { return a == path; });
        EXPECT_EQ(back.mediaFile, path);
        EXPECT_EQ(back.width, c.start.width.value_or(640));
        EXPECT_EQ(back.height, c.start.height.value_or(360));
        EXPECT_EQ(back.startMs, c.start.startMs.value_or(0));
        EXPECT_EQ(back.volume, c.start.volume);
        EXPECT_EQ(back.startPaused, c.start.paused);
    }
}

TEST(ProgramStart, StartsByNameThenPauses250Ms) {
    RecordingProcesses processes;
    VirtualLoop loop;
    bool ranMeanwhile = false;
    loop.post([&] { ranMeanwhile = true; });
    startProgram(processes, loop, kinoluxCommandLine({"/v/a.mp4", 640, 360, std::nullopt, 0, false}));
    ASSERT_EQ(processes.starts.size(), 1u);
    EXPECT_EQ(processes.starts[0], (RecordingProcesses::Start{"Kinolux", {"/v/a.mp4", "/b=640", "/h=360", "/l=0"}}));
    EXPECT_EQ(loop.monotonicMs(), 250);
    EXPECT_FALSE(ranMeanwhile);  // a pause blocks the loop
}

}  // namespace
}  // namespace qb::protocol
