#include "platform/messages/socket_folder.h"

#include "platform/testing/temp_home.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace qb::messages {
namespace {

int modeOf(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return -1;
    return static_cast<int>(st.st_mode & 07777);
}

TEST(SocketFolder, NamesSplitAtTheLastDot) {
    struct Case {
        const char* name;
        bool ok;
        const char* caption;
        WindowHandle handle;
    };
    const Case cases[] = {
        {"Info Orvelia.4711002", true, "Info Orvelia", 4711002},
        {"a.b c.17", true, "a.b c", 17},
        {"Orvelia.1999999999", true, "Orvelia", 1999999999},
        {"Orvelia.4294967295", true, "Orvelia", 4294967295u},
        {"Orvelia.4294967296", false, "", 0},
        {"Orvelia.0", false, "", 0},
        {"Orvelia.007", false, "", 0},
        {"Orvelia.", false, "", 0},
        {"Orvelia", false, "", 0},
        {".12", false, "", 0},
        {"Orvelia.12x", false, "", 0},
        {"Orvelia.-12", false, "", 0},
    };
    for (const auto& c : cases) {
        const auto parsed = parseSocketFileName(c.name);
        ASSERT_EQ(parsed.has_value(), c.ok) << c.name;
        if (!c.ok) continue;
        EXPECT_EQ(parsed->caption, c.caption);
        EXPECT_EQ(parsed->handle, c.handle);
        EXPECT_EQ(socketFileName(parsed->caption, parsed->handle), c.name);
    }
}

TEST(SocketFolder, DefaultFolderFollowsTheRuntimeFolder) {
    const std::string saved = std::getenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(defaultSocketFolder(), saved + "/quillbrook");
    ::setenv("XDG_RUNTIME_DIR", "relative/run", 1);
    EXPECT_EQ(defaultSocketFolder(), "/tmp/quillbrook-" + std::to_string(::geteuid()));
    ::unsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(defaultSocketFolder(), "/tmp/quillbrook-" + std::to_string(::geteuid()));
    ::setenv("XDG_RUNTIME_DIR", saved.c_str(), 1);
}

TEST(SocketFolder, IsCreatedPrivateAndAWrongModeIsRepaired) {
    const std::string base = qb::testing::makeTempDir("folder");
    const std::string folder = base + "/quillbrook";
    const mode_t old = ::umask(0777);  // a strict umask must not leave it unusable
    EXPECT_FALSE(prepareSocketFolder(folder, false));
    EXPECT_EQ(modeOf(folder), -1);
    ASSERT_TRUE(prepareSocketFolder(folder, true));
    ::umask(old);
    EXPECT_EQ(modeOf(folder), 0700);

    ASSERT_EQ(::chmod(folder.c_str(), 0755), 0);
    EXPECT_TRUE(prepareSocketFolder(folder, true));
    EXPECT_EQ(modeOf(folder), 0700);
    ASSERT_EQ(::chmod(folder.c_str(), 0777), 0);
    EXPECT_TRUE(prepareSocketFolder(folder, false));
    EXPECT_EQ(modeOf(folder), 0700);
}

TEST(SocketFolder, RefusesALinkAFileAndAForeignFolder) {
    const std::string base = qb::testing::makeTempDir("folder");
    const std::string real = base + "/real";
    ASSERT_TRUE(prepareSocketFolder(real, true));
    const std::string link = base + "/link";
    ASSERT_EQ(::symlink(real.c_str(), link.c_str()), 0);
    std::string error;
    EXPECT_FALSE(prepareSocketFolder(link, true, &error));
    EXPECT_FALSE(error.empty());

    const std::string file = base + "/file";
    FILE* f = std::fopen(file.c_str(), "w");
    ASSERT_NE(f, nullptr);
    std::fclose(f);
    EXPECT_FALSE(prepareSocketFolder(file, true));

    if (::geteuid() != 0) GTEST_SKIP() << "needs root to give a folder to another user";
    const std::string foreign = base + "/foreign";
    ASSERT_EQ(::mkdir(foreign.c_str(), 0777), 0);
    ASSERT_EQ(::chmod(foreign.c_str(), 0777), 0);
    ASSERT_EQ(::chown(foreign.c_str(), 65534, 65534), 0);
    error.clear();
    EXPECT_FALSE(prepareSocketFolder(foreign, true, &error));
    EXPECT_NE(error.find("another user"), std::string::npos);
    EXPECT_EQ(modeOf(foreign) & 0777, 0777);  // left as it is: not ours to change
}

}  // namespace
}  // namespace qb::messages
