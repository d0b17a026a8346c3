#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "platform/settings/reg_format.h"

namespace qb {
namespace {

const char* const kFixture =
    "REGEDIT4\n"
    "\n"
    "[HKEY_CURRENT_USER\\Software\\Quillbrook\\Orvelia]\n"
    "\"Lied\"=\"Die \\\"Ärzte\\\" - C:\\\\Weg\"\n"
    "\"Musikordner\"=\"/home/dj/Musik\"\n"
    "\"Start\"=hex:9a,99,99,99,59,2e,e6,40\n"
    "\"Top\"=dword:0000000a\n";

reg::Section fixtureSection() {
    return reg::Section{"Software\\Quillbrook\\Orvelia",
                        {{"Top", RegValue::ofDword(10)},
                         {"Musikordner", RegValue::ofString("/home/dj/Musik")},
                         {"Lied", RegValue::ofString("Die \"Ärzte\" - C:\\Weg")},
                         {"Start", RegValue::ofBinary({0x9a, 0x99, 0x99, 0x99, 0x59, 0x2e, 0xe6, 0x40})}}};
}

TEST(RegFormat, WritesTheExactTextAndReadsItBack) {
    EXPECT_EQ(reg::format({fixtureSection()}), kFixture);
    const auto sections = reg::parse(kFixture);
    ASSERT_EQ(sections.size(), 1u);
    EXPECT_EQ(sections[0].key, "Software\\Quillbrook\\Orvelia");
    EXPECT_EQ(sections[0].values, fixtureSection().values);
}

TEST(RegFormat, StringsRoundTrip) {
    const std::string cases[] = {"",          "\"",           "\\",        "ends in backslash\\", "\\\"mixed\\\\\"",
                                 "Äöüß €",    "two\nlines\r", "tab\tin",   "  blanks  ",          "=[]@;"};
    RegValues values;
    int i = 0;
    for (const auto& s : cases) values["v" + std::to_string(i++)] = RegValue::ofString(s);
    values[""] = RegValue::ofString("default value");
    values["name with \"quotes\" and \\"] = RegValue::ofDword(0xffffffff);
    const std::string text = reg::format({reg::Section{"K", values}});
    const auto back = reg::parse(text);
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(back[0].values, values);
    // Every value sits on its own line.
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), static_cast<long>(values.size()) + 3);
}

TEST(RegFormat, ReadsTolerantly) {
    const std::string text =
        "\xEF\xBB\xBFREGEDIT4\r\n"
        "\r\n"
        "; a comment\r\n"
        "\"Before\"=dword:00000001\r\n"  // no section yet: skipped
        "[hkey_current_user\\software\\quillbrook\\orvelia]\r\n"
        "  \"Indented\" = dword:0000002A  \r\n"
        "\"Upper\"=DWORD:FFFFFFFF\r\n"
        "\"Short\"=dword:1\r\n"
        "\"Long\"=dword:000000001\r\n"
        "\"NotHex\"=dword:0000000g\r\n"
        "\"Open\"=\"no end\r\n"
        "\"Trailing\"=\"x\" y\r\n"
        "\"Wide\"=hex(2):41,00\r\n"
        "\"Deleted\"=-\r\n"
        "\"BadByte\"=hex:1,2zz\r\n"
        "\"Wrapped\"=hex:01,02,\\\r\n"
        "  03,04\r\n"
        "\"Empty\"=hex:\r\n"
        "\"NoEquals\" dword:00000001\r\n"
        "\"Twice\"=dword:00000001\r\n"
        "\"TWICE\"=dword:00000002\r\n"
        "garbage line\r\n"
        "[-HKEY_CURRENT_USER\\Gone]\r\n"
        "\"InDeleted\"=dword:00000001\r\n"
        "[Unclosed\r\n"
        "\"AfterUnclosed\"=dword:00000001\r\n"
        "[HKEY_CURRENT_USER\\Software\\Quillbrook\\Orvelia]\r\n"
        "\"Again\"=\"same key\"";
    const auto sections = reg::parse(text);
    ASSERT_EQ(sections.size(), 1u);
    const RegValues expected{{"Indented", RegValue::ofDword(42)},
                             {"Upper", RegValue::ofDword(0xffffffff)},
                             {"Wrapped", RegValue::ofBinary({1, 2, 3, 4})},
                             {"Empty", RegValue::ofBinary({})},
                             {"TWICE", RegValue::ofDword(2)},
                             {"Again", RegValue::ofString("same key")}};
    EXPECT_EQ(sections[0].values, expected);
}

TEST(RegFormat, TruncatedTextNeverGivesAWrongValue) {
    const RegValues original = fixtureSection().values;
    const std::string text = kFixture;
    for (std::size_t n = 0; n <= text.size(); ++n) {
        const auto sections = reg::parse(std::string_view(text).substr(0, n));
        for (const auto& s : sections) {
            for (const auto& [name, v] : s.values) {
                ASSERT_TRUE(original.count(name)) << n;
                const RegValue& o = original.at(name);
                if (v.type == RegValue::Type::Binary) {
                    EXPECT_LE(v.bin.size(), o.bin.size()) << n;
                } else {
                    EXPECT_EQ(v, o) << name << " cut at " << n;
                }
            }
        }
    }
}

TEST(RegFormat, RandomBytesDoNotCrash) {
    std::mt19937 rng(7);
    const std::string alphabet = "[]\"\\=@:,\r\n-hexdword0123456789abcdefHKEY_CURRENT_USER\xff\xc3";
    for (int round = 0; round < 2000; ++round) {
        std::string text;
        const int len = static_cast<int>(rng() % 200);
        for (int i = 0; i < len; ++i) {
            text += (rng() % 4 == 0) ? static_cast<char>(rng() % 256) : alphabet[rng() % alphabet.size()];
        }
        const auto sections = reg::parse(text);
        // Whatever was read is written and read back unchanged.
        EXPECT_EQ(reg::parse(reg::format(sections)).size(), sections.size());
    }
}

TEST(RegFormat, MergeReplacesNamesRegardlessOfCase) {
    RegValues v{{"EqEin", RegValue::ofDword(0)}, {"Top", RegValue::ofDword(5)}};
    reg::merge(v, {{"eqein", RegValue::ofDword(1)}});
    EXPECT_EQ(v, (RegValues{{"eqein", RegValue::ofDword(1)}, {"Top", RegValue::ofDword(5)}}));
    ASSERT_NE(reg::find(v, "EQEIN"), nullptr);
    EXPECT_EQ(reg::find(v, "EQEIN")->dword, 1u);
    EXPECT_EQ(reg::find(v, "Left"), nullptr);
}

}  // namespace
}  // namespace qb
