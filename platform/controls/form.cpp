#include "platform/controls/form.h"

#include <functional>

#include "platform/controls/bars.h"
#include "platform/controls/buttons.h"
#include "platform/controls/menus.h"

namespace qb {

Form::Form(std::string name, std::string caption) : Control(nullptr, std::move(name)) {
    form_ = this;
    Control::setVisible(false);  // forms start hidden
    setCaption(std::move(caption));
    setColor(clBtnFace);
    setFont(Font{});
    applyFrame();
}

Form::~Form() {
    if (view_) view_->controlRemoved(*this);
}

Rect Form::frameExtents() const {
    Rect f;
    switch (borderStyle_) {
        case BorderStyle::None: break;
        case BorderStyle::Sizeable: f = Rect{8, 31, 8, 8}; break;
        case BorderStyle::Single:
        case BorderStyle::Dialog: f = Rect{3, 26, 3, 3}; break;
        case BorderStyle::ToolWindow: f = Rect{3, 22, 3, 3}; break;
        case BorderStyle::SizeToolWin: f = Rect{8, 22, 8, 8}; break;
    }
    if (menu_) f.top += 20;
    return f;
}

void Form::applyFrame() {
    const Rect f = frameExtents();
    setBounds(left(), top(), clientWidth_ + f.left + f.right, clientHeight_ + f.top + f.bottom);
}

void Form::outerSizeChanged() {
    // Setting the window's outer size sets its inside: the outer size less
    // the frame, the caption and the menu bar.
    const Rect f = frameExtents();
    clientWidth_ = std::max(0, width() - f.left - f.right);
    clientHeight_ = std::max(0, height() - f.top - f.bottom);
}

void Form::setClientSize(int w, int h) {
    w = std::max(0, w);
    h = std::max(0, h);
    if (w == clientWidth_ && h == clientHeight_) return;
    clientWidth_ = w;
    clientHeight_ = h;
    const Rect f = frameExtents();
    const int oldW = width(), oldH = height();
    setBounds(left(), top(), w + f.left + f.right, h + f.top + f.bottom);
    // setBounds realigns only when the outer size moved; the inside did.
    if (oldW == width() && oldH == height()) realign();
}

void Form::setBorderStyle(BorderStyle b) {
    if (b == borderStyle_) return;
    borderStyle_ = b;
    applyFrame();
    changed(change::Options);
}

void Form::setFormStyle(FormStyle s) {
    if (s == formStyle_) return;
    formStyle_ = s;
    changed(change::Options);
}

void Form::setPosition(FormPosition p) {
    if (p == position_) return;
    position_ = p;
    changed(change::Options);
}

void Form::setVisible(bool v) {
    if (v == visible()) return;
    Control::setVisible(v);
    if (v) {
        if (onShow) onShow();
    } else {
        if (onHide) onHide();
    }
}

bool Form::close() {
    bool canClose = true;
    if (onCloseQuery) onCloseQuery(canClose);
    if (!canClose) return false;
    CloseAction action = CloseAction::Hide;
    if (onClose) onClose(action);
    if (action == CloseAction::None || action == CloseAction::Minimize) return false;
    if (modal_ && modalResult_ == mrNone) setModalResult(mrCancel);
    hide();
    if (afterClose) afterClose(*this);
    return true;
}

void Form::setModalResult(int r) {
    modalResult_ = r;
    changed(change::Modal);
}

void Form::beginModal() {
    modal_ = true;
    modalResult_ = mrNone;
    changed(change::Modal);
    show();
}

void Form::endModal() {
    modal_ = false;
    hide();
    changed(change::Modal);
}

void Form::setActiveControl(Control* c) {
    if (c == active_) return;
    Control* old = active_;
    active_ = c;
    if (old && old->onExit) old->onExit();
    if (c && c->onEnter) c->onEnter();
    if (c && view_ && active_ == c) view_->request(*c, ViewRequest::SetFocus);
}

void Form::controlGone(Control* c) {
    if (active_ == c) active_ = nullptr;
}

void Form::setMenu(MainMenu* m) {
    const int w = clientWidth_, h = clientHeight_;
    menu_ = m;
    clientWidth_ = -1;  // force the outer size to follow the frame
    setClientSize(w, h);
    changed(change::Menu);
}

void Form::addPopup(PopupMenu* p) { popups_.push_back(p); }

void Form::removePopup(PopupMenu* p) { std::erase(popups_, p); }

MenuItem* Form::findShortCut(ShortCut sc) const {
    if (sc.empty()) return nullptr;
    sc.shift = modifierBits(sc.shift);
    if (menu_)
        if (MenuItem* m = menu_->findShortCut(sc)) return m;
    const Control* start = active_ ? active_ : this;
    for (const Control* c = start; c; c = c->parent())
        if (PopupMenu* p = c->popupMenu())
            if (MenuItem* m = p->findShortCut(sc)) return m;
    return nullptr;
}

Button* Form::findButton(bool wantDefault) const {
    for (Control* c : allControls()) {
        if (c->kind() != ControlKind::Button) continue;
        auto* b = static_cast<Button*>(c);
        if (!(wantDefault ? b->isDefault() : b->isCancel())) continue;
        bool vis = true;
        for (Control* p = b; p && p != this; p = p->parent()) vis = vis && p->visible();
        if (vis && b->enabledInTree()) return b;
    }
    return nullptr;
}

bool Form::keyDown(int key, ShiftState shift) {
    if (MenuItem* m = findShortCut(ShortCut{key, shift})) {
        m->click();
        return true;
    }
    if (keyPreview && onKeyDown) {
        onKeyDown(key, shift);
        if (key == 0) return true;
    }
    if (active_ && active_->onKeyDown && active_->enabledInTree()) {
        active_->onKeyDown(key, shift);
        if (key == 0) return true;
    }
    if (modifierBits(shift) != 0) return false;
    if (key == key::Return) {
        if (active_ && (active_->kind() == ControlKind::Memo || active_->kind() == ControlKind::RichEdit))
            return false;  // a new line
        Button* b = active_ && active_->kind() == ControlKind::Button ? static_cast<Button*>(active_)
                                                                     : findButton(true);
        if (b && b->enabledInTree()) {
            b->click();
            return true;
        }
    } else if (key == key::Escape) {
        if (Button* b = findButton(false)) {
            b->click();
            return true;
        }
    }
    return false;
}

bool Form::keyPress(char32_t ch) {
    if (keyPreview && onKeyPress) {
        onKeyPress(ch);
        if (ch == 0) return true;
    }
    if (active_ && active_->onKeyPress && active_->enabledInTree()) {
        active_->onKeyPress(ch);
        if (ch == 0) return true;
    }
    return false;
}

void Form::keyUp(int key, ShiftState shift) {
    if (keyPreview && onKeyUp) {
        onKeyUp(key, shift);
        if (key == 0) return;
    }
    if (active_ && active_->onKeyUp && active_->enabledInTree()) active_->onKeyUp(key, shift);
}

void Form::hintShown(const std::string& hint) {
    const std::string text = longHint(hint);
    if (onHint) {
        onHint(text);
        return;
    }
    for (Control* c : allControls()) {
        if (c->kind() != ControlKind::StatusBar) continue;
        auto* sb = static_cast<StatusBar*>(c);
        if (!sb->autoHint) continue;
        if (sb->simplePanel() || sb->panelCount() == 0) sb->setSimpleText(text);
        else sb->setPanelText(0, text);
        return;
    }
}

std::vector<Control*> Form::allControls() const {
    std::vector<Control*> out;
    std::function<void(const Control*)> walk = [&](const Control* c) {
        for (Control* k : c->children()) {
            out.push_back(k);
            walk(k);
        }
    };
    walk(this);
    return out;
}

Control* Form::findControl(const std::string& controlName) const {
    for (Control* c : allControls())
        if (c->name() == controlName) return c;
    return nullptr;
}

}  // namespace qb
