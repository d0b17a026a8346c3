#include <gtest/gtest.h>

#include "platform/controls/form.h"
#include "platform/controls/lists.h"

using namespace qb;

namespace {

struct ListForm : Form {
    ListForm() : Form("ListForm") {}
    ListBox List{this, "List"};
    ComboBox Combo{this, "Combo"};
    RadioGroup Group{this, "Group"};
};

std::vector<std::string> itemsOf(const ListBox& l) { return l.items().strings(); }

}  // namespace

TEST(ListBox, SortedKeepsCaseInsensitiveOrderAsItemsAreAdded) {
    ListForm f;
    f.List.setSorted(true);
    EXPECT_EQ(f.List.items().add("b"), 0);
    EXPECT_EQ(f.List.items().add("A"), 0);
    EXPECT_EQ(f.List.items().add("c"), 2);
    EXPECT_EQ(itemsOf(f.List), (std::vector<std::string>{"A", "b", "c"}));
    // Equal texts stay in the order they came; insert ignores the index.
    f.List.items().add("a");
    f.List.items().insert(0, "Z");
    f.List.items().add("ä");
    EXPECT_EQ(itemsOf(f.List), (std::vector<std::string>{"A", "a", "b", "c", "Z", "ä"}));
}

TEST(ListBox, SwitchingSortedOnSortsWhatIsThere) {
    ListForm f;
    f.List.items().assign({"delta", "Alpha", "charlie", "Bravo"});
    f.List.setSorted(true);
    EXPECT_EQ(itemsOf(f.List), (std::vector<std::string>{"Alpha", "Bravo", "charlie", "delta"}));
    f.List.items().setString(0, "echo");  // a changed text moves to its place
    EXPECT_EQ(itemsOf(f.List), (std::vector<std::string>{"Bravo", "charlie", "delta", "echo"}));
}

TEST(ListBox, SelectionStaysOnItsItemWhileTheListChanges) {
    ListForm f;
    auto& items = f.List.items();
    items.assign({"a", "b", "c", "d"});
    f.List.setItemIndex(2);  // "c"
    items.insert(0, "x");
    EXPECT_EQ(f.List.itemIndex(), 3);
    items.remove(0);
    EXPECT_EQ(f.List.itemIndex(), 2);
    items.move(2, 0);  // "c" to the top
    EXPECT_EQ(f.List.itemIndex(), 0);
    items.move(3, 1);  // another item passes it
    EXPECT_EQ(f.List.itemIndex(), 0);
    items.move(1, 3);
    EXPECT_EQ(items[f.List.itemIndex()], "c");
    items.remove(f.List.itemIndex());
    EXPECT_EQ(f.List.itemIndex(), -1);
    f.List.setItemIndex(1);
    items.clear();
    EXPECT_EQ(f.List.itemIndex(), -1);
    EXPECT_EQ(f.List.topIndex(), 0);
}

TEST(ListBox, IndexesOutOfRangeMeanNoneOrAreClamped) {
    ListForm f;
    f.List.items().assign({"a", "b", "c"});
    f.List.setItemIndex(5);
    EXPECT_EQ(f.List.itemIndex(), -1);
    f.List.setItemIndex(-7);
    EXPECT_EQ(f.List.itemIndex(), -1);
    f.List.setTopIndex(10);
    EXPECT_EQ(f.List.topIndex(), 2);
    f.List.setTopIndex(-1);
    EXPECT_EQ(f.List.topIndex(), 0);
    f.List.items().remove(9);  // nothing
    f.List.items().move(0, 9);
    EXPECT_EQ(itemsOf(f.List), (std::vector<std::string>{"a", "b", "c"}));
}

TEST(ListBox, ItemUnderTheMouseCountsFromTheTopIndex) {
    ListForm f;
    f.List.setItemHeight(16);
    f.List.setHeight(4 + 3 * 16);
    for (int i = 0; i < 10; ++i) f.List.items().add("item " + std::to_string(i));
    EXPECT_EQ(f.List.itemAtPos(5, 0), 0);
    EXPECT_EQ(f.List.itemAtPos(5, 33), 2);
    f.List.setTopIndex(4);
    EXPECT_EQ(f.List.itemAtPos(5, 17), 5);
    EXPECT_EQ(f.List.itemAtPos(5, 16 * 7), -1);  // below the last
    // Selecting an item out of view scrolls it into view.
    f.List.setItemIndex(9);
    EXPECT_EQ(f.List.topIndex(), 7);
    f.List.setItemIndex(1);
    EXPECT_EQ(f.List.topIndex(), 1);
}

