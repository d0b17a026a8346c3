#include <gtest/gtest.h>

#include "platform/controls/bars.h"
#include "platform/controls/buttons.h"
#include "platform/controls/containers.h"
#include "platform/controls/edits.h"
#include "platform/controls/form.h"
#include "platform/controls/lists.h"

using namespace qb;

namespace {

struct MainForm : Form {
    MainForm() : Form("MPlayForm", "Orvelia") {
        setClientSize(800, 600);
        Auswahl.setWidth(300);
        Auswahl.setAlign(Align::Left);
        Player.setWidth(250);
        Player.setAlign(Align::Right);
        Middle.setAlign(Align::Client);
        Status.addPanel(300);
        Status.addPanel(50, "QUILLBROOK");
        Status.autoHint = true;
    }
    ToolBar Tools{this, "ToolBar1"};
    StatusBar Status{this, "StatusBar1"};
    GroupBox Auswahl{this, "AuswahlGroupBox", "Auswahl"};
    GroupBox Player{this, "PlayerGroupBox", "Player"};
    Panel Middle{this, "Middle"};
    Edit Such{&Auswahl, "SuchEdit"};
    ListBox Play{&Player, "PlayListBox"};
    Button Ok{this, "OK", "&OK"};
    Button Abbr{this, "Abbr", "Abbrechen"};
};

}  // namespace

TEST(Align, DockedControlsShareTheClientArea) {
    MainForm f;
    EXPECT_EQ(f.Tools.bounds(), (Rect{0, 0, 800, 29}));
    EXPECT_EQ(f.Status.bounds(), (Rect{0, 581, 800, 600}));
    EXPECT_EQ(f.Auswahl.bounds(), (Rect{0, 29, 300, 581}));
    EXPECT_EQ(f.Player.bounds(), (Rect{550, 29, 800, 581}));
    EXPECT_EQ(f.Middle.bounds(), (Rect{300, 29, 550, 581}));

    f.setClientSize(1000, 700);  // the user makes the window bigger
    EXPECT_EQ(f.Player.bounds(), (Rect{750, 29, 1000, 681}));
    EXPECT_EQ(f.Middle.width(), 450);

    f.Auswahl.hide();  // a hidden box gives its room back
    EXPECT_EQ(f.Middle.bounds(), (Rect{0, 29, 750, 681}));
    f.Player.setWidth(100);
    EXPECT_EQ(f.Player.bounds(), (Rect{900, 29, 1000, 681}));
}

TEST(Form, OuterSizeIsClientSizePlusFrameAndMenu) {
    MainForm f;
    const Rect fr = f.frameExtents();
    EXPECT_EQ(f.width(), 800 + fr.left + fr.right);
    EXPECT_EQ(f.height(), 600 + fr.top + fr.bottom);
    f.setBorderStyle(BorderStyle::None);
    EXPECT_EQ(f.width(), 800);
    EXPECT_EQ(f.clientHeight(), 600);
}

TEST(Form, SettingTheOuterSizeSetsTheInsideAndRealigns) {
    MainForm f;
    f.setBorderStyle(BorderStyle::Sizeable);
    const Rect fr = f.frameExtents();
    f.setBounds(10, 20, 1000, 700);
    EXPECT_EQ(f.clientWidth(), 1000 - fr.left - fr.right);
    EXPECT_EQ(f.clientHeight(), 700 - fr.top - fr.bottom);
    EXPECT_EQ(f.left(), 10);
    EXPECT_EQ(f.width(), 1000);
    EXPECT_EQ(f.Player.left() + f.Player.width(), f.clientWidth());
    // Round trip through the inside keeps the outer size.
    f.setClientSize(f.clientWidth(), f.clientHeight());
    EXPECT_EQ(f.width(), 1000);
    EXPECT_EQ(f.height(), 700);
}

TEST(Hints, LongHintGoesToOnHintOrTheAutoHintPanel) {
    struct Case {
        const char* hint;
        const char* shortPart;
        const char* longPart;
    };
    const Case cases[] = {{"Neu|Playliste löschen", "Neu", "Playliste löschen"},
                          {"Status", "Status", "Status"},
                          {"Play|Wiedergabe starten > Shift + L Play", "Play", "Wiedergabe starten > Shift + L Play"},
                          {"|nur lang", "", "nur lang"},
                          {"", "", ""}};
    for (const auto& c : cases) {
        EXPECT_EQ(shortHint(c.hint), c.shortPart);
        EXPECT_EQ(longHint(c.hint), c.longPart);
    }
    MainForm f;
    f.hintShown("Neu|Playliste löschen");
    EXPECT_EQ(f.Status.panelText(0), "Playliste löschen");
    EXPECT_EQ(f.Status.panelText(1), "QUILLBROOK");
    std::string routed;
    f.onHint = [&](const std::string& h) { routed = h; };
    f.hintShown("Lautstärke|Lautstärke > CH-1");
    EXPECT_EQ(routed, "Lautstärke > CH-1");
    EXPECT_EQ(f.Status.panelText(0), "Playliste löschen");  // onHint decides alone
}

