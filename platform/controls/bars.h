#pragma once
// The tool bar with its tool buttons, and the status bar with its panels.

#include <string>
#include <vector>

#include "platform/controls/control.h"

namespace qb {

class MenuItem;

// A bar docked at the top (by default) that holds tool buttons in a row.
class ToolBar : public Control {
public:
    ToolBar(Control* parent, std::string name);
    ControlKind kind() const override { return ControlKind::ToolBar; }
    bool showCaptions() const { return showCaptions_; }
    void setShowCaptions(bool s);
    int buttonWidth() const { return buttonWidth_; }
    int buttonHeight() const { return buttonHeight_; }
    void setButtonSize(int w, int h);
    // Lays the tool buttons out from the left, in the order they were made.
    void arrange();

private:
    bool showCaptions_ = true;
    int buttonWidth_ = 23;
    int buttonHeight_ = 22;
};

enum class ToolButtonStyle { Button, Check, Separator };

// A button of a tool bar (parent: the tool bar). With a menuItem, a click
// that has no onClick of its own chooses that item.
class ToolButton : public Control {
public:
    ToolButton(ToolBar* parent, std::string name, std::string caption = {});
    ControlKind kind() const override { return ControlKind::ToolButton; }
    void click() override;

    ToolButtonStyle style() const { return style_; }
    void setStyle(ToolButtonStyle s);
    int imageIndex = -1;
    bool down() const { return down_; }
    void setDown(bool d);
    MenuItem* menuItem = nullptr;

private:
    ToolButtonStyle style_ = ToolButtonStyle::Button;
    bool down_ = false;
};

struct StatusPanel {
    std::string text;
    int width = 50;
    Alignment alignment = Alignment::Left;
};

// A status bar docked at the bottom (by default). With simplePanel it shows
// only simpleText; with autoHint it shows the form's long hints (in the
// first panel, or the simple text).
class StatusBar : public Control {
public:
    StatusBar(Control* parent, std::string name);
    ControlKind kind() const override { return ControlKind::StatusBar; }

    int panelCount() const { return static_cast<int>(panels_.size()); }
    const StatusPanel& panel(int i) const { return panels_.at(static_cast<std::size_t>(i)); }
    int addPanel(int width, std::string text = {});
    void setPanelText(int i, std::string text);  // no panel i: nothing
    const std::string& panelText(int i) const;   // no panel i: empty
    void setPanelWidth(int i, int width);
    void clearPanels();

    bool simplePanel() const { return simplePanel_; }
    void setSimplePanel(bool s);
    const std::string& simpleText() const { return simpleText_; }
    void setSimpleText(std::string t);
    bool autoHint = false;

private:
    std::vector<StatusPanel> panels_;
    bool simplePanel_ = false;
    std::string simpleText_;
};

}  // namespace qb
