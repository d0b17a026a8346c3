#pragma once
// The base of every control model. A form is a tree of controls: each control
// has a parent (the form itself for the top level) and is a member of its form
// class, constructed after its parent and destroyed before it.
//
// Properties are plain getters and setters. A setter that changes something
// tells the form's view (ViewListener) which aspects changed, so that a view
// can redraw; without a view nothing but the model happens, which is how tests
// drive forms. Handlers are std::function members named as the forms name
// their events (onClick, onChange, onKeyDown, ...). The methods click(),
// mouseDown(), keyDown() ... are the user's actions: the view calls them when
// the user acts, and a test calls them to act as the user.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/controls/color.h"
#include "platform/controls/font.h"
#include "platform/controls/keys.h"

namespace qb {

class Form;
class PopupMenu;
class MenuItem;

enum class ControlKind {
    Form, Label, Button, SpeedButton, CheckBox, RadioButton, GroupBox, Panel, RadioGroup,
    ListBox, ComboBox, Edit, MaskEdit, Memo, RichEdit, TrackBar, ScrollBar, ProgressBar, Image,
    ToolBar, ToolButton, StatusBar
};

// Docking inside the parent's client area: top and bottom first (in order of
// top), then left and right (in order of left), then client fills the rest.
enum class Align { None, Top, Bottom, Left, Right, Client };

enum class Alignment { Left, Right, Center };

enum class DragMode { Manual, Automatic };

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool operator==(const Rect&) const = default;
};

// What changed, as bits (a view may coalesce several changes into one update).
namespace change {
constexpr unsigned Bounds = 1u << 0, Visible = 1u << 1, Enabled = 1u << 2, Text = 1u << 3,
                   Items = 1u << 4, State = 1u << 5,  // selection, checked, position, down
                   Font = 1u << 6, Color = 1u << 7, Range = 1u << 8, Pixels = 1u << 9,
                   Children = 1u << 10, Hint = 1u << 11, Options = 1u << 12,
                   Menu = 1u << 13, Modal = 1u << 14, All = 0xFFFFFFFFu;
}

// What a form asks of its view beyond showing the models.
enum class ViewRequest { Repaint, SetFocus, BringToFront };

// A view of one form: told of every change of the form's controls and menus.
class ViewListener {
public:
    virtual ~ViewListener() = default;
    virtual void controlChanged(class Control& c, unsigned changes) = 0;
    virtual void controlRemoved(class Control& c) = 0;  // c is being destroyed
    virtual void menuChanged(MenuItem& item) = 0;       // an item or its sub-items
    virtual void menuRemoved(MenuItem& item) = 0;       // item is being destroyed
    virtual void request(class Control& c, ViewRequest r) = 0;
    // Show a popup menu at (x, y) of control at, or of the screen when at is nullptr.
    virtual void popup(PopupMenu& menu, class Control* at, int x, int y) = 0;
};

// The short hint is the text before "|", the long hint the text after it;
// a hint without "|" is both.
std::string shortHint(std::string_view hint);
std::string longHint(std::string_view hint);

class Control {
public:
    using Handler = std::function<void()>;
    using KeyHandler = std::function<void(int& key, ShiftState shift)>;  // key := 0 consumes
    using KeyPressHandler = std::function<void(char32_t& ch)>;           // ch := 0 consumes
    using MouseHandler = std::function<void(MouseButton button, ShiftState shift, int x, int y)>;
    using MouseMoveHandler = std::function<void(ShiftState shift, int x, int y)>;
    using DragOverHandler = std::function<void(Control* source, int x, int y, bool& accept)>;
    using DragDropHandler = std::function<void(Control* source, int x, int y)>;
    using EndDragHandler = std::function<void(Control* target, int x, int y)>;

    // parent: the control that holds this one (a form, group box, panel, ...);
    // nullptr only for a form.
    Control(Control* parent, std::string name);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    virtual ControlKind kind() const = 0;
    const std::string& name() const { return name_; }
    Control* parent() const { return parent_; }
    Form* form() const;  // the form the control belongs to (itself for a form)
    const std::vector<Control*>& children() const { return children_; }

    // Bounds, relative to the parent's top-left corner.
    int left() const { return bounds_.left; }
    int top() const { return bounds_.top; }
    int width() const { return bounds_.width(); }
    int height() const { return bounds_.height(); }
    Rect bounds() const { return bounds_; }
    void setBounds(int left, int top, int width, int height);
    void setLeft(int v) { setBounds(v, top(), width(), height()); }
    void setTop(int v) { setBounds(left(), v, width(), height()); }
    void setWidth(int v) { setBounds(left(), top(), v, height()); }
    void setHeight(int v) { setBounds(left(), top(), width(), v); }
    // The area children are docked in, in this control's coordinates.
    virtual Rect alignRect() const { return Rect{0, 0, width(), height()}; }

