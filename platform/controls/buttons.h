#pragma once
// Buttons, speed buttons, check boxes and radio buttons.

#include "platform/controls/control.h"

namespace qb {

// A push button (also the bitmap buttons of the forms). Clicking it runs
// onClick, then gives its form the button's modal result (when not mrNone).
class Button : public Control {
public:
    Button(Control* parent, std::string name, std::string caption = {});
    ControlKind kind() const override { return ControlKind::Button; }
    bool canTakeFocus() const override { return true; }
    void click() override;

    int modalResult() const { return modalResult_; }
    void setModalResult(int r) { modalResult_ = r; }
    // Return on the form clicks the default button, Escape the cancel button.
    bool isDefault() const { return default_; }
    void setDefault(bool d);
    bool isCancel() const { return cancel_; }
    void setCancel(bool c) { cancel_ = c; }

private:
    int modalResult_ = 0;
    bool default_ = false;
    bool cancel_ = false;
};
using BitBtn = Button;

// A flat button that takes no focus. With a group index it stays down; buttons
// of one parent with the same group index are exclusive; allowAllUp lets the
// down one come up again when clicked.
class SpeedButton : public Control {
public:
    SpeedButton(Control* parent, std::string name, std::string caption = {});
    ControlKind kind() const override { return ControlKind::SpeedButton; }
    void click() override;

    int groupIndex() const { return groupIndex_; }
    void setGroupIndex(int g) { groupIndex_ = g; }
    bool allowAllUp() const { return allowAllUp_; }
    void setAllowAllUp(bool a) { allowAllUp_ = a; }
    bool down() const { return down_; }
    void setDown(bool d);  // releases the others of its group; no onClick
    bool flat() const { return flat_; }
    void setFlat(bool f);

private:
    int groupIndex_ = 0;
    bool allowAllUp_ = false;
    bool down_ = false;
    bool flat_ = false;
};

enum class CheckState { Unchecked, Checked, Grayed };

// Setting checked (or the state) to a new value runs onClick, also from code.
// The user's click toggles checked (grayed counts as unchecked).
class CheckBox : public Control {
public:
    CheckBox(Control* parent, std::string name, std::string caption = {});
    ControlKind kind() const override { return ControlKind::CheckBox; }
    bool canTakeFocus() const override { return true; }
    void click() override;

    bool checked() const { return state_ == CheckState::Checked; }
    void setChecked(bool c) { setState(c ? CheckState::Checked : CheckState::Unchecked); }
    CheckState state() const { return state_; }
    void setState(CheckState s);
    bool allowGrayed = false;

private:
    CheckState state_ = CheckState::Unchecked;
};

// Radio buttons with the same parent are exclusive. Checking one (from code
// or by a click) unchecks the others and runs its onClick; unchecking runs
// nothing.
class RadioButton : public Control {
public:
    RadioButton(Control* parent, std::string name, std::string caption = {});
    ControlKind kind() const override { return ControlKind::RadioButton; }
    bool canTakeFocus() const override { return true; }
    void click() override { setChecked(true); }

    bool checked() const { return checked_; }
    void setChecked(bool c);

private:
    bool checked_ = false;
};

}  // namespace qb
