#pragma once
// List boxes, combo boxes and radio groups: controls that hold a list of
// text items and an item index (-1 for none).

#include <string>
#include <string_view>
#include <vector>

#include "platform/controls/control.h"

namespace qb {

// The items of a list with an optional colour per item. With sorted set,
// every add or insert goes to its place in case-insensitive order
// (text::lessNoCase), after items that compare equal; switching sorted on
// sorts the items (stably). The owning control is told of each change and
// keeps its selection on the same item.
class ItemList {
public:
    struct Item {
        std::string text;
        Color color = clNone;       // text colour, clNone: the control's
        Color background = clNone;  // clNone: the control's
    };

    int count() const { return static_cast<int>(items_.size()); }
    bool empty() const { return items_.empty(); }
    const std::string& operator[](int i) const { return items_.at(static_cast<std::size_t>(i)).text; }
    const Item& item(int i) const { return items_.at(static_cast<std::size_t>(i)); }
    std::vector<std::string> strings() const;
    int indexOf(std::string_view s) const;  // exact match, -1 when absent

    int add(std::string s);  // the index it landed at
    void addStrings(const std::vector<std::string>& lines);
    int insert(int index, std::string s);  // sorted: at its sorted place
    void remove(int index);                // out of range: nothing
    void move(int from, int to);           // sorted: stays in order
    void clear();
    void setString(int index, std::string s);
    void assign(const std::vector<std::string>& lines);
    void setItemColor(int index, Color text, Color background = clNone);

    bool sorted() const { return sorted_; }
    void setSorted(bool s);

    // Told after each change: what happened and where (for the selection).
    enum class Op { Inserted, Removed, Moved, Changed, Reset };
    std::function<void(Op op, int a, int b)> listener;

private:
    int sortedPlace(std::string_view s) const;
    void notify(Op op, int a, int b = 0) {
        if (listener) listener(op, a, b);
    }
    std::vector<Item> items_;
    bool sorted_ = false;
};

// A list box. itemIndex is the selected item (-1: none). Setting it from code
// runs no handler; the user's selectItem() sets it and runs onClick.
// topIndex is the first visible item; itemHeight the line height in pixels
// (follows the font unless set), so that item = topIndex + y / itemHeight.
class ListBox : public Control {
public:
    ListBox(Control* parent, std::string name);
    ControlKind kind() const override { return ControlKind::ListBox; }
    bool canTakeFocus() const override { return true; }

    ItemList& items() { return items_; }
    const ItemList& items() const { return items_; }
    int count() const { return items_.count(); }
    bool sorted() const { return items_.sorted(); }
    void setSorted(bool s) { items_.setSorted(s); }

    int itemIndex() const { return itemIndex_; }
    void setItemIndex(int i);  // out of range gives -1
    int topIndex() const { return topIndex_; }
    void setTopIndex(int i);   // clamped to 0..count-1
    int itemHeight() const;
    void setItemHeight(int h);  // 0: follow the font
    int itemAtPos(int x, int y) const;  // -1 below the last item
    int visibleRows() const;

    bool multiSelect() const { return multiSelect_; }
    void setMultiSelect(bool m);
    bool selected(int i) const;
    void setSelected(int i, bool s);
    int selCount() const;
    void selectAll();

    // The user picks an item (click in the list): item index, then onClick.
    void selectItem(int i);

private:
    void itemsChanged(ItemList::Op op, int a, int b);
    ItemList items_;
    int itemIndex_ = -1;
    int topIndex_ = 0;
    int itemHeight_ = 0;
    bool multiSelect_ = false;
    std::vector<bool> selected_;
};

enum class ComboStyle { DropDown, DropDownList };

// A combo box: an edit field with a drop-down list. DropDown lets the user
// type (text may be any text); DropDownList only picks items. Setting
// itemIndex sets text to the item; setting text selects the item with that
// text (or -1). Code changes run no handler; the user's pick or typing runs
// onChange (and a pick also onClick).
class ComboBox : public Control {
public:
    ComboBox(Control* parent, std::string name);
    ControlKind kind() const override { return ControlKind::ComboBox; }
    bool canTakeFocus() const override { return true; }

    ItemList& items() { return items_; }
    const ItemList& items() const { return items_; }
    ComboStyle style() const { return style_; }
    void setStyle(ComboStyle s);
    int itemIndex() const { return itemIndex_; }
    void setItemIndex(int i);
    const std::string& text() const { return text_; }
    void setText(std::string t);
    int dropDownCount() const { return dropDownCount_; }
    void setDropDownCount(int n);
    int maxLength = 0;  // characters the user may type, 0: any

    Handler onChange;
    void selectItem(int i);       // the user picks an item
    void userTyped(std::string t);  // the user edited the text

private:
    void itemsChanged(ItemList::Op op, int a, int b);
    ItemList items_;
    ComboStyle style_ = ComboStyle::DropDown;
    int itemIndex_ = -1;
    std::string text_;
    int dropDownCount_ = 8;
};

// Radio buttons drawn from a list of items inside a captioned box. Setting
// itemIndex to a new value runs onClick, also from code.
class RadioGroup : public Control {
public:
    RadioGroup(Control* parent, std::string name, std::string caption = {});
    ControlKind kind() const override { return ControlKind::RadioGroup; }
    bool canTakeFocus() const override { return true; }

    ItemList& items() { return items_; }
    const ItemList& items() const { return items_; }
    int itemIndex() const { return itemIndex_; }
    void setItemIndex(int i);
    int columns() const { return columns_; }
    void setColumns(int c);

private:
    void itemsChanged(ItemList::Op op, int a, int b);
    ItemList items_;
    int itemIndex_ = -1;
    int columns_ = 1;
};

}  // namespace qb
