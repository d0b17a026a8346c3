#include "tonello/library/library_folders.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/testing/temp_home.h"

namespace qb {
namespace {

namespace fs = std::filesystem;

TEST(LibraryFolders, FoldersFromKnownFolderValues) {
    struct Case { std::optional<std::string> value; const char* data; const char* playlist; };
    const Case cases[] = {
        {"/home/dj/.local/share", "/home/dj/.local/share/Quillbrook/Orvelia", "/home/dj/.local/share/Orvelia"},
        {"/home/dj/Dokumente/", "/home/dj/Dokumente/Quillbrook/Orvelia", "/home/dj/Dokumente/Orvelia"},
        {std::nullopt, "/work/cwd/Quillbrook/Orvelia", "/home/dj/Orvelia"},
        {std::string(), "/work/cwd/Quillbrook/Orvelia", "/home/dj/Orvelia"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(dataFolderPath(c.value, "/work/cwd"), c.data);
        EXPECT_EQ(playlistFolderPath(c.value, "/home/dj"), c.playlist);
    }
}

TEST(LibraryFolders, CreatesBothAndTellsTheFirstRun) {
    const std::string base = testing::makeTempDir();
    const std::optional<std::string> appData = base + "/share", docs = base + "/Dokumente";
    const LibraryFolders first = prepareLibraryFolders(appData, docs);
    EXPECT_EQ(first.dataFolder, base + "/share/Quillbrook/Orvelia");
    EXPECT_EQ(first.playlistFolder, base + "/Dokumente/Orvelia");
    EXPECT_TRUE(first.firstRun);
    EXPECT_TRUE(fs::is_directory(first.dataFolder));
    EXPECT_TRUE(fs::is_directory(first.playlistFolder));

    EXPECT_FALSE(prepareLibraryFolders(appData, docs).firstRun);

    // Only the data folder decides the first run.
    fs::remove_all(first.playlistFolder);
    const LibraryFolders again = prepareLibraryFolders(appData, docs);
    EXPECT_FALSE(again.firstRun);
    EXPECT_TRUE(fs::is_directory(again.playlistFolder));
}

}  // namespace
}  // namespace qb