TEST(Form, CloseAsksCloseQueryThenOnClose) {
    MainForm f;
    f.show();
    bool allow = false;
    int closed = 0;
    f.onCloseQuery = [&](bool& can) { can = allow; };
    f.afterClose = [&](Form&) { ++closed; };
    EXPECT_FALSE(f.close());
    EXPECT_TRUE(f.visible());
    allow = true;
    f.onClose = [](CloseAction& a) { a = CloseAction::None; };
    EXPECT_FALSE(f.close());
    EXPECT_TRUE(f.visible());
    f.onClose = nullptr;
    EXPECT_TRUE(f.close());
    EXPECT_FALSE(f.visible());
    EXPECT_EQ(closed, 1);
}

TEST(Form, ClosingAModalFormEndsItWithCancel) {
    MainForm f;
    f.beginModal();
    EXPECT_TRUE(f.visible());
    f.close();
    EXPECT_EQ(f.modalResult(), mrCancel);
    f.endModal();
    EXPECT_FALSE(f.modal());
}

TEST(Focus, MovesWithEnterAndExitAndOnlyToFocusableControls) {
    MainForm f;
    f.show();
    std::vector<std::string> log;
    f.Such.onEnter = [&] { log.push_back("enter Such"); };
    f.Such.onExit = [&] { log.push_back("exit Such"); };
    f.Play.onEnter = [&] { log.push_back("enter Play"); };
    EXPECT_FALSE(f.Auswahl.setFocus());  // a group box takes no focus
    EXPECT_TRUE(f.Such.setFocus());
    EXPECT_TRUE(f.Play.setFocus());
    EXPECT_EQ(log, (std::vector<std::string>{"enter Such", "exit Such", "enter Play"}));
    f.Player.hide();  // the focused list disappears with its box
    EXPECT_EQ(f.activeControl(), nullptr);
    EXPECT_FALSE(f.Play.setFocus());
    f.Auswahl.setEnabled(false);
    EXPECT_FALSE(f.Such.setFocus());
}

TEST(Keys, ReturnAndEscapeReachTheDefaultAndCancelButtons) {
    MainForm f;
    f.show();
    f.Ok.setDefault(true);
    f.Ok.setModalResult(mrOk);
    f.Abbr.setCancel(true);
    f.Abbr.setModalResult(mrCancel);
    f.Such.setFocus();
    EXPECT_TRUE(f.keyDown(key::Return, 0));
    EXPECT_EQ(f.modalResult(), mrOk);
    EXPECT_TRUE(f.keyDown(key::Escape, 0));
    EXPECT_EQ(f.modalResult(), mrCancel);
    // A handler that consumes the key keeps it from the buttons.
    f.setModalResult(mrNone);
    f.Such.onKeyDown = [](int& k, ShiftState) {
        if (k == key::Return) k = 0;
    };
    EXPECT_TRUE(f.keyDown(key::Return, 0));
    EXPECT_EQ(f.modalResult(), mrNone);
}

TEST(Keys, PreviewGoesFirstAndKeyPressCanConsume) {
    MainForm f;
    f.show();
    f.Play.setFocus();
    std::vector<std::string> log;
    f.keyPreview = true;
    f.onKeyDown = [&](int& k, ShiftState) { log.push_back("form " + std::to_string(k)); };
    f.Play.onKeyDown = [&](int& k, ShiftState) { log.push_back("list " + std::to_string(k)); };
    f.Play.onKeyPress = [&](char32_t& ch) {
        if (ch == U'\r') ch = 0;
    };
    EXPECT_FALSE(f.keyDown(key::Down, 0));
    EXPECT_EQ(log, (std::vector<std::string>{"form 40", "list 40"}));
    EXPECT_TRUE(f.keyPress(U'\r'));
    EXPECT_FALSE(f.keyPress(U'a'));
}

TEST(ParentFont, ChildrenFollowTheFormUntilGivenTheirOwn) {
    MainForm f;
    f.setFont(Font::fromPixels("Arial", 13, true));
    EXPECT_EQ(f.Such.font().pixelHeight(), 13);
    EXPECT_TRUE(f.Such.font().bold);
    Font courier = Font::fromPixels("Courier New", 13, true);
    f.Play.setFont(courier);
    Font big = f.font();
    big.size += 2;
    f.setFont(big);
    EXPECT_EQ(f.Such.font().size, big.size);
    EXPECT_EQ(f.Play.font().name, "Courier New");
    EXPECT_EQ(f.Play.font().size, courier.size);
    // List boxes and edits have their own colour; labels and boxes the parent's.
    f.setColor(clAppWorkSpace);
    EXPECT_EQ(f.Auswahl.color(), clAppWorkSpace);
    EXPECT_EQ(f.Such.color(), clWindow);
}

TEST(HelpContext, NearestNonZeroUpTheTree) {
    MainForm f;
    f.Auswahl.setHelpContext(11000);
    EXPECT_EQ(f.Such.effectiveHelpContext(), 11000);
    EXPECT_EQ(f.Play.effectiveHelpContext(), 0);
}

TEST(Font, PointsAndPixels) {
    EXPECT_EQ(Font::fromPixels("Arial", 13).size, 10);
    EXPECT_EQ(Font::fromPixels("Arial", 13).pixelHeight(), 13);
    Font f;
    f.size = 8;
    EXPECT_EQ(f.pixelHeight(), 11);
}
