// Start-up of the main window: folders, defaults, stored settings, the play
// log, the sound output and the designed window.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/core/datetime.h"
#include "platform/settings/settings_key.h"
#include "tonello/player/tests/tonello_harness.h"

namespace qb::tonello::testing {
namespace {

namespace fs = std::filesystem;

void store(Machine& m, const RegValues& values) {
    ASSERT_TRUE(m.settings.writeValues(kSettingsKey, values));
}

TEST(TonelloStartup, WithoutStoredSettingsTheDesignedDefaultsHold) {
    Machine m;
    const std::string data = m.home + "/.local/share/Quillbrook/Orvelia";
    Tonello t(m);
    ASSERT_TRUE(t.program.start());
    TMPlayForm& f = t.form();

    EXPECT_EQ(f.bounds(), (Rect{0, 0, 800, 580}));
    EXPECT_EQ(f.caption(), "Orvelia");
    EXPECT_EQ(f.UeberblendLabel.caption(), " 5.0 Sek");
    EXPECT_EQ(f.UeberblendScrollBar.position(), 10);
    EXPECT_EQ(f.LsTrackBar.position(), 64);
    EXPECT_EQ(f.StatusBar1.panelText(1), "QUILLBROOK");
    EXPECT_TRUE(f.visible());

    EXPECT_TRUE(fs::is_directory(data));
    EXPECT_TRUE(fs::is_directory(m.home + "/Documents/Orvelia"));
    EXPECT_TRUE(f.FirstRun);
    EXPECT_EQ(f.MusicFolder, m.home + "/Music");
    EXPECT_EQ(f.DownloadFolder2, m.home + "/Music/Amazon MP3");
    EXPECT_EQ(f.PlayOpenDialog.fileName, m.home + "/Documents/Orvelia/Playlist.txt");
    EXPECT_EQ(f.DeckFiles[3], data + "/Play4.mp3");

    // The evening's log: 20:00 on 11 Dec 2026 gives the log of that day.
    EXPECT_EQ(f.PlayLogFile, m.home + "/Documents/Orvelia/Playlog_20261211.log");
    EXPECT_TRUE(fs::exists(f.PlayLogFile));
    EXPECT_EQ(fs::file_size(f.PlayLogFile), 0u);

    // Sound: the default device is open, position 64 gives (127 − 64) × 512.
    EXPECT_TRUE(t.outputView->isOpen(-1));
    EXPECT_NEAR(t.audio->outputGainLeft(), 63.0 * 512 / 65535, 1e-6);
    EXPECT_EQ(t.dialogs.count(DialogKind::Message), 0);

    // The second window made is the info window, which marks the instance.
    EXPECT_NE(m.messages.findWindow("Info Orvelia"), 0u);
    EXPECT_NE(m.messages.findWindow("Orvelia"), 0u);
    EXPECT_EQ(t.program.EqForm->caption(), "Eqalizer");
    EXPECT_EQ(t.program.CopyForm->caption(), "Kopiere Datei");
    EXPECT_EQ(t.program.HelpForm->caption(), "Hilfe");
    EXPECT_FALSE(t.program.AboutBox->visible());
}

TEST(TonelloStartup, StoredSettingsAreTakenOnlyWithTheirTypes) {
    Machine m;
    const std::string saveDir = m.home + "/Export";
    fs::create_directories(saveDir);
    store(m, {{"Top", RegValue::ofDword(40)},
              {"Left", RegValue::ofDword(static_cast<std::uint32_t>(-20))},
              {"Width", RegValue::ofDword(1024)},
              {"Height", RegValue::ofDword(700)},
              {"Ueberblend", RegValue::ofString("30")},      // wrong type: ignored
              {"Lautstaerke", RegValue::ofDword(100)},
              {"Zufall", RegValue::ofString("1")},           // wrong type: ignored
              {"Takeoverls", RegValue::ofDword(70)},
              {"Musikordner", RegValue::ofString(m.home + "/weg")},  // no longer there
              {"Musikspeichernordner", RegValue::ofString(saveDir)},
              {"Anzahl", RegValue::ofDword(1234)},
              {"Lied", RegValue::ofString("Nena - 99 Luftballons")},
              {"Start", RegValue::ofBinary(SettingsKey::dateTimeBytes(46000.75))},
              {"Eq1k", RegValue::ofDword(static_cast<std::uint32_t>(-6))},
              {"EqEin", RegValue::ofDword(1)}});
    Tonello t(m);
    ASSERT_TRUE(t.program.start());
    TMPlayForm& f = t.form();

    EXPECT_EQ(f.bounds(), (Rect{-20, 40, 1004, 740}));
    EXPECT_EQ(f.UeberblendScrollBar.position(), 10);
    EXPECT_EQ(f.UeberblendLabel.caption(), " 5.0 Sek");
    EXPECT_EQ(f.LsTrackBar.position(), 100);
    EXPECT_NEAR(t.audio->outputGainLeft(), 27.0 * 512 / 65535, 1e-6);
    EXPECT_FALSE(f.ZufallCheckBox.checked());
    EXPECT_EQ(f.TOLSTrackBar.position(), 70);
    EXPECT_EQ(f.MusicFolder, m.home + "/Music");
    EXPECT_EQ(f.MusikSaveDialog.initialDir, saveDir);
    EXPECT_EQ(f.Anzahl, 1234);
    EXPECT_EQ(f.Lied, "Nena - 99 Luftballons");
    EXPECT_DOUBLE_EQ(f.StartTime, 46000.75);
    EXPECT_TRUE(t.program.EqForm->EqCheckBox.checked());
    EXPECT_EQ(t.program.EqForm->TrackBar1k.position(), -6);
    EXPECT_EQ(t.program.EqForm->Label1kx.caption(), "6dB");
    EXPECT_TRUE(t.program.EqForm->TrackBar80.enabled());
}

TEST(TonelloStartup, CrossFadeLabelFollowsTheScrollBar) {
    Machine m;
    Tonello t(m);
    ASSERT_TRUE(t.program.start());
    struct Case { int position; const char* label; };
    for (const Case& c : {Case{2, " 1.0 Sek"}, Case{59, "29.5 Sek"}, Case{60, "90.0 Sek"}, Case{10, " 5.0 Sek"}}) {
        t.form().UeberblendScrollBar.setPosition(c.position);
        EXPECT_EQ(t.form().UeberblendLabel.caption(), c.label) << c.position;
    }
}

TEST(TonelloStartup, OldDeckCopiesGoAndAnExistingLogIsKept) {
    Machine m;
    const std::string data = m.home + "/.local/share/Quillbrook/Orvelia";
    const std::string docs = m.home + "/Documents/Orvelia";
    fs::create_directories(data);
    fs::create_directories(docs);
    for (int i = 1; i <= 4; ++i) std::ofstream(data + "/Play" + std::to_string(i) + ".mp3") << "old";
    std::ofstream(docs + "/Playlog_20261211.log", std::ios::binary) << "20:01:02 -> A - B\r\n";
    std::ofstream(data + "/DateilisteRock.dat");
    std::ofstream(data + "/Dateiliste1_Schlager.dat");

    Tonello t(m);
    ASSERT_TRUE(t.program.start());
    for (int i = 1; i <= 4; ++i) EXPECT_FALSE(fs::exists(data + "/Play" + std::to_string(i) + ".mp3"));
    EXPECT_FALSE(t.form().FirstRun);
    EXPECT_EQ(fs::file_size(docs + "/Playlog_20261211.log"), 19u);

    // The pages: the list files in order, then the three built pages.
    const ListBox& genres = t.form().GenreListBox;
    ASSERT_EQ(genres.count(), 5);
    EXPECT_EQ(genres.items()[0], "1_Schlager");
    EXPECT_EQ(genres.items()[1], "Rock");
    EXPECT_EQ(genres.items()[2], "Download");
    EXPECT_EQ(genres.items()[4], "Interpretenliste");
    EXPECT_EQ(t.form().LastPage, 1);
}

TEST(TonelloStartup, NoSoundCardIsReportedAndTheProgramGoesOn) {
    Machine m;
    Tonello t(m);
    t.outputView->refuse(-1);
    t.outputView->refuse(1);
    ASSERT_TRUE(t.program.start());
    ASSERT_EQ(t.dialogs.count(DialogKind::Message), 1);
    EXPECT_EQ(t.dialogs.last(DialogKind::Message)->text, "Error initializing audio!");
    EXPECT_TRUE(t.form().visible());
}

TEST(TonelloStartup, ResizeLaysOutBothHalves) {
    Machine m;
    Tonello t(m);
    ASSERT_TRUE(t.program.start());
    TMPlayForm& f = t.form();
    f.setClientSize(1000, 700);
    EXPECT_EQ(f.StatusBar1.panel(0).width, 890);
    EXPECT_EQ(f.AuswahlGroupBox.width(), 480);
    EXPECT_EQ(f.PlayerGroupBox.width(), 480);
    for (const ListBox* l : {&f.DateiListBox, &f.GenreListBox, &f.PlayListBox}) {
        EXPECT_EQ(l->width(), 464) << l->name();
        EXPECT_EQ(l->height(), 484) << l->name();
    }
    for (SpeedButton* b : f.columnButtons()) EXPECT_EQ(b->left(), 488) << b->name();
    // The bars below the playlist move with its bottom edge.
    EXPECT_EQ(f.UeberblendScrollBar.top(), f.PlayListBox.top() + 484 + 2);
    EXPECT_LE(f.CrossTrackBar.top() + f.CrossTrackBar.height(), f.PlayerGroupBox.height());
    // Docked: the selection on the left edge, the player on the right one.
    EXPECT_EQ(f.AuswahlGroupBox.left(), 0);
    EXPECT_EQ(f.PlayerGroupBox.left() + f.PlayerGroupBox.width(), 1000);
}

TEST(TonelloStartup, MenuCaptionsShortcutsAndHelpContexts) {
    Machine m;
    Tonello t(m);
    ASSERT_TRUE(t.program.start());
    TMPlayForm& f = t.form();
    struct Case { const MenuItem* item; const char* caption; const char* shortcut; int help; };
    const Case cases[] = {
        {&f.FileNewItem, "&Neu", "Ctrl+N", 1000},        {&f.FileOpenItem, "Ö&ffnen", "Ctrl+O", 1000},
        {&f.FileSaveItem, "&Speichern", "Ctrl+S", 1000}, {&f.FileExitItem, "&Beenden", "Alt+X", 1000},
        {&f.StartpreviewItem, "Start Preview", "", 2000}, {&f.VorhoerItem, "Vor&hören", "Ctrl+H", 3000},
        {&f.AddItem, "&Add", "Ctrl+Ins", 3000},          {&f.PauseItem, "Pause", "Ctrl+F2", 4000},
        {&f.DelItem, "&Delete", "Ctrl+Del", 4000},       {&f.SchriftgroesserItem, "Schrift ver&größern", "Ctrl+F10", 5000},
        {&f.EqualizerItem, "Equalizer", "Ctrl+E", 5000}, {&f.HelpAboutItem, "Inf&o...", "", 6000},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.item->caption(), c.caption);
        EXPECT_EQ(c.item->shortCut(), parseShortCut(c.shortcut)) << c.caption;
        EXPECT_EQ(c.item->helpContext, c.help) << c.caption;
    }
    EXPECT_FALSE(f.CutItem.visible());
    EXPECT_EQ(f.StartpreviewItem.hint(), "Start Preview|Preview neu starten");
    // A key chooses its item: Alt+X asks to close.
    EXPECT_EQ(f.findShortCut(parseShortCut("Alt+X")), &f.FileExitItem);
    // A hint goes to the first status panel.
    f.hintShown(f.FileNewItem.hint());
    EXPECT_EQ(f.StatusBar1.panelText(0), "Playliste löschen");
}

}  // namespace
}  // namespace qb::tonello::testing
