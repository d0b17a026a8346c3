#pragma once
// Controls with a position in a range: track bars, scroll bars, progress bars.
// The position is always clamped into min..max; a range whose max is below
// its min is stored as min..min.

#include "platform/controls/control.h"

namespace qb {

enum class Orientation { Horizontal, Vertical };

// The shared range logic. onChange runs after every change of the position,
// from code as well as from the user, and never when the value stays.
class RangeControl : public Control {
public:
    int min() const { return min_; }
    int max() const { return max_; }
    int position() const { return position_; }
    void setMin(int v) { setRange(v, max_ < v ? v : max_); }
    void setMax(int v) { setRange(min_, v); }
    void setRange(int min, int max);
    void setPosition(int p);
    Orientation orientation() const { return orientation_; }
    void setOrientation(Orientation o);

    Handler onChange;

protected:
    RangeControl(Control* parent, std::string name, int min, int max);

private:
    int min_, max_;
    int position_;
    Orientation orientation_ = Orientation::Horizontal;
};

// A track bar. Vertical ones have min at the top.
class TrackBar : public RangeControl {
public:
    TrackBar(Control* parent, std::string name);  // 0..10
    ControlKind kind() const override { return ControlKind::TrackBar; }
    bool canTakeFocus() const override { return true; }
    int pageSize = 2;
    int lineSize = 1;
    int frequency = 1;  // ticks every so many positions
};

// A scroll bar (0..100); smallChange for the arrows, largeChange for a page.
class ScrollBar : public RangeControl {
public:
    ScrollBar(Control* parent, std::string name);
    ControlKind kind() const override { return ControlKind::ScrollBar; }
    bool canTakeFocus() const override { return true; }
    int smallChange = 1;
    int largeChange = 1;
};

// A progress bar (0..100). No handler.
class ProgressBar : public RangeControl {
public:
    ProgressBar(Control* parent, std::string name);
    ControlKind kind() const override { return ControlKind::ProgressBar; }
    int step = 10;
    void stepIt() { setPosition(position() + step); }
    void stepBy(int n) { setPosition(position() + n); }
};

}  // namespace qb
