#include "platform/controls/ranges.h"

#include <algorithm>

namespace qb {

RangeControl::RangeControl(Control* parent, std::string name, int min, int max)
    : Control(parent, std::move(name)), min_(min), max_(max), position_(min) {}

void RangeControl::setRange(int min, int max) {
    if (max < min) max = min;
    if (min == min_ && max == max_) return;
    min_ = min;
    max_ = max;
    changed(change::Range);
    const int p = std::clamp(position_, min_, max_);
    if (p != position_) {
        position_ = p;
        changed(change::State);
        if (onChange) onChange();
    }
}

void RangeControl::setPosition(int p) {
    p = std::clamp(p, min_, max_);
    if (p == position_) return;
    position_ = p;
    changed(change::State);
    if (onChange) onChange();
}

void RangeControl::setOrientation(Orientation o) {
    if (o == orientation_) return;
    orientation_ = o;
    changed(change::Options);
}

TrackBar::TrackBar(Control* parent, std::string name) : RangeControl(parent, std::move(name), 0, 10) {
    setBounds(0, 0, 150, 45);
}

ScrollBar::ScrollBar(Control* parent, std::string name) : RangeControl(parent, std::move(name), 0, 100) {
    setBounds(0, 0, 121, 17);
}

ProgressBar::ProgressBar(Control* parent, std::string name) : RangeControl(parent, std::move(name), 0, 100) {
    setBounds(0, 0, 150, 17);
}

}  // namespace qb
