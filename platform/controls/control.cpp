#include "platform/controls/control.h"

#include <algorithm>

#include "platform/controls/form.h"
#include "platform/controls/menus.h"

namespace qb {

std::string shortHint(std::string_view hint) {
    const auto bar = hint.find('|');
    return std::string(bar == std::string_view::npos ? hint : hint.substr(0, bar));
}

std::string longHint(std::string_view hint) {
    const auto bar = hint.find('|');
    return std::string(bar == std::string_view::npos ? hint : hint.substr(bar + 1));
}

Control::Control(Control* parent, std::string name)
    : parent_(parent), form_(parent ? parent->form_ : nullptr), name_(std::move(name)) {
    if (parent_) {
        parent_->children_.push_back(this);
        parent_->changed(change::Children);
    } else {
        parentFont_ = false;
        parentColor_ = false;
    }
}

Control::~Control() {
    if (form_ && form_ != this) {
        form_->controlGone(this);
        if (ViewListener* v = form_->viewListener()) v->controlRemoved(*this);
    }
    for (Control* c : children_) c->parent_ = nullptr;  // children outliving their parent
    if (parent_) {
        auto& sib = parent_->children_;
        sib.erase(std::remove(sib.begin(), sib.end(), this), sib.end());
        parent_->changed(change::Children);
        if (align_ != Align::None) parent_->realign();
    }
}

Form* Control::form() const { return form_; }

void Control::changed(unsigned what) {
    if (form_) {
        if (ViewListener* v = form_->viewListener()) v->controlChanged(*this, what);
    }
}

void Control::setBounds(int l, int t, int w, int h) {
    w = std::max(0, w);
    h = std::max(0, h);
    const Rect r{l, t, l + w, t + h};
    if (r == bounds_) return;
    const bool resized = r.width() != bounds_.width() || r.height() != bounds_.height();
    bounds_ = r;
    changed(change::Bounds);
    if (parent_ && align_ != Align::None) parent_->realign();
    if (resized) {
        outerSizeChanged();
        realign();
        if (onResize) onResize();
    }
}

void Control::setAlign(Align a) {
    if (a == align_) return;
    align_ = a;
    if (parent_) parent_->realign();
}

void Control::realign() {
    if (aligning_) return;
    aligning_ = true;
    Rect r = alignRect();
    auto docked = [&](Align a) {
        std::vector<Control*> v;
        for (Control* c : children_)
            if (c->align_ == a && c->visible_) v.push_back(c);
        return v;
    };
    auto place = [](Control* c, Rect nr) {
        nr.right = std::max(nr.left, nr.right);
        nr.bottom = std::max(nr.top, nr.bottom);
        c->setBounds(nr.left, nr.top, nr.width(), nr.height());
    };
    auto tops = docked(Align::Top);
    std::stable_sort(tops.begin(), tops.end(), [](Control* a, Control* b) { return a->top() < b->top(); });
    for (Control* c : tops) {
        const int h = c->height();
        place(c, Rect{r.left, r.top, r.right, r.top + h});
        r.top += h;
    }
    auto bottoms = docked(Align::Bottom);
    std::stable_sort(bottoms.begin(), bottoms.end(),
                     [](Control* a, Control* b) { return a->bounds_.bottom > b->bounds_.bottom; });
    for (Control* c : bottoms) {
        const int h = c->height();
        place(c, Rect{r.left, r.bottom - h, r.right, r.bottom});
        r.bottom -= h;
    }
    auto lefts = docked(Align::Left);
    std::stable_sort(lefts.begin(), lefts.end(), [](Control* a, Control* b) { return a->left() < b->left(); });
    for (Control* c : lefts) {
        const int w = c->width();
        place(c, Rect{r.left, r.top, r.left + w, r.bottom});
        r.left += w;
    }
    auto rights = docked(Align::Right);
    std::stable_sort(rights.begin(), rights.end(),
                     [](Control* a, Control* b) { return a->bounds_.right > b->bounds_.right; });
    for (Control* c : rights) {
        const int w = c->width();
        place(c, Rect{r.right - w, r.top, r.right, r.bottom});
        r.right -= w;
    }
    for (Control* c : docked(Align::Client)) place(c, r);
    aligning_ = false;
}

void Control::setVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    if (!v && form_ && form_ != this) {
        // A control that disappears loses the focus.
        Control* a = form_->activeControl();
        for (Control* p = a; p; p = p->parent_)
            if (p == this) {
                form_->setActiveControl(nullptr);
                break;
            }
    }
    changed(change::Visible);
    if (parent_ && align_ != Align::None) parent_->realign();
}

