#include "platform/controls/lists.h"

#include <algorithm>

#include "platform/core/text.h"

namespace qb {

// ---- ItemList ----

std::vector<std::string> ItemList::strings() const {
    std::vector<std::string> out;
    out.reserve(items_.size());
    for (const auto& it : items_) out.push_back(it.text);
    return out;
}

int ItemList::indexOf(std::string_view s) const {
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i].text == s) return static_cast<int>(i);
    return -1;
}

int ItemList::sortedPlace(std::string_view s) const {
    // After every item that is not greater: equal texts keep their order of adding.
    auto it = std::upper_bound(items_.begin(), items_.end(), s, [](std::string_view v, const Item& item) {
        return text::lessNoCase(v, item.text);
    });
    return static_cast<int>(it - items_.begin());
}

int ItemList::add(std::string s) { return insert(count(), std::move(s)); }

void ItemList::addStrings(const std::vector<std::string>& lines) {
    for (const auto& l : lines) add(l);
}

int ItemList::insert(int index, std::string s) {
    int at = sorted_ ? sortedPlace(s) : std::clamp(index, 0, count());
    items_.insert(items_.begin() + at, Item{std::move(s)});
    notify(Op::Inserted, at);
    return at;
}

void ItemList::remove(int index) {
    if (index < 0 || index >= count()) return;
    items_.erase(items_.begin() + index);
    notify(Op::Removed, index);
}

void ItemList::move(int from, int to) {
    if (from < 0 || from >= count() || to < 0 || to >= count() || from == to) return;
    Item it = std::move(items_[static_cast<std::size_t>(from)]);
    items_.erase(items_.begin() + from);
    if (sorted_) to = sortedPlace(it.text);
    items_.insert(items_.begin() + to, std::move(it));
    if (from != to) notify(Op::Moved, from, to);
}

void ItemList::clear() {
    items_.clear();
    notify(Op::Reset, 0);
}

void ItemList::setString(int index, std::string s) {
    if (index < 0 || index >= count()) return;
    if (sorted_) {
        // A changed text moves to its place, keeping its colours.
        Item it = std::move(items_[static_cast<std::size_t>(index)]);
        it.text = std::move(s);
        items_.erase(items_.begin() + index);
        const int at = sortedPlace(it.text);
        items_.insert(items_.begin() + at, std::move(it));
        if (at != index) notify(Op::Moved, index, at);
        notify(Op::Changed, at);
        return;
    }
    items_[static_cast<std::size_t>(index)].text = std::move(s);
    notify(Op::Changed, index);
}

void ItemList::assign(const std::vector<std::string>& lines) {
    items_.clear();
    items_.reserve(lines.size());
    for (const auto& l : lines) items_.push_back(Item{l});
    if (sorted_)
        std::stable_sort(items_.begin(), items_.end(),
                         [](const Item& a, const Item& b) { return text::lessNoCase(a.text, b.text); });
    notify(Op::Reset, 0);
}

void ItemList::setItemColor(int index, Color textColor, Color background) {
    if (index < 0 || index >= count()) return;
    auto& it = items_[static_cast<std::size_t>(index)];
    it.color = textColor;
    it.background = background;
    notify(Op::Changed, index);
}

void ItemList::setSorted(bool s) {
    if (s == sorted_) return;
    sorted_ = s;
    if (s && items_.size() > 1) {
        std::stable_sort(items_.begin(), items_.end(),
                         [](const Item& a, const Item& b) { return text::lessNoCase(a.text, b.text); });
        notify(Op::Reset, 0);
    }
}

// Keeps an index on the same item across a change of the list.
static int followIndex(int idx, ItemList::Op op, int a, int b) {
    switch (op) {
        case ItemList::Op::Inserted: return idx >= a ? idx + 1 : idx;
        case ItemList::Op::Removed: return idx == a ? -1 : (idx > a ? idx - 1 : idx);
        case ItemList::Op::Moved: {
            if (idx < 0) return idx;
            if (idx == a) return b;
            int i = idx > a ? idx - 1 : idx;
            return i >= b ? i + 1 : i;
        }
        case ItemList::Op::Changed: return idx;
        case ItemList::Op::Reset: return -1;
    }
    return idx;
}

