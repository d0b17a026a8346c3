// The close question and what is written at close.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/core/text.h"
#include "platform/settings/reg_format.h"
#include "tonello/player/tests/tonello_harness.h"

namespace qb::tonello::testing {
namespace {

namespace fs = std::filesystem;
using Type = RegValue::Type;

RegValues storedValues(Machine& m) {
    auto values = m.settings.readKey(kSettingsKey);
    return values ? *values : RegValues{};
}

TEST(TonelloClose, JaWritesEveryValueWithItsTypeAndEnds) {
    Machine m;
    // The preview's sound card is written by someone else and must stay.
    ASSERT_TRUE(m.settings.writeValues(kSettingsKey, {{"PreviewSD", RegValue::ofString("USB Audio")}}));
    int posted = 0;
    std::vector<std::uint32_t> toPreview, toPadlink;
    m.messages.registerWindow("Preview", [&](const WindowMessage& msg) { toPreview.push_back(msg.wParam); ++posted; return 0; });
    m.messages.registerWindow("Padlink", [&](const WindowMessage& msg) { toPadlink.push_back(msg.wParam); ++posted; return 0; });
    Tonello t(m);
    ASSERT_TRUE(t.program.start());
    const std::string deck = t.form().DeckFiles[0];
    std::ofstream(deck) << "copy";

    EXPECT_TRUE(t.closeAnswering(mrYes));
    m.loop.advance(10);
    EXPECT_TRUE(m.loop.quitRequested());
    EXPECT_EQ(m.loop.exitCode(), 0);
    EXPECT_EQ(toPreview, (std::vector<std::uint32_t>{3}));
    EXPECT_EQ(toPadlink.back(), 3u);
    EXPECT_FALSE(fs::exists(deck));
    EXPECT_FALSE(t.outputView->isOpen(-1));
    EXPECT_EQ(m.messages.findWindow("Orvelia"), 0u);

    const ScriptedDialogs& d = t.dialogs;
    ASSERT_EQ(d.count(DialogKind::Modal), 1);
    EXPECT_EQ(d.last(DialogKind::Modal)->caption, "Achtung");

    const RegValues v = storedValues(m);
    const std::pair<const char*, Type> table[] = {
        {"Top", Type::Dword},         {"Left", Type::Dword},         {"Height", Type::Dword},
        {"Width", Type::Dword},       {"Ueberblend", Type::Dword},   {"Lautstaerke", Type::Dword},
        {"Zufall", Type::Dword},      {"Takeover", Type::Dword},     {"Takeoverls", Type::Dword},
        {"Suchmethode", Type::Dword}, {"Musikordner", Type::String}, {"Musikspeichernordner", Type::String},
        {"Playlist", Type::String},   {"Anzahl", Type::Dword},       {"Lied", Type::String},
        {"Start", Type::Binary},      {"Datum", Type::String},       {"EqTop", Type::Dword},
        {"EqLeft", Type::Dword},      {"EqEin", Type::Dword},        {"Eq80", Type::Dword},
        {"Eq250", Type::Dword},       {"Eq1k", Type::Dword},         {"Eq4k", Type::Dword},
        {"Eq15k", Type::Dword},       {"PreviewSD", Type::String}};
    for (const auto& [name, type] : table) {
        auto it = v.find(name);
        ASSERT_NE(it, v.end()) << name;
        EXPECT_EQ(it->second.type, type) << name;
    }
    EXPECT_EQ(v.size(), std::size(table));
    EXPECT_EQ(v.at("Start").bin.size(), 8u);
    EXPECT_EQ(v.at("Width").dword, 800u);
    EXPECT_EQ(v.at("Height").dword, 580u);
    EXPECT_EQ(v.at("Ueberblend").dword, 10u);
    EXPECT_EQ(v.at("Lautstaerke").dword, 64u);
    EXPECT_EQ(v.at("Musikordner").str, m.home + "/Music");
    EXPECT_EQ(v.at("PreviewSD").str, "USB Audio");
    EXPECT_EQ(v.at("Datum").str, "11.12.2026 20:00:00");

    // The file itself is the text form of the key, with the types spelled out.
    std::string file;
    ASSERT_TRUE(text::readFile(m.settingsFile(), file));
    EXPECT_NE(file.find("\"Width\"=dword:00000320"), std::string::npos);
    EXPECT_NE(file.find("\"Start\"=hex:"), std::string::npos);
    EXPECT_NE(file.find("\"Lied\"=\"\""), std::string::npos);
}

TEST(TonelloClose, NeinKeepsRunningWithTheSettingsAlreadyWritten) {
    Machine m;
    ASSERT_TRUE(m.settings.writeValues(kSettingsKey, {{"Ueberblend", RegValue::ofString("30")},
                                                      {"Musikordner", RegValue::ofString("/gibt/es/nicht")}}));
    Tonello t(m);
    ASSERT_TRUE(t.program.start());
    t.form().LsTrackBar.setPosition(90);
    t.form().setBounds(15, 25, 900, 600);

    EXPECT_FALSE(t.closeAnswering(mrNo));
    m.loop.advance(10);
    EXPECT_FALSE(m.loop.quitRequested());
    EXPECT_TRUE(t.form().visible());
    EXPECT_TRUE(t.outputView->isOpen(-1));
    EXPECT_NE(m.messages.findWindow("Orvelia"), 0u);

    const RegValues v = storedValues(m);
    EXPECT_EQ(v.at("Lautstaerke").dword, 90u);
    EXPECT_EQ(v.at("Left").dword, 15u);
    EXPECT_EQ(v.at("Width").dword, 900u);
    // The wrongly typed value is written back with its own type and default.
    EXPECT_EQ(v.at("Ueberblend").type, Type::Dword);
    EXPECT_EQ(v.at("Ueberblend").dword, 10u);
    // The missing music folder gave way to the user's music folder.
    EXPECT_EQ(v.at("Musikordner").str, m.home + "/Music");

    // Closing later with "Ja" ends it.
    EXPECT_TRUE(t.closeAnswering(mrYes));
}

TEST(TonelloClose, EscapeOrReturnInTheQuestionMeanNein) {
    Machine m;
    Tonello t(m);
    ASSERT_TRUE(t.program.start());
    for (int k : {key::Escape, key::Return}) {
        t.dialogs.answerModal([k](Form& f) { f.keyDown(k, 0); });
        EXPECT_FALSE(t.form().close()) << k;
    }
    EXPECT_FALSE(m.loop.quitRequested());
}

TEST(TonelloClose, SessionEndClosesWithoutAskingAfterWritingSettings) {
    Machine m;
    Tonello t(m);
    ASSERT_TRUE(t.program.start());
    t.form().LsTrackBar.setPosition(3);
    t.form().sessionEnd();
    m.loop.advance(10);
    EXPECT_EQ(t.dialogs.count(DialogKind::Modal), 0);
    EXPECT_TRUE(m.loop.quitRequested());
    EXPECT_EQ(storedValues(m).at("Lautstaerke").dword, 3u);
}

}  // namespace
}  // namespace qb::tonello::testing
