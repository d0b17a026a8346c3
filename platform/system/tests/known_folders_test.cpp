#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/system/fixed_known_folders.h"
#include "platform/system/xdg_known_folders.h"
#include "platform/testing/temp_home.h"

namespace qb {
namespace {

namespace fs = std::filesystem;

// Sets or clears environment variables for one test and puts them back.
class EnvGuard {
public:
    void set(const char* name, const char* value) {
        if (!saved_.count(name)) {
            const char* old = std::getenv(name);
            saved_[name] = old ? std::optional<std::string>(old) : std::nullopt;
        }
        if (value) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    ~EnvGuard() {
        for (const auto& [name, v] : saved_) {
            if (v) {
                setenv(name.c_str(), v->c_str(), 1);
            } else {
                unsetenv(name.c_str());
            }
        }
    }

private:
    std::map<std::string, std::optional<std::string>> saved_;
};

TEST(XdgKnownFolders, EnvironmentVariablesWin) {
    XdgKnownFolders f;
    EXPECT_EQ(f.localAppData(), std::string(std::getenv("XDG_DATA_HOME")));
    EXPECT_EQ(f.documents(), std::string(std::getenv("XDG_DOCUMENTS_DIR")));
    EXPECT_EQ(f.music(), std::string(std::getenv("XDG_MUSIC_DIR")));
    EXPECT_EQ(f.downloads(), std::string(std::getenv("XDG_DOWNLOAD_DIR")));
    EXPECT_EQ(f.currentDirectory(), fs::current_path().string());
}

TEST(XdgKnownFolders, UserDirsFileThenDefaults) {
    const std::string home = testing::makeTempDir("home");
    EnvGuard env;
    env.set("HOME", home.c_str());
    env.set("XDG_CONFIG_HOME", nullptr);
    env.set("XDG_DATA_HOME", "relative/ignored");
    for (const char* v : {"XDG_DOCUMENTS_DIR", "XDG_MUSIC_DIR", "XDG_DOWNLOAD_DIR"}) env.set(v, nullptr);
    XdgKnownFolders f;

    // No user-dirs.dirs: the defaults; music only once its folder exists.
    EXPECT_EQ(f.localAppData(), home + "/.local/share");
    EXPECT_EQ(f.documents(), home + "/Documents");
    EXPECT_EQ(f.downloads(), home + "/Downloads");
    EXPECT_EQ(f.music(), std::nullopt);
    fs::create_directories(home + "/Music");
    EXPECT_EQ(f.music(), home + "/Music");

    fs::create_directories(home + "/.config");
    {
        std::ofstream(home + "/.config/user-dirs.dirs")
            << "# written by xdg-user-dirs-update\n"
            << "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\r\n"
            << "XDG_MUSIC_DIR=\"/srv/nicht da\"\n"
            << "XDG_DOWNLOAD_DIR=\"$HOME/\"\n";
    }
    EXPECT_EQ(f.documents(), home + "/Dokumente");
    EXPECT_EQ(f.downloads(), home);          // turned off: the home folder
    EXPECT_EQ(f.music(), std::nullopt);      // names a folder that is not there

    // The file under $XDG_CONFIG_HOME counts, not the one under ~/.config.
    const std::string config = testing::makeTempDir("config");
    env.set("XDG_CONFIG_HOME", config.c_str());
    { std::ofstream(config + "/user-dirs.dirs") << "XDG_MUSIC_DIR=\"$HOME/Music\"\n"; }
    EXPECT_EQ(f.documents(), home + "/Documents");
    EXPECT_EQ(f.music(), home + "/Music");

    env.set("XDG_DOCUMENTS_DIR", (home + "/Papiere/").c_str());
    EXPECT_EQ(f.documents(), home + "/Papiere");
}

TEST(XdgKnownFolders, ParsesUserDirLines) {
    const std::string text =
        "XDG_MUSIC_DIR=\"relative/Musik\"\n"     // not absolute: ignored
        "XDG_MUSIC_DIR=\"$HOMER/x\"\n"           // not $HOME
        "XDG_MUSIC_DIR=\"/unclosed\n"
        "XDG_MUSIC_DIR=unquoted\n"
        "#XDG_DOCUMENTS_DIR=\"/commented\"\n"
        "  XDG_DOCUMENTS_DIR=\"$HOME/Meine \\\"Dokumente\\\"\"\n"
        "XDG_DOWNLOAD_DIR=\"/first\"\n"
        "XDG_DOWNLOAD_DIR=\"/second/\"\n";
    EXPECT_EQ(XdgKnownFolders::parseUserDir(text, "MUSIC", "/home/dj"), std::nullopt);
    EXPECT_EQ(XdgKnownFolders::parseUserDir(text, "DOCUMENTS", "/home/dj"), "/home/dj/Meine \"Dokumente\"");
    EXPECT_EQ(XdgKnownFolders::parseUserDir(text, "DOWNLOAD", "/home/dj"), "/second");
    EXPECT_EQ(XdgKnownFolders::parseUserDir(text, "PICTURES", "/home/dj"), std::nullopt);
}

TEST(FixedKnownFolders, GivesWhatTheTestSets) {
    FixedKnownFolders f;
    EXPECT_EQ(f.music(), std::nullopt);
    f.setMusic("/m");
    f.setCurrentDirectory("/cwd");
    EXPECT_EQ(f.music(), "/m");
    EXPECT_EQ(f.currentDirectory(), "/cwd");
}

}  // namespace
}  // namespace qb
