#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "platform/core/text.h"
#include "platform/system/recording_processes.h"
#include "platform/system/system_processes.h"
#include "platform/testing/temp_home.h"

namespace qb {
namespace {

namespace fs = std::filesystem;

// A program that writes its session id and then each argument on a line of
// its own into <marker>.
void writeFakeProgram(const std::string& path, const std::string& marker) {
    {
        std::ofstream out(path);
        out << "#!/bin/sh\n"
            << "{ /usr/bin/cut -d' ' -f6 /proc/$$/stat; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } > '" << marker
            << ".tmp'\n"
            << "/bin/mv '" << marker << ".tmp' '" << marker << "'\n";
    }
    fs::permissions(path, fs::perms::owner_all);
}

// Waits (at most a few seconds) until the program has written its marker.
std::vector<std::string> waitForMarker(const std::string& marker) {
    for (int i = 0; i < 500 && !fs::exists(marker); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::string content;
    if (!text::readFile(marker, content)) return {};
    return text::splitLines(content);
}

class PathGuard {
public:
    explicit PathGuard(const std::string& path) : old_(std::getenv("PATH") ? std::getenv("PATH") : "") {
        setenv("PATH", path.c_str(), 1);
    }
    ~PathGuard() { setenv("PATH", old_.c_str(), 1); }

private:
    std::string old_;
};

TEST(SystemProcesses, StartsFromTheOwnFolderWithArgumentsIntact) {
    const std::string own = testing::makeTempDir("own");
    const std::string marker = own + "/marker";
    writeFakeProgram(own + "/Kinolux", marker);
    SystemProcesses processes(own);
    const std::vector<std::string> args{"/home/dj/Videos/Der \"beste\" Film.mp4", "/b=640", "", "$HOME `x` 'q' \\n"};
    processes.start("Kinolux", args);

    // start() returns at once and leaves no child to reap: the program runs
    // detached, in a session of its own.
    errno = 0;
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
    auto lines = waitForMarker(marker);
    ASSERT_EQ(lines.size(), args.size() + 1);
    EXPECT_NE(lines[0], std::to_string(getsid(0)));
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 1, lines.end()), args);
}

TEST(SystemProcesses, OwnFolderComesBeforePath) {
    const std::string own = testing::makeTempDir("own");
    const std::string onPath = testing::makeTempDir("bin");
    writeFakeProgram(own + "/Padlink", own + "/own-marker");
    writeFakeProgram(onPath + "/Padlink", onPath + "/path-marker");
    writeFakeProgram(onPath + "/lame", onPath + "/lame-marker");
    // A file that is not executable is no program.
    { std::ofstream(own + "/lame") << "#!/bin/sh\n"; }
    PathGuard path("relative/bin::" + onPath);

    SystemProcesses processes(own);
    EXPECT_EQ(processes.locate("Padlink"), own + "/Padlink");
    EXPECT_EQ(processes.locate("lame"), onPath + "/lame");
    EXPECT_EQ(processes.locate(onPath + "/Padlink"), onPath + "/Padlink");
    EXPECT_EQ(processes.locate("Tonello_Preview"), std::nullopt);
    EXPECT_EQ(processes.locate(""), std::nullopt);

    processes.start("lame", {"--quiet"});
    EXPECT_EQ(waitForMarker(onPath + "/lame-marker").size(), 2u);
}

TEST(SystemProcesses, AMissingProgramIsSilentlyNotStarted) {
    const std::string own = testing::makeTempDir("own");
    fs::create_directory(own + "/Tonello_Preview");  // a folder of that name is no program
    PathGuard path(own);
    SystemProcesses processes(own);
    ::testing::internal::CaptureStderr();
    processes.start("Tonello_Preview", {});
    processes.start("Padlink", {"x"});
    processes.start("/no/such/program", {});
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    errno = 0;
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
}

TEST(SystemProcesses, OwnFolderDefaultsToTheExecutablesFolder) {
    EXPECT_EQ(SystemProcesses().ownFolder(), fs::read_symlink("/proc/self/exe").parent_path().string());
}

TEST(RecordingProcesses, RecordsEveryStart) {
    RecordingProcesses p;
    p.start("Tonello_Preview", {});
    p.start("Kinolux", {"/v.mp4", "/b=640"});
    EXPECT_EQ(p.starts, (std::vector<RecordingProcesses::Start>{{"Tonello_Preview", {}}, {"Kinolux", {"/v.mp4", "/b=640"}}}));
}

}  // namespace
}  // namespace qb
