#include <gtest/gtest.h>

#include <filesystem>

#include "platform/testing/temp_home.h"
#include "shared/id3/id3_reader.h"
#include "shared/id3/tests/id3_fixtures.h"

namespace qb {
namespace {

using namespace id3test;

TEST(Id3FileName, NamesGiveArtistAndTitle) {
    struct Case { std::string name, interpret, titel; };
    const Case cases[] = {
        {"01_Some Band - Some Song.mp3", "Some Band", "Some Song"},
        {"Some Band - Some Song.mp3", "Some Band", "Some Song"},
        {"Some_Song.wav", "", "Some Song"},
        {"Artist - Title - Live.mp3", "Artist", "Title - Live"},
        {"12_Artist_-_Title.mp3", "Artist", "Title"},
        {"AB_Name.mp3", "", "Name"},                      // any two characters before "_"
        {"1_Name.mp3", "", "1 Name"},                      // "_" is not the third character
        {"\xC3\x84" "1_Lied.mp3", "", "Lied"},             // characters, not bytes
        {"Die \xC3\x84rzte - Schrei.mp3", "Die \xC3\x84rzte", "Schrei"},
        {"Song.flac", "", "Song."},                        // always 4 characters dropped
        {"Tanz.ogg", "", "Tanz"},
        {"A - .mp3", "A", ""},
        {"abc", "", ""},
        {"-.mp3", "", "-"},
    };
    for (const Case& c : cases) {
        TitleInfo info;
        info.Album = "stale";
        titleInfoFromFileName(c.name, info);
        EXPECT_EQ(info.Interpret, c.interpret) << c.name;
        EXPECT_EQ(info.Titel, c.titel) << c.name;
        EXPECT_EQ(info.Track, "1") << c.name;
        EXPECT_EQ(info.Genre, "Other") << c.name;
        EXPECT_EQ(info.Album, "") << c.name;
        EXPECT_EQ(info.Jahr, "") << c.name;
        EXPECT_EQ(info.Kommentar, "") << c.name;
    }
}

TEST(Id3FileName, LongNamesAreCutAtAWholeCharacter) {
    // "ab" + 128 umlauts + ".mp3" is 262 bytes; 255 bytes would end inside the
    // 127th umlaut, so the name keeps "ab" + 126 umlauts (254 bytes), and then
    // loses its last 4 characters.
    const std::string u = "\xC3\xBC";
    std::string name = "ab", want = "ab";
    for (int i = 0; i < 128; ++i) name += u;
    name += ".mp3";
    for (int i = 0; i < 122; ++i) want += u;
    TitleInfo info;
    titleInfoFromFileName(name, info);
    EXPECT_EQ(info.Titel, want);
}

TEST(Id3FileName, OnlyMp3FilesAreOpenedAndFoldersDoNotCount) {
    const std::string dir = testing::makeTempDir("Band - Ordner");
    const Bytes tagged = audio(400) + v1Tag({.title = "Aus dem Tag", .artist = "Tag Band", .genre = 13});
    writeFile(dir + "/01_Die Band - Das Lied.wav", tagged);
    writeFile(dir + "/01_Die Band - Das Lied.MP3", tagged);

    const TitleInfo wav = ReadId3(dir + "/01_Die Band - Das Lied.wav");
    EXPECT_EQ(wav.Interpret, "Die Band");
    EXPECT_EQ(wav.Titel, "Das Lied");
    EXPECT_EQ(wav.Genre, "Other");

    const TitleInfo mp3 = ReadId3(dir + "/01_Die Band - Das Lied.MP3");
    EXPECT_EQ(mp3.Interpret, "Tag Band");
    EXPECT_EQ(mp3.Titel, "Aus dem Tag");
    EXPECT_EQ(mp3.Genre, "Pop");

    // Neither a missing file nor a folder named like one fails the call.
    std::filesystem::create_directory(dir + "/Ordner - Name.mp3");
    for (const std::string& path : {dir + "/Fehlt - Ganz.mp3", dir + "/Ordner - Name.mp3"}) {
        TitleInfo info;
        info.Kommentar = "stale";
        ReadId3(path, info);
        EXPECT_EQ(info.Interpret, path.find("Fehlt") != std::string::npos ? "Fehlt" : "Ordner") << path;
        EXPECT_EQ(info.Track, "1");
        EXPECT_EQ(info.Genre, "Other");
        EXPECT_EQ(info.Kommentar, "");
    }
}

}  // namespace
}  // namespace qb
