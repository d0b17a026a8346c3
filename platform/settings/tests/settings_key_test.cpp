#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/settings/memory_store.h"
#include "platform/settings/reg_file_store.h"
#include "platform/settings/settings_key.h"
#include "platform/testing/temp_home.h"

namespace qb {
namespace {

const std::string kKey = "Software\\Quillbrook\\Orvelia";
const std::vector<std::uint8_t> kStartBytes{0x9a, 0x99, 0x99, 0x99, 0x59, 0x2e, 0xe6, 0x40};

TEST(SettingsKey, TypedValuesRoundTripThroughTheFile) {
    RegFileStore store(testing::makeTempDir("reg"));
    SettingsKey out(store, kKey);
    EXPECT_FALSE(out.exists());
    out.setInteger("Left", -1280);
    out.setInteger("Height", 580);
    out.setBool("Zufall", true);
    out.setBool("Takeover", false);
    out.setString("Lied", "Die \"Ärzte\" \\ Männer");
    out.setString("Leer", "");
    out.setDateTime("Start", 45426.8);
    ASSERT_TRUE(out.write());

    SettingsKey in(store, kKey);
    EXPECT_TRUE(in.exists());
    int left = 0, height = 0;
    bool zufall = false, takeover = true;
    std::string lied, leer = "default";
    double start = 0;
    EXPECT_TRUE(in.readInteger("Left", left));
    EXPECT_TRUE(in.readInteger("Height", height));
    EXPECT_TRUE(in.readBool("Zufall", zufall));
    EXPECT_TRUE(in.readBool("Takeover", takeover));
    EXPECT_TRUE(in.readString("Lied", lied));
    EXPECT_TRUE(in.readString("Leer", leer));
    EXPECT_TRUE(in.readDateTime("Start", start));
    EXPECT_EQ(left, -1280);
    EXPECT_EQ(height, 580);
    EXPECT_TRUE(zufall);
    EXPECT_FALSE(takeover);
    EXPECT_EQ(lied, "Die \"Ärzte\" \\ Männer");
    EXPECT_EQ(leer, "");
    EXPECT_EQ(start, 45426.8);
    // The date-time is the little-endian double, as the file stores "Start".
    EXPECT_EQ(store.readKey(kKey)->at("Start"), RegValue::ofBinary(kStartBytes));
}

TEST(SettingsKey, ValuesOfAnotherTypeOrShapeAreNotTaken) {
    MemoryStore store;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    ASSERT_TRUE(store.writeValues(kKey, {{"IntAsString", RegValue::ofString("10")},
                                         {"StringAsInt", RegValue::ofDword(1)},
                                         {"BoolAsBinary", RegValue::ofBinary({1, 0, 0, 0})},
                                         {"DateShort", RegValue::ofBinary({0x9a, 0x99, 0x99, 0x99, 0x59, 0x2e, 0xe6})},
                                         {"DateLong", RegValue::ofBinary({0, 0, 0, 0, 0, 0, 0, 0, 0})},
                                         {"DateAsDword", RegValue::ofDword(45426)},
                                         {"DateNaN", RegValue::ofBinary(SettingsKey::dateTimeBytes(nan))},
                                         {"DateInf", RegValue::ofBinary(SettingsKey::dateTimeBytes(INFINITY))}}));
    SettingsKey key(store, kKey);
    int i = 64;
    bool b = false;
    std::string s = "default";
    double d = 1.5;
    EXPECT_FALSE(key.readInteger("IntAsString", i));
    EXPECT_FALSE(key.readInteger("Missing", i));
    EXPECT_FALSE(key.readString("StringAsInt", s));
    EXPECT_FALSE(key.readBool("BoolAsBinary", b));
    for (const char* name : {"DateShort", "DateLong", "DateAsDword", "DateNaN", "DateInf", "Missing"}) {
        EXPECT_FALSE(key.readDateTime(name, d)) << name;
    }
    EXPECT_EQ(i, 64);
    EXPECT_FALSE(b);
    EXPECT_EQ(s, "default");
    EXPECT_EQ(d, 1.5);
}

TEST(SettingsKey, BooleansAreDwordsAndAnyNonZeroIsTrue) {
    MemoryStore store;
    ASSERT_TRUE(store.writeValues(kKey, {{"Zero", RegValue::ofDword(0)},
                                         {"One", RegValue::ofDword(1)},
                                         {"Big", RegValue::ofDword(0x80000000)}}));
    SettingsKey key(store, kKey);
    for (const auto& [name, expected] : {std::pair{"Zero", false}, {"One", true}, {"Big", true}}) {
        bool v = !expected;
        EXPECT_TRUE(key.readBool(name, v)) << name;
        EXPECT_EQ(v, expected) << name;
    }
    key.setBool("Set", true);
    ASSERT_TRUE(key.write());
    EXPECT_EQ(store.readKey(kKey)->at("Set"), RegValue::ofDword(1));
}

TEST(SettingsKey, WriteSendsEverythingSetInOneWrite) {
    MemoryStore store;
    ASSERT_TRUE(store.writeValues(kKey, {{"Other", RegValue::ofString("bleibt")}}));
    SettingsKey key(store, kKey);
    EXPECT_TRUE(key.write());  // nothing set: nothing written
    EXPECT_EQ(store.writeCount(), 1);
    key.setInteger("Top", 1);
    key.setInteger("top", 2);  // same value, other spelling: one value
    key.setString("Lied", "x");

    store.setWritable(false);
    EXPECT_FALSE(key.write());
    int top = 0;
    EXPECT_FALSE(key.readInteger("Top", top));
    store.setWritable(true);
    ASSERT_TRUE(key.write());  // what failed is written on the next try
    EXPECT_EQ(store.writeCount(), 2);
    EXPECT_EQ(*store.readKey(kKey), (RegValues{{"Other", RegValue::ofString("bleibt")},
                                               {"top", RegValue::ofDword(2)},
                                               {"Lied", RegValue::ofString("x")}}));
    EXPECT_TRUE(key.readInteger("Top", top));
    EXPECT_EQ(top, 2);
    EXPECT_TRUE(key.write());
    EXPECT_EQ(store.writeCount(), 2);
}

}  // namespace
}  // namespace qb