    Align align() const { return align_; }
    void setAlign(Align a);

    bool visible() const { return visible_; }
    virtual void setVisible(bool v);
    void show() { setVisible(true); }
    void hide() { setVisible(false); }
    bool showing() const;  // visible, and every parent visible

    bool enabled() const { return enabled_; }
    void setEnabled(bool e);
    bool enabledInTree() const;  // enabled, and every parent enabled

    // Caption: the text of labels, buttons, boxes and the form's title.
    const std::string& caption() const { return caption_; }
    void setCaption(std::string c);

    const std::string& hint() const { return hint_; }
    void setHint(std::string h);
    bool showHint() const { return showHint_; }
    void setShowHint(bool s) { showHint_ = s; }

    int helpContext() const { return helpContext_; }
    void setHelpContext(int h) { helpContext_ = h; }
    // The help context of this control or, when 0, of the nearest parent.
    int effectiveHelpContext() const;

    // The font in effect: the parent's while parentFont() holds.
    const Font& font() const;
    void setFont(const Font& f);  // clears parentFont
    bool parentFont() const { return parentFont_; }
    void setParentFont(bool p);

    Color color() const;  // the parent's while parentColor() holds
    void setColor(Color c);  // clears parentColor
    bool parentColor() const { return parentColor_; }
    void setParentColor(bool p);

    PopupMenu* popupMenu() const { return popupMenu_; }
    void setPopupMenu(PopupMenu* m) { popupMenu_ = m; }

    DragMode dragMode() const { return dragMode_; }
    void setDragMode(DragMode m) { dragMode_ = m; }

    std::intptr_t tag = 0;

    // Focus. Only controls that can take the focus (edits, lists, buttons other
    // than speed buttons, track bars, ...) and are showing and enabled take it.
    virtual bool canTakeFocus() const { return false; }
    bool canFocus() const;
    bool focused() const;
    bool setFocus();  // false when the control cannot take the focus

    // Ask the view to draw now (during a long handler) / bring to the front.
    void repaint();
    void bringToFront();

    // Handlers.
    Handler onClick, onDblClick, onEnter, onExit, onResize;
    KeyHandler onKeyDown, onKeyUp;
    KeyPressHandler onKeyPress;
    MouseHandler onMouseDown, onMouseUp;
    MouseMoveHandler onMouseMove;
    Handler onStartDrag;
    DragOverHandler onDragOver;
    DragDropHandler onDragDrop;
    EndDragHandler onEndDrag;

    // User actions.
    virtual void click();  // the user clicks the control (default: runs onClick)
    virtual void dblClick();
    virtual void mouseDown(MouseButton b, ShiftState s, int x, int y);
    virtual void mouseUp(MouseButton b, ShiftState s, int x, int y);
    void mouseMove(ShiftState s, int x, int y);
    // Drag and drop: startDrag, then dragOver (true when this target accepts),
    // then either dragDrop on the target or cancel; endDrag on the source last.
    void startDrag();
    bool dragOver(Control* source, int x, int y);
    void dragDrop(Control* source, int x, int y);
    void endDrag(Control* target, int x, int y);

protected:
    // Tell the view; realign when the bounds or docking changed.
    void changed(unsigned what);
    // Lay out the docked children (align != None) inside alignRect().
    void realign();
    virtual void fontChanged() {}  // e.g. a list box's item height follows its font
    // The outer size changed (a form's inside follows its frame).
    virtual void outerSizeChanged() {}

private:
    friend class Form;
    void notifyTree(unsigned what);  // this and children that follow its font/colour

    Control* parent_;
    Form* form_;
    std::string name_;
    std::vector<Control*> children_;
    Rect bounds_;
    Align align_ = Align::None;
    bool visible_ = true;
    bool enabled_ = true;
    bool showHint_ = true;
    bool parentFont_ = true;
    bool parentColor_ = true;
    bool aligning_ = false;
    std::string caption_;
    std::string hint_;
    int helpContext_ = 0;
    Font font_;
    Color color_ = clBtnFace;
    PopupMenu* popupMenu_ = nullptr;
    DragMode dragMode_ = DragMode::Manual;
};

}  // namespace qb
