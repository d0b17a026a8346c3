#include "platform/controls/menus.h"

#include <algorithm>

#include "platform/controls/control.h"
#include "platform/controls/form.h"

namespace qb {

MenuItem::MenuItem(MenuItem* parent, std::string name, std::string caption, std::string shortCut)
    : parent_(parent), name_(std::move(name)), caption_(std::move(caption)), shortCut_(parseShortCut(shortCut)) {
    if (parent_) {
        parent_->items_.push_back(this);
        parent_->changed();
    }
}

MenuItem::~MenuItem() {
    if (Form* f = form())
        if (ViewListener* v = f->viewListener()) v->menuRemoved(*this);
    for (MenuItem* c : items_) c->parent_ = nullptr;
    if (parent_) {
        std::erase(parent_->items_, this);
        parent_->changed();
    }
}

Form* MenuItem::form() const { return parent_ ? parent_->form() : nullptr; }

MenuItem* MenuItem::root() {
    MenuItem* m = this;
    while (m->parent_) m = m->parent_;
    return m;
}

void MenuItem::changed() {
    if (Form* f = form())
        if (ViewListener* v = f->viewListener()) v->menuChanged(*this);
}

void MenuItem::setCaption(std::string c) {
    if (c == caption_) return;
    caption_ = std::move(c);
    changed();
}

void MenuItem::setShortCut(ShortCut sc) {
    sc.shift = modifierBits(sc.shift);
    if (sc == shortCut_) return;
    shortCut_ = sc;
    changed();
}

void MenuItem::setHint(std::string h) {
    if (h == hint_) return;
    hint_ = std::move(h);
    changed();
}

void MenuItem::setEnabled(bool e) {
    if (e == enabled_) return;
    enabled_ = e;
    changed();
}

void MenuItem::setVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    changed();
}

void MenuItem::setChecked(bool c) {
    if (c == checked_) return;
    checked_ = c;
    changed();
    if (c && radioItem_ && parent_)
        for (MenuItem* s : parent_->items_)
            if (s != this && s->radioItem_ && s->groupIndex_ == groupIndex_) s->setChecked(false);
}

void MenuItem::setRadioItem(bool r) {
    if (r == radioItem_) return;
    radioItem_ = r;
    changed();
}

bool MenuItem::available() const {
    for (const MenuItem* m = this; m && m->parent_; m = m->parent_)
        if (!m->enabled_ || !m->visible_) return false;
    return true;
}

void MenuItem::click() {
    if (!available() || isSeparator()) return;
    if (autoCheck) setChecked(radioItem_ ? true : !checked_);
    if (onClick) onClick();
}

MenuItem* MenuItem::findShortCut(ShortCut sc) {
    if (sc.empty()) return nullptr;
    for (MenuItem* m : items_) {
        if (!m->enabled_ || !m->visible_) continue;  // nor anything below it
        if (m->shortCut_ == sc && !m->isSeparator()) return m;
        if (MenuItem* r = m->findShortCut(sc)) return r;
    }
    return nullptr;
}

MainMenu::MainMenu(Form* owner, std::string name) : MenuItem(nullptr, std::move(name)), owner_(owner) {
    if (owner_) owner_->setMenu(this);
}

MainMenu::~MainMenu() {
    // A main menu goes away with its form, whose other members may be gone
    // already: it is only forgotten, nothing is laid out again.
    if (owner_ && owner_->menu() == this) owner_->menuGone();
}

PopupMenu::PopupMenu(Form* owner, std::string name) : MenuItem(nullptr, std::move(name)), owner_(owner) {
    if (owner_) owner_->addPopup(this);
}

PopupMenu::~PopupMenu() {
    if (!owner_) return;
    owner_->removePopup(this);
    for (Control* c : owner_->allControls())
        if (c->popupMenu() == this) c->setPopupMenu(nullptr);
    if (owner_->popupMenu() == this) owner_->setPopupMenu(nullptr);
}

void PopupMenu::popupFor(Control* c, int x, int y) {
    component_ = c;
    if (onPopup) onPopup();
    if (owner_)
        if (ViewListener* v = owner_->viewListener()) v->popup(*this, c, x, y);
}

}  // namespace qb
