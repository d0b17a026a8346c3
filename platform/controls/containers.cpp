#include "platform/controls/containers.h"

#include <algorithm>

namespace qb {

Label::Label(Control* parent, std::string name, std::string caption) : Control(parent, std::move(name)) {
    setBounds(0, 0, 65, 13);
    setCaption(std::move(caption));
}

void Label::setAlignment(Alignment a) {
    if (a == alignment_) return;
    alignment_ = a;
    changed(change::Options);
}

void Label::setTransparent(bool t) {
    if (t == transparent_) return;
    transparent_ = t;
    changed(change::Options);
}

void Label::setWordWrap(bool w) {
    if (w == wordWrap_) return;
    wordWrap_ = w;
    changed(change::Options);
}

GroupBox::GroupBox(Control* parent, std::string name, std::string caption) : Control(parent, std::move(name)) {
    setBounds(0, 0, 185, 105);
    setCaption(std::move(caption));
}

Rect GroupBox::alignRect() const {
    // Inside the frame, below the caption line.
    return Rect{2, font().pixelHeight() + 4, std::max(2, width() - 2), std::max(font().pixelHeight() + 4, height() - 2)};
}

Panel::Panel(Control* parent, std::string name, std::string caption) : Control(parent, std::move(name)) {
    setBounds(0, 0, 185, 41);
    setCaption(std::move(caption));
}

Rect Panel::alignRect() const {
    const int inset = (bevelOuter_ != Bevel::None ? 1 : 0) + (bevelInner_ != Bevel::None ? 1 : 0) + borderWidth_;
    return Rect{inset, inset, std::max(inset, width() - inset), std::max(inset, height() - inset)};
}

void Panel::setBevelOuter(Bevel b) {
    if (b == bevelOuter_) return;
    bevelOuter_ = b;
    changed(change::Options);
    realign();
}

void Panel::setBevelInner(Bevel b) {
    if (b == bevelInner_) return;
    bevelInner_ = b;
    changed(change::Options);
    realign();
}

void Panel::setBorderWidth(int w) {
    if (w == borderWidth_) return;
    borderWidth_ = std::max(0, w);
    changed(change::Options);
    realign();
}

}  // namespace qb
