#include "platform/controls/bars.h"

#include <algorithm>

#include "platform/controls/menus.h"

namespace qb {

ToolBar::ToolBar(Control* parent, std::string name) : Control(parent, std::move(name)) {
    setBounds(0, 0, parent ? parent->alignRect().width() : 150, 29);
    setAlign(Align::Top);
}

void ToolBar::setShowCaptions(bool s) {
    if (s == showCaptions_) return;
    showCaptions_ = s;
    changed(change::Options);
}

void ToolBar::setButtonSize(int w, int h) {
    buttonWidth_ = std::max(1, w);
    buttonHeight_ = std::max(1, h);
    arrange();
}

void ToolBar::arrange() {
    int x = 0;
    for (Control* c : children()) {
        if (c->kind() != ControlKind::ToolButton || !c->visible()) continue;
        const bool sep = static_cast<ToolButton*>(c)->style() == ToolButtonStyle::Separator;
        const int w = sep ? 8 : buttonWidth_;
        c->setBounds(x, 2, w, buttonHeight_);
        x += w;
    }
}

ToolButton::ToolButton(ToolBar* parent, std::string name, std::string caption)
    : Control(parent, std::move(name)) {
    setCaption(std::move(caption));
    if (parent) parent->arrange();
}

void ToolButton::click() {
    if (!enabledInTree() || style_ == ToolButtonStyle::Separator) return;
    if (style_ == ToolButtonStyle::Check) setDown(!down_);
    if (onClick) onClick();
    else if (menuItem) menuItem->click();
}

void ToolButton::setStyle(ToolButtonStyle s) {
    if (s == style_) return;
    style_ = s;
    changed(change::Options);
    if (parent() && parent()->kind() == ControlKind::ToolBar) static_cast<ToolBar*>(parent())->arrange();
}

void ToolButton::setDown(bool d) {
    if (d == down_) return;
    down_ = d;
    changed(change::State);
}

StatusBar::StatusBar(Control* parent, std::string name) : Control(parent, std::move(name)) {
    setBounds(0, parent ? parent->alignRect().height() - 19 : 0, parent ? parent->alignRect().width() : 150, 19);
    setAlign(Align::Bottom);
}

int StatusBar::addPanel(int width, std::string text) {
    panels_.push_back(StatusPanel{std::move(text), std::max(0, width)});
    changed(change::Items);
    return panelCount() - 1;
}

void StatusBar::setPanelText(int i, std::string text) {
    if (i < 0 || i >= panelCount() || panels_[static_cast<std::size_t>(i)].text == text) return;
    panels_[static_cast<std::size_t>(i)].text = std::move(text);
    changed(change::Text);
}

const std::string& StatusBar::panelText(int i) const {
    static const std::string none;
    return i >= 0 && i < panelCount() ? panels_[static_cast<std::size_t>(i)].text : none;
}

void StatusBar::setPanelWidth(int i, int width) {
    if (i < 0 || i >= panelCount()) return;
    panels_[static_cast<std::size_t>(i)].width = std::max(0, width);
    changed(change::Items);
}

void StatusBar::clearPanels() {
    panels_.clear();
    changed(change::Items);
}

void StatusBar::setSimplePanel(bool s) {
    if (s == simplePanel_) return;
    simplePanel_ = s;
    changed(change::Items);
}

void StatusBar::setSimpleText(std::string t) {
    if (t == simpleText_) return;
    simpleText_ = std::move(t);
    changed(change::Text);
}

}  // namespace qb
