#pragma once
// Labels and the boxes that hold other controls.

#include "platform/controls/control.h"

namespace qb {

class Label : public Control {
public:
    Label(Control* parent, std::string name, std::string caption = {});
    ControlKind kind() const override { return ControlKind::Label; }

    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment a);
    bool transparent() const { return transparent_; }
    void setTransparent(bool t);
    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool w);

private:
    Alignment alignment_ = Alignment::Left;
    bool transparent_ = true;
    bool wordWrap_ = false;
};

// A box with a caption in its frame. Docked children fill the inside below
// the caption.
class GroupBox : public Control {
public:
    GroupBox(Control* parent, std::string name, std::string caption = {});
    ControlKind kind() const override { return ControlKind::GroupBox; }
    Rect alignRect() const override;
};

enum class Bevel { None, Lowered, Raised };

// A panel: a raised or lowered area; its caption is drawn in the middle.
class Panel : public Control {
public:
    Panel(Control* parent, std::string name, std::string caption = {});
    ControlKind kind() const override { return ControlKind::Panel; }
    Rect alignRect() const override;

    Bevel bevelOuter() const { return bevelOuter_; }
    void setBevelOuter(Bevel b);
    Bevel bevelInner() const { return bevelInner_; }
    void setBevelInner(Bevel b);
    int borderWidth() const { return borderWidth_; }
    void setBorderWidth(int w);

private:
    Bevel bevelOuter_ = Bevel::Raised;
    Bevel bevelInner_ = Bevel::None;
    int borderWidth_ = 0;
};

}  // namespace qb
