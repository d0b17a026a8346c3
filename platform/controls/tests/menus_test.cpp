#include <gtest/gtest.h>

#include "platform/controls/buttons.h"
#include "platform/controls/edits.h"
#include "platform/controls/form.h"
#include "platform/controls/lists.h"
#include "platform/controls/menus.h"

using namespace qb;

TEST(ShortCut, ParsesTheFormsNotation) {
    struct Case {
        const char* text;
        int key;
        ShiftState shift;
        const char* canonical;
    };
    const Case cases[] = {
        {"Ctrl+N", 'N', ssCtrl, "Ctrl+N"},         {"Alt+X", 'X', ssAlt, "Alt+X"},
        {"Ctrl+Ins", key::Insert, ssCtrl, "Ctrl+Ins"}, {"Ctrl+Insert", key::Insert, ssCtrl, "Ctrl+Ins"},
        {"Ctrl+Del", key::Delete, ssCtrl, "Ctrl+Del"}, {"Ctrl+F10", key::F10, ssCtrl, "Ctrl+F10"},
        {"Ctrl+F2", key::F2, ssCtrl, "Ctrl+F2"},   {"F1", key::F1, 0, "F1"},
        {"Shift+Ctrl+Del", key::Delete, ssShift | ssCtrl, "Shift+Ctrl+Del"},
        {"ctrl+e", 'E', ssCtrl, "Ctrl+E"},         {"Num +", key::NumPlus, 0, "Num +"},
        {"Ctrl+Num +", key::NumPlus, ssCtrl, "Ctrl+Num +"},
    };
    for (const auto& c : cases) {
        const ShortCut sc = parseShortCut(c.text);
        EXPECT_EQ(sc.key, c.key) << c.text;
        EXPECT_EQ(sc.shift, c.shift) << c.text;
        EXPECT_EQ(shortCutText(sc), c.canonical) << c.text;
    }
    for (const char* bad : {"", "Ctrl+", "Hyper+N", "F13", "Ctrl+Foo"}) EXPECT_TRUE(parseShortCut(bad).empty()) << bad;
}

TEST(Accelerator, KeyAndPlainCaption) {
    EXPECT_EQ(acceleratorKey("Ö&ffnen"), 'F');
    EXPECT_EQ(acceleratorKey("&Neu"), 'N');
    EXPECT_EQ(acceleratorKey("Rock && Roll"), 0);
    EXPECT_EQ(stripAccelerator("Schrift ver&größern"), "Schrift vergrößern");
    EXPECT_EQ(stripAccelerator("A && &B"), "A & B");
}

namespace {

struct MenuForm : Form {
    MenuForm() : Form("MenuForm", "Orvelia") {
        NeuItem.onClick = [this] { log.push_back("Neu"); };
        BeendenItem.onClick = [this] { log.push_back("Beenden"); };
        KopierenItem.setVisible(false);
        KopierenItem.onClick = [this] { log.push_back("Kopieren"); };
        PlayItem.onClick = [this] { log.push_back("Play"); };
        DelPuItem.onClick = [this] { log.push_back("DelPu"); };
        PlayList.setPopupMenu(&PlayerPopupMenu);
        Such.onKeyDown = [this](int& k, ShiftState) { keys.push_back(k); };
    }
    MainMenu Menu{this, "MainMenu1"};
    MenuItem DateiItem{&Menu, "DateiItem", "&Datei"};
    MenuItem NeuItem{&DateiItem, "NeuItem", "&Neu", "Ctrl+N"};
    MenuItem BeendenItem{&DateiItem, "BeendenItem", "&Beenden", "Alt+X"};
    MenuItem BearbeitenItem{&Menu, "BearbeitenItem", "&Bearbeiten"};
    MenuItem KopierenItem{&BearbeitenItem, "KopierenItem", "&Kopieren", "Ctrl+C"};
    MenuItem PlayerItem{&Menu, "PlayerItem", "&Player"};
    MenuItem PlayItem{&PlayerItem, "PlayItem", "&Play", "Ctrl+R"};
    PopupMenu PlayerPopupMenu{this, "PlayerPopupMenu"};
    MenuItem DelPuItem{&PlayerPopupMenu, "DelPuItem", "&Entfernen", "Ctrl+Del"};
    Edit Such{this, "SuchEdit"};
    ListBox PlayList{this, "PlayListBox"};
    std::vector<std::string> log;
    std::vector<int> keys;
};

}  // namespace

TEST(MenuShortCuts, KeysReachTheEnabledVisibleItem) {
    MenuForm f;
    f.show();
    ASSERT_TRUE(f.Such.setFocus());
    EXPECT_TRUE(f.keyDown('N', ssCtrl));
    EXPECT_TRUE(f.keyDown('X', ssAlt | ssLeft));  // mouse bits do not matter
    EXPECT_EQ(f.log, (std::vector<std::string>{"Neu", "Beenden"}));
    EXPECT_TRUE(f.keys.empty());  // the edit never saw them

    // A hidden item leaves its key to the focused control (Ctrl+C copies).
    EXPECT_FALSE(f.keyDown('C', ssCtrl));
    // A disabled item or one below a disabled menu takes no key either.
    f.PlayerItem.setEnabled(false);
    EXPECT_FALSE(f.keyDown('R', ssCtrl));
    f.PlayerItem.setEnabled(true);
    EXPECT_TRUE(f.keyDown('R', ssCtrl));
    EXPECT_EQ(f.keys, (std::vector<int>{'C', 'R'}));
    EXPECT_EQ(f.log.back(), "Play");
}

TEST(MenuShortCuts, PopupMenuKeysWorkOnlyWhereThatMenuBelongs) {
    MenuForm f;
    f.show();
    f.Such.setFocus();
    EXPECT_FALSE(f.keyDown(key::Delete, ssCtrl));
    f.PlayList.setFocus();
    EXPECT_TRUE(f.keyDown(key::Delete, ssCtrl));
    EXPECT_EQ(f.log, (std::vector<std::string>{"DelPu"}));
}

TEST(MenuItem, RadioItemsAndAutoCheck) {
    MenuForm f;
    MenuItem a{&f.PlayerItem, "a", "A"}, b{&f.PlayerItem, "b", "B"};
    for (MenuItem* m : {&a, &b}) {
        m->setRadioItem(true);
        m->autoCheck = true;
    }
    a.click();
    b.click();
    EXPECT_FALSE(a.checked());
    EXPECT_TRUE(b.checked());
    f.NeuItem.autoCheck = true;
    f.NeuItem.click();
    f.NeuItem.click();
    EXPECT_FALSE(f.NeuItem.checked());
    f.DateiItem.setVisible(false);
    f.NeuItem.click();  // not reachable: nothing
    EXPECT_EQ(f.log.size(), 2u);
}

TEST(PopupMenu, RightClickRunsMouseDownThenOpensTheMenuForTheControl) {
    MenuForm f;
    std::vector<std::string> order;
    f.PlayList.onMouseDown = [&](MouseButton b, ShiftState, int, int) {
        order.push_back(b == MouseButton::Right ? "right" : "left");
    };
    f.PlayerPopupMenu.onPopup = [&] { order.push_back("popup"); };
    f.PlayList.mouseDown(MouseButton::Left, ssLeft, 3, 3);
    f.PlayList.mouseDown(MouseButton::Right, ssRight, 3, 3);
    EXPECT_EQ(order, (std::vector<std::string>{"left", "right", "popup"}));
    EXPECT_EQ(f.PlayerPopupMenu.popupComponent(), &f.PlayList);
}
