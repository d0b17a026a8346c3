#include "tonello/library/list_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/testing/temp_home.h"

namespace qb {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// n records of a byte pattern that fills every byte, reserved ones included.
std::vector<std::uint8_t> patternFile(std::size_t records, std::size_t extra = 0) {
    std::vector<std::uint8_t> b(records * kTitleRecordSize + extra);
    for (std::size_t i = 0; i < b.size(); ++i) b[i] = static_cast<std::uint8_t>((i * 131 + 7) % 251);
    return b;
}

TitleRecord titleNumber(int k) {
    TitleRecord r;
    r.Interpret = "Interpret " + std::to_string(k);
    r.Titel = "Titel " + std::to_string(k);
    r.Intro = k;
    r.Pfad = "/musik/" + std::to_string(k) + ".mp3";
    return r;
}

TEST(ListFile, ThousandTitlesAreThousandRecordsOf384Bytes) {
    const std::string path = testing::makeTempDir() + "/DateilisteRock.dat";
    ASSERT_TRUE(createEmptyListFile(path));
    for (int k = 0; k < 1000; ++k) ASSERT_TRUE(appendTitleRecord(path, titleNumber(k)));

    EXPECT_EQ(fs::file_size(path), 384000u);
    EXPECT_EQ(listFileRecordCount(path), 1000u);
    const auto bytes = fileBytes(path);
    const TitleRecord at383616 = decodeTitleRecord(bytes.data() + 383616);
    EXPECT_EQ(at383616.Titel, "Titel 999");
    EXPECT_EQ(at383616.Intro, 999);

    const auto r999 = readTitleRecord(path, 999);
    ASSERT_TRUE(r999);
    EXPECT_EQ(r999->Titel, "Titel 999");
    EXPECT_EQ(r999->Pfad, "/musik/999.mp3");
    EXPECT_FALSE(readTitleRecord(path, 1000));

    std::vector<TitleRecord> all;
    ASSERT_TRUE(readAllTitleRecords(path, all));
    ASSERT_EQ(all.size(), 1000u);
    EXPECT_EQ(all[500].Interpret, "Interpret 500");
}

TEST(ListFile, EmptyFileIsAnEmptyPage) {
    const std::string path = testing::makeTempDir() + "/Dateiliste.dat";
    writeBytes(path, patternFile(2));
    ASSERT_TRUE(createEmptyListFile(path)) << "creating empties an existing file";
    EXPECT_EQ(fs::file_size(path), 0u);
    EXPECT_EQ(listFileRecordCount(path), 0u);
    EXPECT_FALSE(readTitleRecord(path, 0));
    EXPECT_FALSE(rewriteTitleRecord(path, 0, [](TitleRecord& r) { r.Intro = 1; }));
    std::vector<TitleRecord> all{TitleRecord{}};
    ASSERT_TRUE(readAllTitleRecords(path, all));
    EXPECT_TRUE(all.empty());
}

TEST(ListFile, RewritingOneFieldKeepsEveryOtherByteOfTheFile) {
    const std::string path = testing::makeTempDir() + "/DateilisteMix.dat";
    const auto original = patternFile(3);
    writeBytes(path, original);

    // Tonello logs a start, the preview sets an end point: two writers, two fields.
    ASSERT_TRUE(rewriteTitleRecord(path, 1, [](TitleRecord& r) { r.Gespielt = 45321.875; }));
    ASSERT_TRUE(rewriteTitleRecord(path, 1, [](TitleRecord& r) { r.Outro = 187000; }));
    const auto after = fileBytes(path);
    ASSERT_EQ(after.size(), original.size());
    const std::size_t base = kTitleRecordSize;
    for (std::size_t i = 0; i < after.size(); ++i) {
        const bool gespielt = i >= base + 88 && i < base + 96;
        const bool outro = i >= base + 116 && i < base + 120;
        if (!gespielt && !outro) {
            EXPECT_EQ(after[i], original[i]) << "byte " << i;
        }
    }
    const auto r = readTitleRecord(path, 1);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->Gespielt, 45321.875);
    EXPECT_EQ(r->Outro, 187000);
}

TEST(ListFile, PartialRecordAtTheEndIsNotARecord) {
    const std::string path = testing::makeTempDir() + "/DateilisteKurz.dat";
    writeBytes(path, patternFile(2, 100));  // 868 bytes
    EXPECT_EQ(listFileRecordCount(path), 2u);
    EXPECT_TRUE(readTitleRecord(path, 1));
    EXPECT_FALSE(readTitleRecord(path, 2)) << "only 100 bytes of record 2 exist";
    EXPECT_FALSE(rewriteTitleRecord(path, 2, [](TitleRecord& rec) { rec.Intro = 5; }));
    EXPECT_EQ(fs::file_size(path), 868u) << "a failed rewrite writes nothing";
    std::vector<TitleRecord> all;
    ASSERT_TRUE(readAllTitleRecords(path, all));
    EXPECT_EQ(all.size(), 2u);

    // Appending writes at the record count, over the partial record.
    ASSERT_TRUE(appendTitleRecord(path, titleNumber(42)));
    EXPECT_EQ(fs::file_size(path), 3 * kTitleRecordSize);
    const auto r = readTitleRecord(path, 2);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->Titel, "Titel 42");
}

TEST(ListFile, MissingFileFailsEveryOperation) {
    const std::string path = testing::makeTempDir() + "/DateilisteFehlt.dat";
    EXPECT_FALSE(listFileRecordCount(path));
    EXPECT_FALSE(readTitleRecord(path, 0));
    EXPECT_FALSE(rewriteTitleRecord(path, 0, [](TitleRecord& r) { r.Intro = 1; }));
    EXPECT_FALSE(appendTitleRecord(path, titleNumber(1)));
    EXPECT_FALSE(fs::exists(path)) << "appending must not create the file";
    std::vector<TitleRecord> all{titleNumber(7)};
    EXPECT_FALSE(readAllTitleRecords(path, all));
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].Titel, "Titel 7");
    EXPECT_FALSE(createEmptyListFile(path + ".nope/x.dat"));
}

}  // namespace
}  // namespace qb