// ---- ListBox ----

ListBox::ListBox(Control* parent, std::string name) : Control(parent, std::move(name)) {
    setParentColor(false);
    setColor(clWindow);
    setBounds(0, 0, 121, 97);
    items_.listener = [this](ItemList::Op op, int a, int b) { itemsChanged(op, a, b); };
}

void ListBox::itemsChanged(ItemList::Op op, int a, int b) {
    const int oldIndex = itemIndex_;
    if (itemIndex_ >= 0) itemIndex_ = followIndex(itemIndex_, op, a, b);
    switch (op) {
        case ItemList::Op::Inserted: selected_.insert(selected_.begin() + a, false); break;
        case ItemList::Op::Removed: selected_.erase(selected_.begin() + a); break;
        case ItemList::Op::Moved: {
            const bool s = selected_[static_cast<std::size_t>(a)];
            selected_.erase(selected_.begin() + a);
            selected_.insert(selected_.begin() + b, s);
            break;
        }
        case ItemList::Op::Changed: break;
        case ItemList::Op::Reset:
            selected_.assign(static_cast<std::size_t>(count()), false);
            topIndex_ = 0;
            break;
    }
    topIndex_ = std::clamp(topIndex_, 0, std::max(0, count() - 1));
    changed(change::Items | (oldIndex != itemIndex_ ? change::State : 0u));
}

void ListBox::setItemIndex(int i) {
    if (i < 0 || i >= count()) i = -1;
    if (i == itemIndex_) return;
    itemIndex_ = i;
    if (i >= 0) {
        // The list scrolls so that the selected item shows.
        const int rows = visibleRows();
        if (i < topIndex_) topIndex_ = i;
        else if (i >= topIndex_ + rows) topIndex_ = i - rows + 1;
    }
    changed(change::State);
}

void ListBox::setTopIndex(int i) {
    i = std::clamp(i, 0, std::max(0, count() - 1));
    if (i == topIndex_) return;
    topIndex_ = i;
    changed(change::State);
}

int ListBox::itemHeight() const { return itemHeight_ > 0 ? itemHeight_ : font().pixelHeight() + 3; }

void ListBox::setItemHeight(int h) {
    h = std::max(0, h);
    if (h == itemHeight_) return;
    itemHeight_ = h;
    changed(change::Items);
}

int ListBox::visibleRows() const { return std::max(1, (height() - 4) / itemHeight()); }

int ListBox::itemAtPos(int, int y) const {
    if (y < 0) return -1;
    const int i = topIndex_ + y / itemHeight();
    return i < count() ? i : -1;
}

void ListBox::setMultiSelect(bool m) {
    if (m == multiSelect_) return;
    multiSelect_ = m;
    selected_.assign(static_cast<std::size_t>(count()), false);
    changed(change::Options | change::State);
}

bool ListBox::selected(int i) const {
    if (i < 0 || i >= count()) return false;
    return multiSelect_ ? selected_[static_cast<std::size_t>(i)] : i == itemIndex_;
}

void ListBox::setSelected(int i, bool s) {
    if (i < 0 || i >= count()) return;
    if (!multiSelect_) {
        if (s) setItemIndex(i);
        else if (i == itemIndex_) setItemIndex(-1);
        return;
    }
    if (selected_[static_cast<std::size_t>(i)] == s) return;
    selected_[static_cast<std::size_t>(i)] = s;
    changed(change::State);
}

int ListBox::selCount() const {
    if (!multiSelect_) return itemIndex_ >= 0 ? 1 : 0;
    return static_cast<int>(std::count(selected_.begin(), selected_.end(), true));
}

