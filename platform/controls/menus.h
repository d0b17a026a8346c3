#pragma once
// Menus: the form's main menu and popup menus, trees of menu items.
//
//   qb::MainMenu MainMenu1{this, "MainMenu1"};
//   qb::MenuItem DateiItem{&MainMenu1, "DateiItem", "&Datei"};
//   qb::MenuItem NeuItem{&DateiItem, "NeuItem", "&Neu", "Ctrl+N"};
//
// A caption of "-" is a separator line.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/controls/keys.h"

namespace qb {

class Form;
class Control;

class MenuItem {
public:
    MenuItem(MenuItem* parent, std::string name, std::string caption = {},
             std::string shortCut = {});
    virtual ~MenuItem();
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    const std::string& name() const { return name_; }
    MenuItem* parent() const { return parent_; }
    const std::vector<MenuItem*>& items() const { return items_; }
    int count() const { return static_cast<int>(items_.size()); }
    MenuItem* item(int i) const { return items_.at(static_cast<std::size_t>(i)); }
    virtual Form* form() const;  // the form of the menu it belongs to
    MenuItem* root();

    const std::string& caption() const { return caption_; }
    void setCaption(std::string c);
    bool isSeparator() const { return caption_ == "-"; }
    ShortCut shortCut() const { return shortCut_; }
    void setShortCut(ShortCut sc);
    void setShortCut(std::string_view text) { setShortCut(parseShortCut(text)); }
    const std::string& hint() const { return hint_; }
    void setHint(std::string h);
    bool enabled() const { return enabled_; }
    void setEnabled(bool e);
    bool visible() const { return visible_; }
    void setVisible(bool v);
    bool checked() const { return checked_; }
    void setChecked(bool c);  // a radio item unchecks its group; no onClick
    bool radioItem() const { return radioItem_; }
    void setRadioItem(bool r);
    int groupIndex() const { return groupIndex_; }
    void setGroupIndex(int g) { groupIndex_ = g; }
    bool autoCheck = false;  // a click toggles checked
    int helpContext = 0;
    std::intptr_t tag = 0;

    // The item and its parents enabled and visible.
    bool available() const;

    std::function<void()> onClick;
    // The user chooses the item: autoCheck toggles, then onClick.
    void click();

    // The enabled, visible item with this shortcut in this tree.
    MenuItem* findShortCut(ShortCut sc);

protected:
    void changed();

private:
    MenuItem* parent_;
    std::string name_;
    std::string caption_;
    std::string hint_;
    ShortCut shortCut_;
    std::vector<MenuItem*> items_;
    bool enabled_ = true;
    bool visible_ = true;
    bool checked_ = false;
    bool radioItem_ = false;
    int groupIndex_ = 0;
};

// The form's menu bar.
class MainMenu : public MenuItem {
public:
    MainMenu(Form* owner, std::string name);
    ~MainMenu() override;
    Form* form() const override { return owner_; }

private:
    Form* owner_;
};

// A context menu. Controls name it as their popupMenu; a right click on such a
// control runs the control's onMouseDown, then popupFor() (onPopup, then the
// view shows the menu).
class PopupMenu : public MenuItem {
public:
    PopupMenu(Form* owner, std::string name);
    ~PopupMenu() override;
    Form* form() const override { return owner_; }

    bool autoPopup = true;
    std::function<void()> onPopup;
    // The control the menu was last opened for.
    Control* popupComponent() const { return component_; }
    // Open at screen coordinates, or at (x, y) of control c (the view shows
    // it; without a view nothing shows). onPopup runs first.
    void popup(int screenX, int screenY) { popupFor(nullptr, screenX, screenY); }
    void popupFor(Control* c, int x, int y);

private:
    Form* owner_;
    Control* component_ = nullptr;
};

}  // namespace qb
