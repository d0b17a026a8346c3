#include <gtest/gtest.h>

#include "platform/controls/buttons.h"
#include "platform/controls/form.h"
#include "platform/controls/scripted_dialogs.h"

using namespace qb;

TEST(FileFilter, PairsOfDescriptionAndPatterns) {
    const auto f = parseFileFilter("Musik(*.mp3)|*.mp3|Alle Dateien(*.*)|*.*");
    ASSERT_EQ(f.size(), 2u);
    EXPECT_EQ(f[0].description, "Musik(*.mp3)");
    EXPECT_EQ(f[0].patterns, (std::vector<std::string>{"*.mp3"}));
    EXPECT_EQ(f[1].patterns, (std::vector<std::string>{"*.*"}));
    const auto g = parseFileFilter("Bilder|*.jpg; *.bmp;|Ohne");
    ASSERT_EQ(g.size(), 2u);
    EXPECT_EQ(g[0].patterns, (std::vector<std::string>{"*.jpg", "*.bmp"}));
    EXPECT_TRUE(g[1].patterns.empty());
    EXPECT_TRUE(parseFileFilter("").empty());
}

TEST(FileDialog, DefaultExtensionOnlyForANameWithoutOne) {
    struct Case {
        const char* path;
        const char* ext;
        const char* out;
    };
    const Case cases[] = {{"/m/Liste", "txt", "/m/Liste.txt"}, {"/m/Liste.m3u", "txt", "/m/Liste.m3u"},
                          {"/m.d/Liste", ".txt", "/m.d/Liste.txt"}, {"/m/Liste", "", "/m/Liste"},
                          {"", "txt", ""}};
    for (const auto& c : cases) EXPECT_EQ(withDefaultExt(c.path, c.ext), c.out) << c.path;
}

TEST(ScriptedDialogs, AnswersInOrderAndRecordsWhatWasAsked) {
    ScriptedDialogs d;
    d.answerSave("/home/dj/Orvelia/Party");
    d.answerSave(std::nullopt);
    SaveDialog save;
    save.filter = "Playliste(*.txt)|*.txt";
    save.defaultExt = "txt";
    save.initialDir = "/home/dj/Orvelia";
    EXPECT_TRUE(save.execute(d));
    EXPECT_EQ(save.fileName, "/home/dj/Orvelia/Party.txt");
    save.fileName = "kept";
    EXPECT_FALSE(save.execute(d));
    EXPECT_EQ(save.fileName, "kept");  // cancelling changes nothing
    ASSERT_EQ(d.count(DialogKind::SaveFile), 2);
    EXPECT_EQ(d.last(DialogKind::SaveFile)->file.initialDir, "/home/dj/Orvelia");
    EXPECT_TRUE(d.last(DialogKind::SaveFile)->file.overwritePrompt);
    EXPECT_EQ(d.unscripted(), 0);

    d.answerMessage(mrYes);
    EXPECT_EQ(d.messageBox("Datei überschreiben?", "Achtung", MsgButtons::YesNo, MsgIcon::Question), mrYes);
    // Unscripted: the box's cancel answer, counted.
    EXPECT_EQ(d.messageBox("Fehler beim Speichern", "", MsgButtons::Ok, MsgIcon::Error), mrOk);
    EXPECT_EQ(d.messageBox("Weiter?", "", MsgButtons::YesNo, MsgIcon::Question), mrNo);
    EXPECT_EQ(d.unscripted(), 2);
    EXPECT_EQ(d.last(DialogKind::Message)->text, "Weiter?");
    EXPECT_EQ(d.calls().size(), 5u);
    EXPECT_EQ(d.pending(), 0);

    FontDialog fd;
    fd.font = Font::fromPixels("Arial", 13, true);
    Font chosen = fd.font;
    chosen.size = 14;
    d.answerFont(chosen);
    EXPECT_TRUE(fd.execute(d));
    EXPECT_EQ(fd.font.size, 14);
    EXPECT_EQ(d.last(DialogKind::FontChoice)->font.size, 10);
    ColorDialog cd;
    EXPECT_FALSE(cd.execute(d));
}

namespace {

struct JNForm : Form {
    JNForm() : Form("JNForm", "Achtung") {
        Ja.setModalResult(mrYes);
        Nein.setModalResult(mrNo);
        onShow = [this] { ++shown; };
    }
    Button Ja{this, "JaButton", "&Ja"};
    Button Nein{this, "NeinButton", "&Nein"};
    int shown = 0;
};

}  // namespace

TEST(ScriptedDialogs, ModalFormAnsweredByClickingItsButton) {
    ScriptedDialogs d;
    JNForm jn;
    d.answerModal([](Form& f) { static_cast<JNForm&>(f).Ja.click(); });
    d.answerModal(mrNo);
    d.answerModal([](Form&) {});  // looks, does nothing
    EXPECT_EQ(d.showModal(jn), mrYes);
    EXPECT_FALSE(jn.visible());
    EXPECT_FALSE(jn.modal());
    EXPECT_EQ(d.showModal(jn), mrNo);
    EXPECT_EQ(d.unscripted(), 0);
    EXPECT_EQ(d.showModal(jn), mrCancel);
    EXPECT_EQ(d.unscripted(), 1);
    EXPECT_EQ(jn.shown, 3);
    EXPECT_EQ(d.last(DialogKind::Modal)->caption, "Achtung");
    EXPECT_EQ(d.showModal(jn), mrCancel);  // nothing queued
    EXPECT_EQ(d.unscripted(), 2);
}
