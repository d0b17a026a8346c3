#include "platform/controls/buttons.h"

#include "platform/controls/form.h"

namespace qb {

Button::Button(Control* parent, std::string name, std::string caption) : Control(parent, std::move(name)) {
    setBounds(0, 0, 75, 25);
    setCaption(std::move(caption));
}

void Button::click() {
    if (!enabledInTree()) return;
    if (onClick) onClick();
    if (modalResult_ != mrNone && form()) form()->setModalResult(modalResult_);
}

void Button::setDefault(bool d) {
    if (d == default_) return;
    default_ = d;
    changed(change::Options);
}

SpeedButton::SpeedButton(Control* parent, std::string name, std::string caption)
    : Control(parent, std::move(name)) {
    setBounds(0, 0, 23, 22);
    setCaption(std::move(caption));
}

void SpeedButton::click() {
    if (!enabledInTree()) return;
    if (groupIndex_ != 0) {
        if (!down_) setDown(true);
        else if (allowAllUp_) setDown(false);
    }
    if (onClick) onClick();
}

void SpeedButton::setDown(bool d) {
    if (groupIndex_ == 0) d = false;  // only grouped buttons stay down
    if (d == down_) return;
    if (!d && !allowAllUp_) {
        // The down button of a group comes up only when allowAllUp allows it.
        bool othersDown = false;
        if (parent())
            for (Control* c : parent()->children())
                if (c != this && c->kind() == ControlKind::SpeedButton) {
                    auto* s = static_cast<SpeedButton*>(c);
                    othersDown = othersDown || (s->groupIndex_ == groupIndex_ && s->down_);
                }
        if (!othersDown) return;
    }
    down_ = d;
    if (d && parent()) {
        for (Control* c : parent()->children())
            if (c != this && c->kind() == ControlKind::SpeedButton) {
                auto* s = static_cast<SpeedButton*>(c);
                if (s->groupIndex_ == groupIndex_ && s->down_) {
                    s->down_ = false;
                    s->changed(change::State);
                }
            }
    }
    changed(change::State);
}

void SpeedButton::setFlat(bool f) {
    if (f == flat_) return;
    flat_ = f;
    changed(change::Options);
}

CheckBox::CheckBox(Control* parent, std::string name, std::string caption) : Control(parent, std::move(name)) {
    setBounds(0, 0, 97, 17);
    setCaption(std::move(caption));
}

void CheckBox::click() {
    if (!enabledInTree()) return;
    setState(state_ == CheckState::Checked ? CheckState::Unchecked : CheckState::Checked);
}

void CheckBox::setState(CheckState s) {
    if (s == CheckState::Grayed && !allowGrayed) s = CheckState::Unchecked;
    if (s == state_) return;
    state_ = s;
    changed(change::State);
    if (onClick) onClick();
}

RadioButton::RadioButton(Control* parent, std::string name, std::string caption)
    : Control(parent, std::move(name)) {
    setBounds(0, 0, 113, 17);
    setCaption(std::move(caption));
}

void RadioButton::setChecked(bool c) {
    if (c == checked_) return;
    checked_ = c;
    changed(change::State);
    if (!c) return;
    if (parent())
        for (Control* k : parent()->children())
            if (k != this && k->kind() == ControlKind::RadioButton) static_cast<RadioButton*>(k)->setChecked(false);
    if (onClick) onClick();
}

}  // namespace qb