TEST(ListBox, ItemHeightFollowsTheFontUnlessSet) {
    ListForm f;
    f.setFont(Font::fromPixels("Courier New", 13, true));
    EXPECT_EQ(f.List.itemHeight(), 16);
    f.List.setItemHeight(20);
    EXPECT_EQ(f.List.itemHeight(), 20);
}

TEST(ListBox, OnlyTheUsersPickRunsOnClick) {
    ListForm f;
    int clicks = 0;
    f.List.onClick = [&] { ++clicks; };
    f.List.items().assign({"a", "b"});
    f.List.setItemIndex(1);
    EXPECT_EQ(clicks, 0);
    f.List.selectItem(0);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(f.List.itemIndex(), 0);
    f.List.setEnabled(false);
    f.List.selectItem(1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(f.List.itemIndex(), 0);
}

TEST(ListBox, MultiSelectKeepsSelectedFlagsWithTheirItems) {
    ListForm f;
    f.List.setMultiSelect(true);
    f.List.items().assign({"a", "b", "c"});
    f.List.setSelected(2, true);
    f.List.items().insert(0, "x");
    EXPECT_TRUE(f.List.selected(3));
    EXPECT_FALSE(f.List.selected(2));
    f.List.selectAll();
    EXPECT_EQ(f.List.selCount(), 4);
}

TEST(ListBox, ItemColoursMoveWithTheirItems) {
    ListForm f;
    f.List.items().assign({"a", "b"});
    f.List.items().setItemColor(1, clRed, clYellow);
    f.List.items().move(1, 0);
    EXPECT_EQ(f.List.items().item(0).color, clRed);
    EXPECT_EQ(f.List.items().item(0).background, clYellow);
    EXPECT_EQ(f.List.items().item(1).color, clNone);
}

TEST(ComboBox, TextAndItemIndexFollowEachOther) {
    ListForm f;
    f.Combo.items().assign({"96", "128", "192"});
    f.Combo.setText("192");
    EXPECT_EQ(f.Combo.itemIndex(), 2);
    f.Combo.setText("100");  // not an item: kept as typed text
    EXPECT_EQ(f.Combo.itemIndex(), -1);
    EXPECT_EQ(f.Combo.text(), "100");
    f.Combo.setItemIndex(1);
    EXPECT_EQ(f.Combo.text(), "128");
    f.Combo.setStyle(ComboStyle::DropDownList);
    f.Combo.setText("100");
    EXPECT_EQ(f.Combo.text(), "");
    EXPECT_EQ(f.Combo.itemIndex(), -1);
}

TEST(ComboBox, UserActionsRunOnChangeCodeDoesNot) {
    ListForm f;
    int changes = 0, clicks = 0;
    f.Combo.onChange = [&] { ++changes; };
    f.Combo.onClick = [&] { ++clicks; };
    f.Combo.items().assign({" 3 s", " 5 s", "10 s"});
    f.Combo.setItemIndex(1);
    f.Combo.setText("10 s");
    EXPECT_EQ(changes, 0);
    f.Combo.selectItem(0);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(f.Combo.text(), " 3 s");
    f.Combo.maxLength = 3;
    f.Combo.userTyped("12345");
    EXPECT_EQ(f.Combo.text(), "123");
    EXPECT_EQ(changes, 2);
}

TEST(RadioGroup, SettingItemIndexRunsOnClickOncePerChange) {
    ListForm f;
    int clicks = 0;
    f.Group.onClick = [&] { ++clicks; };
    f.Group.items().assign({"Hart", "Blende", "Aus/Ein"});
    f.Group.setItemIndex(1);
    f.Group.setItemIndex(1);
    EXPECT_EQ(clicks, 1);
    f.Group.setItemIndex(3);  // out of range: none
    EXPECT_EQ(f.Group.itemIndex(), -1);
    EXPECT_EQ(clicks, 2);
}