bool Control::showing() const {
    for (const Control* c = this; c; c = c->parent_)
        if (!c->visible_) return false;
    return true;
}

void Control::setEnabled(bool e) {
    if (e == enabled_) return;
    enabled_ = e;
    changed(change::Enabled);
}

bool Control::enabledInTree() const {
    for (const Control* c = this; c; c = c->parent_)
        if (!c->enabled_) return false;
    return true;
}

void Control::setCaption(std::string c) {
    if (c == caption_) return;
    caption_ = std::move(c);
    changed(change::Text);
}

void Control::setHint(std::string h) {
    if (h == hint_) return;
    hint_ = std::move(h);
    changed(change::Hint);
}

int Control::effectiveHelpContext() const {
    for (const Control* c = this; c; c = c->parent_)
        if (c->helpContext_ != 0) return c->helpContext_;
    return 0;
}

const Font& Control::font() const {
    const Control* c = this;
    while (c->parentFont_ && c->parent_) c = c->parent_;
    return c->font_;
}

void Control::setFont(const Font& f) {
    const bool same = !parentFont_ && f == font_;
    font_ = f;
    parentFont_ = false;
    if (!same) notifyTree(change::Font);
}

void Control::setParentFont(bool p) {
    if (p == parentFont_ || !parent_) return;
    if (!p) font_ = font();  // keep what is shown
    parentFont_ = p;
    notifyTree(change::Font);
}

Color Control::color() const {
    const Control* c = this;
    while (c->parentColor_ && c->parent_) c = c->parent_;
    return c->color_;
}

void Control::setColor(Color c) {
    const bool same = !parentColor_ && c == color_;
    color_ = c;
    parentColor_ = false;
    if (!same) notifyTree(change::Color);
}

void Control::setParentColor(bool p) {
    if (p == parentColor_ || !parent_) return;
    if (!p) color_ = color();
    parentColor_ = p;
    notifyTree(change::Color);
}

void Control::notifyTree(unsigned what) {
    if (what & change::Font) fontChanged();
    changed(what);
    for (Control* c : children_) {
        const bool follows = (what & change::Font) ? c->parentFont_ : c->parentColor_;
        if (follows) c->notifyTree(what);
    }
}

bool Control::canFocus() const { return canTakeFocus() && showing() && enabledInTree(); }

bool Control::focused() const { return form_ && form_->activeControl() == this; }

bool Control::setFocus() {
    if (!form_ || !canFocus()) return false;
    form_->setActiveControl(this);
    return true;
}

void Control::repaint() {
    if (form_)
        if (ViewListener* v = form_->viewListener()) v->request(*this, ViewRequest::Repaint);
}

void Control::bringToFront() {
    if (form_)
        if (ViewListener* v = form_->viewListener()) v->request(*this, ViewRequest::BringToFront);
}

void Control::click() {
    if (enabledInTree() && onClick) onClick();
}

void Control::dblClick() {
    if (enabledInTree() && onDblClick) onDblClick();
}

void Control::mouseDown(MouseButton b, ShiftState s, int x, int y) {
    if (!enabledInTree()) return;
    if (onMouseDown) onMouseDown(b, s, x, y);
    if (b == MouseButton::Right) {
        // The nearest popup menu up the tree opens for this control.
        for (Control* c = this; c; c = c->parent_)
            if (c->popupMenu_) {
                if (c->popupMenu_->autoPopup) c->popupMenu_->popupFor(this, x, y);
                break;
            }
    }
}

void Control::mouseUp(MouseButton b, ShiftState s, int x, int y) {
    if (enabledInTree() && onMouseUp) onMouseUp(b, s, x, y);
}

void Control::mouseMove(ShiftState s, int x, int y) {
    if (enabledInTree() && onMouseMove) onMouseMove(s, x, y);
}

void Control::startDrag() {
    if (onStartDrag) onStartDrag();
}

bool Control::dragOver(Control* source, int x, int y) {
    // Without a handler a control accepts nothing; with one it accepts
    // unless the handler says no.
    if (!onDragOver || !enabledInTree()) return false;
    bool accept = true;
    onDragOver(source, x, y, accept);
    return accept;
}

void Control::dragDrop(Control* source, int x, int y) {
    if (onDragDrop && enabledInTree()) onDragDrop(source, x, y);
}

void Control::endDrag(Control* target, int x, int y) {
    if (onEndDrag) onEndDrag(target, x, y);
}

}  // namespace qb
