#include <gtest/gtest.h>

#include "platform/testing/temp_home.h"
#include "shared/id3/id3_genres.h"
#include "shared/id3/id3_reader.h"
#include "shared/id3/tests/id3_fixtures.h"

namespace qb {
namespace {

using namespace id3test;

// Writes the bytes as "<name>" in a fresh folder and reads them back.
TitleInfo readTagged(const Bytes& file, const std::string& name = "07_Name Band - Name Titel.mp3") {
    const std::string path = testing::makeTempDir() + "/" + name;
    writeFile(path, file);
    return ReadId3(path);
}

TEST(Id3Genres, TableHasTheSuiteSpellings) {
    for (std::size_t i = 0; i < Id3Genres.size(); ++i) {
        EXPECT_FALSE(Id3Genres[i].empty()) << i;
        EXPECT_LE(Id3Genres[i].size(), 31u) << i;
    }
    struct Case { std::size_t index; const char* name; };
    for (const Case& c : {Case{0, "Blues"}, Case{1, "Classic Rock"}, Case{12, "Other"}, Case{40, "AlternRock"},
                          Case{67, "Psychadelic"}, Case{79, "Hard Rock"}, Case{80, "Folk"}, Case{81, "Folk-Rock"},
                          Case{82, "Schlager"}, Case{85, "Bebob"}, Case{93, "Psychedelic Rock"},
                          Case{123, "Acapella"}, Case{125, "Dance Hall"}, Case{126, "Unknown"},
                          Case{127, "Unknown"}})
        EXPECT_EQ(Id3Genres[c.index], c.name) << c.index;
}

TEST(Id3v1, FieldsOfTheTag) {
    const TitleInfo info = readTagged(audio(1000) + v1Tag({.title = "Waterloo   ",
                                                           .artist = "ABBA",
                                                           .album = "Gold",
                                                           .year = "1974",
                                                           .comment = "Sch\xF6n",
                                                           .track = 5,
                                                           .genre = 13}));
    EXPECT_EQ(info.Titel, "Waterloo   ") << "trailing blanks are kept";
    EXPECT_EQ(info.Interpret, "ABBA");
    EXPECT_EQ(info.Album, "Gold");
    EXPECT_EQ(info.Jahr, "1974");
    EXPECT_EQ(info.Kommentar, "Sch\xC3\xB6n") << "ISO-8859-1 becomes UTF-8";
    EXPECT_EQ(info.Track, "5");
    EXPECT_EQ(info.Genre, "Pop");
}

TEST(Id3v1, EmptyFieldsAndFullFields) {
    // Empty title and artist keep the file name's; empty album, year, comment stay empty.
    const TitleInfo empty = readTagged(audio(300) + v1Tag({.genre = 255}));
    EXPECT_EQ(empty.Titel, "Name Titel");
    EXPECT_EQ(empty.Interpret, "Name Band");
    EXPECT_EQ(empty.Album, "");
    EXPECT_EQ(empty.Jahr, "");
    EXPECT_EQ(empty.Track, "1");
    EXPECT_EQ(empty.Genre, "Other");

    // Fields that fill their bytes: 30 for title, 28 of a 30-byte comment.
    const std::string t30(30, 'T'), c30 = std::string(28, 'c') + "xy";
    V1 full{.title = t30, .artist = t30, .album = t30, .year = "2001", .comment = c30};
    full.byte125 = static_cast<std::uint8_t>('x');  // comment bytes 29 and 30 are 'x', 'y'

    full.track = static_cast<std::uint8_t>('y');
    const TitleInfo info = readTagged(v1Tag(full));
    EXPECT_EQ(info.Titel, t30);
    EXPECT_EQ(info.Album, t30);
    EXPECT_EQ(info.Kommentar, std::string(28, 'c'));
    EXPECT_EQ(info.Track, "1") << "no zero byte before the track byte";
}

TEST(Id3v1, TrackAndGenreBytes) {
    struct Case { std::uint8_t byte125, track, genre; const char* wantTrack; const char* wantGenre; };
    const Case cases[] = {
        {0, 5, 12, "5", "Other"},    {0, 12, 82, "12", "Schlager"}, {0, 0, 126, "1", "Unknown"},
        {1, 9, 127, "1", "Unknown"}, {0, 255, 255, "255", "Other"}, {0, 1, 128, "1", "Other"},
        {0, 200, 0, "200", "Blues"},
    };
    for (const Case& c : cases) {
        const TitleInfo info =
            readTagged(audio(200) + v1Tag({.title = "T", .byte125 = c.byte125, .track = c.track, .genre = c.genre}));
        EXPECT_EQ(info.Track, c.wantTrack) << int(c.byte125) << "/" << int(c.track);
        EXPECT_EQ(info.Genre, c.wantGenre) << int(c.genre);
    }
}

TEST(Id3, YearAndTrackAreCleanedToDigits) {
    EXPECT_EQ(readTagged(audio(200) + v1Tag({.year = "19a9"})).Jahr, "19 9");
    EXPECT_EQ(readTagged(audio(200) + v1Tag({.year = "\xE9" "1-9"})).Jahr, " 1 9") << "a Latin-1 letter is one character";
    EXPECT_EQ(readTagged(audio(200) + v1Tag({.year = "99"})).Jahr, "99");

    const TitleInfo v2 = readTagged(v2Tag(frame("TRCK", "3/12") + frame("TYER", "2001-05")) + audio(500));
    EXPECT_EQ(v2.Track, "3 12") << "only the first two characters are cleaned";
    EXPECT_EQ(v2.Jahr, "2001-05");
    EXPECT_EQ(readTagged(v2Tag(frame("TRCK", "A")) + audio(500)).Track, " ");
}

TEST(Id3v2, KnownFramesFillTheirFields) {
    const Bytes frames = frame("TPE1", "Erster") + frame("TIT2", "Lied") + frame("TALB", "Platte") +
                         frame("TYER", "1999") + frame("TXXX", "Egal") + frame("TRCK", "4") + frame("TPE2", "Zweiter");
    const TitleInfo info = readTagged(v2Tag(frames) + audio(2000));
    EXPECT_EQ(info.Interpret, "Zweiter") << "TPE2 after TPE1 wins";
    EXPECT_EQ(info.Titel, "Lied");
    EXPECT_EQ(info.Album, "Platte");
    EXPECT_EQ(info.Jahr, "1999");
    EXPECT_EQ(info.Track, "4");
    EXPECT_EQ(info.Genre, "Other");

    // Bytes of ISO-8859-1 text become UTF-8.
    EXPECT_EQ(readTagged(v2Tag(frame("TIT2", "Gr\xFC\xDF" "e")) + audio(300)).Titel, "Gr\xC3\xBC\xC3\x9F" "e");
}

TEST(Id3v2, CommentLanguageCodeAndUtf16Bytes) {
    // enc 0, "deu", empty description: the language code is thrown away at k = 3.
    const Bytes comm = frameSized("COMM", {0, 0, 0, 14}, Bytes{0} + bytes("deu") + Bytes{0} + bytes("Super Hit"));
    EXPECT_EQ(readTagged(v2Tag(comm) + audio(300)).Kommentar, "Super Hit");
    // With a description the language code stays and the zero is dropped.
    const Bytes described = frameSized("COMM", {0, 0, 0, 11}, Bytes{0} + bytes("engAb") + Bytes{0} + bytes("Text"));
    EXPECT_EQ(readTagged(v2Tag(described) + audio(300)).Kommentar, "engAbText");

    // UTF-16 is not decoded: the encoding byte (1) is dropped, the byte-order
    // mark kept as two Latin-1 characters, the zero bytes dropped.
    const Bytes utf16 = frameSized("TIT2", {0, 0, 0, 9}, Bytes{1, 0xFF, 0xFE, 'A', 0, 'B', 0, 'C', 0});
    EXPECT_EQ(readTagged(v2Tag(utf16) + audio(300)).Titel, "\xC3\xBF\xC3\xBE" "ABC");
}

TEST(Id3v2, OnlyTheLowestSizeByteCounts) {
    // 00 00 01 2D is 301 bytes; the reader takes 45, so collects 44 text bytes.
    const Bytes big = frameSized("TIT2", {0, 0, 1, 0x2D}, Bytes{0} + bytes(std::string(300, 'x')));
    EXPECT_EQ(readTagged(v2Tag(big) + audio(300)).Titel, std::string(44, 'x'));
    // Sizes 0 and 1 carry no text; the file name's title stays.
    for (std::uint8_t s : {0, 1}) {
        const Bytes tiny = frameSized("TIT2", {0, 0, 0, s}, bytes("Q"));
        EXPECT_EQ(readTagged(v2Tag(tiny) + audio(300)).Titel, "Name Titel") << int(s);
    }
}

TEST(Id3v2, FramesBeyondPosition240AreNotSeen) {
    // A padding frame of content size S puts the next frame at position 10 + S.
    struct Case { std::uint8_t paddingSize; const char* titel; };
    for (const Case& c : {Case{200, "Gesehen"},       // frame at 210, text read whole
                          Case{220, "Ges"},           // frame at 230: text cut at position 244
                          Case{231, "Name Titel"}}) { // frame at 241: not read
        const Bytes padding = frameSized("TXXX", {0, 0, 0, c.paddingSize},
                                         Bytes{0} + bytes(std::string(c.paddingSize - 1, 'p')));
        EXPECT_EQ(readTagged(v2Tag(padding + frame("TIT2", "Gesehen")) + audio(1000)).Titel, c.titel)
            << int(c.paddingSize);
    }
}

TEST(Id3, Id3v1WinsOverId3v2) {
    const Bytes file = v2Tag(frame("TIT2", "V2 Titel") + frame("TALB", "V2 Album") + frame("TRCK", "9")) +
                       audio(5000) + v1Tag({.title = "V1 Titel", .genre = 82});
    const TitleInfo info = readTagged(file);
    EXPECT_EQ(info.Titel, "V1 Titel");
    EXPECT_EQ(info.Interpret, "Name Band") << "the empty v1 artist keeps the file name's";
    EXPECT_EQ(info.Album, "") << "the v2 tag is not looked at";
    EXPECT_EQ(info.Track, "1");
    EXPECT_EQ(info.Genre, "Schlager");
}

TEST(Id3, ShortAndOddFiles) {
    // Shorter than a tag: the file name's values, even with an ID3v2 header.
    const TitleInfo shortFile = readTagged(v2Tag(frame("TIT2", "Kurz")));
    EXPECT_EQ(shortFile.Titel, "Name Titel");
    EXPECT_EQ(shortFile.Track, "1");
    EXPECT_EQ(readTagged(Bytes{}).Titel, "Name Titel");

    // Exactly a tag and nothing else.
    EXPECT_EQ(readTagged(v1Tag({.title = "Nur Tag"})).Titel, "Nur Tag");

    // An ID3v2 tag in a file shorter than the frame walk: missing bytes count as zero.
    const Bytes cut = v2Tag(frame("TIT2", "Abgeschnitten") + frameSized("TALB", {0, 0, 0, 200}, bytes("xyzw")));
    const TitleInfo cutInfo = readTagged(cut + Bytes(128, 0));
    EXPECT_EQ(cutInfo.Titel, "Abgeschnitten");
    EXPECT_EQ(cutInfo.Album, "xyzw");

    // A short file read after a longer one does not see the longer one's bytes.
    const Bytes older = v2Tag(frame("TXXX", std::string(150, 'p')) + frame("TALB", "Alt")) + audio(200000);
    EXPECT_EQ(readTagged(older).Album, "Alt");
    const TitleInfo after = readTagged(v2Tag(frame("TIT2", "Neu")) + Bytes(116, 0));
    EXPECT_EQ(after.Titel, "Neu");
    EXPECT_EQ(after.Album, "");
}

TEST(Id3, MemoryLayerMatchesTheFileLayer) {
    const Bytes file = v2Tag(frame("TPE1", "Band") + frame("TIT2", "Lied")) + audio(150000);
    TitleInfo fromMemory;
    titleInfoFromFileName("x.mp3", fromMemory);
    readId3Tags(file.data(), file.size(), file.data() + file.size() - 128, fromMemory);
    const TitleInfo fromFile = readTagged(file, "x.mp3");
    EXPECT_EQ(fromMemory.Interpret, "Band");
    EXPECT_EQ(fromMemory.Titel, fromFile.Titel);
    EXPECT_EQ(fromMemory.Interpret, fromFile.Interpret);

    TitleInfo noTail;
    titleInfoFromFileName("A - B.mp3", noTail);
    readId3Tags(file.data(), file.size(), nullptr, noTail);
    EXPECT_EQ(noTail.Titel, "B");
}

}  // namespace
}  // namespace qb