void ListBox::selectAll() {
    if (!multiSelect_) return;
    selected_.assign(static_cast<std::size_t>(count()), true);
    changed(change::State);
}

void ListBox::selectItem(int i) {
    if (!enabledInTree()) return;
    setItemIndex(i);
    if (multiSelect_ && i >= 0 && i < count()) {
        selected_.assign(static_cast<std::size_t>(count()), false);
        selected_[static_cast<std::size_t>(i)] = true;
        changed(change::State);
    }
    if (onClick) onClick();
}

// ---- ComboBox ----

ComboBox::ComboBox(Control* parent, std::string name) : Control(parent, std::move(name)) {
    setParentColor(false);
    setColor(clWindow);
    setBounds(0, 0, 145, 21);
    items_.listener = [this](ItemList::Op op, int a, int b) { itemsChanged(op, a, b); };
}

void ComboBox::itemsChanged(ItemList::Op op, int a, int b) {
    const int old = itemIndex_;
    if (itemIndex_ >= 0) itemIndex_ = followIndex(itemIndex_, op, a, b);
    if (itemIndex_ >= 0 && op == ItemList::Op::Changed && a == itemIndex_) text_ = items_[a];
    if (itemIndex_ < 0 && old >= 0 && style_ == ComboStyle::DropDownList) text_.clear();
    changed(change::Items | change::State | change::Text);
}

void ComboBox::setStyle(ComboStyle s) {
    if (s == style_) return;
    style_ = s;
    if (s == ComboStyle::DropDownList && itemIndex_ < 0) text_.clear();
    changed(change::Options | change::Text);
}

void ComboBox::setItemIndex(int i) {
    if (i < 0 || i >= items_.count()) i = -1;
    const std::string t = i >= 0 ? items_[i] : std::string();
    if (i == itemIndex_ && t == text_) return;
    itemIndex_ = i;
    text_ = t;
    changed(change::State | change::Text);
}

void ComboBox::setText(std::string t) {
    const int i = items_.indexOf(t);
    if (style_ == ComboStyle::DropDownList && i < 0) t.clear();
    if (i == itemIndex_ && t == text_) return;
    itemIndex_ = i;
    text_ = std::move(t);
    changed(change::State | change::Text);
}

void ComboBox::setDropDownCount(int n) {
    n = std::max(1, n);
    if (n == dropDownCount_) return;
    dropDownCount_ = n;
    changed(change::Options);
}

void ComboBox::selectItem(int i) {
    if (!enabledInTree()) return;
    setItemIndex(i);
    if (onChange) onChange();
    if (onClick) onClick();
}

void ComboBox::userTyped(std::string t) {
    if (!enabledInTree() || style_ == ComboStyle::DropDownList) return;
    if (maxLength > 0) t = std::string(text::leftChars(t, static_cast<std::size_t>(maxLength)));
    if (t == text_) return;
    text_ = std::move(t);
    itemIndex_ = items_.indexOf(text_);
    changed(change::State | change::Text);
    if (onChange) onChange();
}

// ---- RadioGroup ----

RadioGroup::RadioGroup(Control* parent, std::string name, std::string caption)
    : Control(parent, std::move(name)) {
    setBounds(0, 0, 185, 105);
    setCaption(std::move(caption));
    items_.listener = [this](ItemList::Op op, int a, int b) { itemsChanged(op, a, b); };
}

void RadioGroup::itemsChanged(ItemList::Op op, int a, int b) {
    if (itemIndex_ >= 0) itemIndex_ = followIndex(itemIndex_, op, a, b);
    changed(change::Items | change::State);
}

void RadioGroup::setItemIndex(int i) {
    if (i < 0 || i >= items_.count()) i = -1;
    if (i == itemIndex_) return;
    itemIndex_ = i;
    changed(change::State);
    if (onClick) onClick();
}

void RadioGroup::setColumns(int c) {
    c = std::max(1, c);
    if (c == columns_) return;
    columns_ = c;
    changed(change::Options);
}

}  // namespace qb
