#include "tonello/library/list_file_names.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "platform/testing/temp_home.h"

namespace qb {
namespace {

namespace fs = std::filesystem;

void touch(const std::string& path) { std::ofstream(path, std::ios::binary); }

TEST(ListFileNames, NamesForAListName) {
    EXPECT_EQ(listFileName("Rock"), "DateilisteRock.dat");
    EXPECT_EQ(listFileName(""), "Dateiliste.dat");
    EXPECT_EQ(listFileName("1_Schlager"), "Dateiliste1_Schlager.dat");
    EXPECT_EQ(listBackupFileName("Rock"), "DateilisteRock.~dat");
    EXPECT_EQ(listBackupFileName(""), "Dateiliste.~dat");

    struct Case { const char* name; bool isList; };
    for (const Case& c : {Case{"Dateiliste.dat", true}, Case{"DateilisteRock.dat", true},
                          Case{"DateilisteRock.~dat", false}, Case{"dateilisteRock.dat", false},
                          Case{"DateilisteRock.DAT", false}, Case{"Dateiliste.da", false},
                          Case{"XDateiliste.dat", false}, Case{"Dateiliste", false}})
        EXPECT_EQ(isListFileName(c.name), c.isList) << c.name;
}

TEST(ListFileNames, EnumerationSortsWithoutCaseAndIgnoresOtherNames) {
    const std::string dir = testing::makeTempDir();
    for (const char* name : {"DateilisteZouk.dat", "Dateilisteabba.dat", "DateilisteRock.dat", "Dateiliste.dat",
                             "DateilisteROCK.dat", "Dateiliste\xC3\x84rzte.dat", "DateilisteRock.~dat",
                             "dateilistepunk.dat", "Playlist.txt", "Play1.mp3"})
        touch(dir + "/" + name);
    fs::create_directory(dir + "/DateilisteOrdner.dat");  // a folder is no list file

    const std::vector<std::string> want = {"Dateiliste.dat", "Dateilisteabba.dat", "DateilisteROCK.dat",
                                           "DateilisteRock.dat", "DateilisteZouk.dat",
                                           "Dateiliste\xC3\x84rzte.dat"};
    EXPECT_EQ(enumerateListFiles(dir), want);

    // The preview sees "*.dat": the same pages once the folder holds only list
    // files with that extension.
    fs::remove(dir + "/dateilistepunk.dat");
    EXPECT_EQ(enumerateDatFiles(dir), want);

    EXPECT_TRUE(enumerateListFiles(dir + "/fehlt").empty());
    EXPECT_TRUE(enumerateDatFiles(dir + "/fehlt").empty());
}

TEST(ListFileNames, AtMostHundredListFilesCount) {
    const std::string dir = testing::makeTempDir();
    char name[64];
    for (int i = 104; i >= 0; --i) {  // created in reverse order
        std::snprintf(name, sizeof name, "Dateiliste%03d.dat", i);
        touch(dir + "/" + name);
    }
    const auto names = enumerateListFiles(dir);
    ASSERT_EQ(names.size(), kMaxListFiles);
    EXPECT_EQ(names.front(), "Dateiliste000.dat");
    EXPECT_EQ(names.back(), "Dateiliste099.dat");
    EXPECT_EQ(enumerateDatFiles(dir), names);
}

}  // namespace
}  // namespace qb
