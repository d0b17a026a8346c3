#include "tonello/library/title_record.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>

namespace qb {
namespace {

TitleRecordBytes patternBytes() {
    TitleRecordBytes b;
    for (std::size_t i = 0; i < b.size(); ++i) b[i] = static_cast<std::uint8_t>(i * 37 + 11);
    return b;
}

std::string hexAt(const TitleRecordBytes& b, std::size_t offset, std::size_t n) {
    std::string out;
    char buf[4];
    for (std::size_t i = 0; i < n; ++i) {
        std::snprintf(buf, sizeof buf, i ? " %02x" : "%02x", b[offset + i]);
        out += buf;
    }
    return out;
}

TEST(TitleRecord, EncodesTheFixedLayout) {
    TitleRecord r;
    r.Interpret = "AB";
    r.Titel = "Cd";
    r.Genre = "Pop";
    r.Liste = "Rock";
    r.Gespielt = 45000.5;
    r.Intro = 1500;
    r.Outro = -2;
    r.Pfad = "/m/x.mp3";
    const TitleRecordBytes b = encodeTitleRecord(r);

    // Offset -> the bytes expected there; every other byte is zero.
    const std::map<std::size_t, std::string> fixture = {
        {0, "02 41 42"},
        {32, "02 43 64"},
        {64, "03 50 6f 70"},
        {80, "04 52 6f 63 6b"},
        {88, "00 00 00 00 10 f9 e5 40"},
        {112, "dc 05 00 00"},
        {116, "fe ff ff ff"},
        {128, "08 2f 6d 2f 78 2e 6d 70 33"},
    };
    TitleRecordBytes covered{};
    for (const auto& [offset, hex] : fixture) {
        const std::size_t n = (hex.size() + 1) / 3;
        EXPECT_EQ(hexAt(b, offset, n), hex) << "at offset " << offset;
        for (std::size_t i = 0; i < n; ++i) covered[offset + i] = 1;
    }
    for (std::size_t i = 0; i < b.size(); ++i)
        if (!covered[i]) {
            EXPECT_EQ(b[i], 0) << "byte " << i;
        }

    const TitleRecord back = decodeTitleRecord(b.data());
    EXPECT_EQ(back.Interpret, "AB");
    EXPECT_EQ(back.Titel, "Cd");
    EXPECT_EQ(back.Genre, "Pop");
    EXPECT_EQ(back.Liste, "Rock");
    EXPECT_EQ(back.Gespielt, 45000.5);
    EXPECT_EQ(back.Intro, 1500);
    EXPECT_EQ(back.Outro, -2);
    EXPECT_EQ(back.Pfad, "/m/x.mp3");
}

TEST(TitleRecord, ChangingOneFieldKeepsEveryOtherByte) {
    const TitleRecordBytes original = patternBytes();
    const TitleRecord decoded = decodeTitleRecord(original.data());
    EXPECT_EQ(encodeTitleRecord(decoded), original) << "an unchanged record must encode to its own bytes";

    struct Case {
        const char* what;
        void (*change)(TitleRecord&);
        std::size_t from, to;  // the only bytes allowed to differ: [from, to)
    };
    const Case cases[] = {
        {"Gespielt", [](TitleRecord& r) { r.Gespielt = 45123.75; }, 88, 96},
        {"Intro", [](TitleRecord& r) { r.Intro = 12345; }, 112, 116},
        {"Outro", [](TitleRecord& r) { r.Outro = 3001; }, 116, 120},
        {"Titel", [](TitleRecord& r) { r.Titel = "Neu"; }, 32, 64},
        {"Pfad", [](TitleRecord& r) { r.Pfad = "/x"; }, 128, 384},
    };
    for (const Case& c : cases) {
        TitleRecord r = decoded;
        c.change(r);
        const TitleRecordBytes b = encodeTitleRecord(r);
        for (std::size_t i = 0; i < b.size(); ++i)
            if (i < c.from || i >= c.to) {
                EXPECT_EQ(b[i], original[i]) << c.what << ": byte " << i;
            }
    }

    // A changed string is written as length + bytes with zeros behind it.
    TitleRecord r = decoded;
    r.Titel = "Neu";
    const TitleRecordBytes b = encodeTitleRecord(r);
    EXPECT_EQ(hexAt(b, 32, 4), "03 4e 65 75");
    for (std::size_t i = 36; i < 64; ++i) EXPECT_EQ(b[i], 0) << i;
}

TEST(TitleRecord, StringsAreCutAtWholeCharactersToTheirByteLimit) {
    const std::string a30(30, 'a');
    const std::string umlaut = "\xC3\xA4";  // "ä", two bytes
    struct Case {
        std::string TitleRecord::*field;
        std::string value, stored;
    };
    const Case cases[] = {
        {&TitleRecord::Interpret, a30 + umlaut, a30},      // 32 bytes: "ä" does not fit whole
        {&TitleRecord::Interpret, a30 + "b", a30 + "b"},   // exactly 31
        {&TitleRecord::Titel, std::string(29, 'x') + umlaut + "y", std::string(29, 'x') + umlaut},
        {&TitleRecord::Genre, "Schlager und Volksmusik", "Schlager und Vo"},
        {&TitleRecord::Liste, "Ro" + umlaut + umlaut + umlaut, "Ro" + umlaut + umlaut},  // 8 bytes -> 6
        {&TitleRecord::Pfad, std::string(300, 'p'), std::string(255, 'p')},
    };
    for (const Case& c : cases) {
        TitleRecord r;
        r.*c.field = c.value;
        const TitleRecord back = decodeTitleRecord(encodeTitleRecord(r).data());
        EXPECT_EQ(back.*c.field, c.stored) << c.value;
    }
}

TEST(TitleRecord, OversizedLengthByteIsReadAsTheFieldLimit) {
    TitleRecordBytes b{};
    b[64] = 200;  // Genre claims 200 bytes in a 16-byte field
    for (std::size_t i = 65; i < 80; ++i) b[i] = 'g';
    b[80] = 'L';  // first byte of Liste, must not leak into Genre
    const TitleRecord r = decodeTitleRecord(b.data());
    EXPECT_EQ(r.Genre, std::string(15, 'g'));
    EXPECT_EQ(encodeTitleRecord(r), b) << "the stored length byte is carried over unchanged";
}

}  // namespace
}  // namespace qb
