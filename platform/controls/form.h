#pragma once
// The form: a window with its controls, menus, focus and modal result.
//
// A form class derives from Form and holds its controls as members:
//
//   class TJNForm : public qb::Form {
//   public:
//       TJNForm() : Form("JNForm", "Achtung") { ... JaButton.setModalResult(qb::mrYes); }
//       qb::Label TextLabel{this, "TextLabel"};
//       qb::Button JaButton{this, "JaButton"};
//   };
//
// left/top/width/height of a form are its window frame on the screen;
// clientWidth/clientHeight the inside (without frame, caption and main menu).

#include <functional>
#include <string>
#include <vector>

#include "platform/controls/control.h"

namespace qb {

class MainMenu;
class PopupMenu;
class StatusBar;
class Button;

// Modal results, also the answers of message boxes.
constexpr int mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5,
              mrYes = 6, mrNo = 7, mrClose = 8;

enum class BorderStyle { None, Single, Sizeable, Dialog, ToolWindow, SizeToolWin };
enum class FormStyle { Normal, StayOnTop };
enum class FormPosition { Designed, ScreenCenter };
enum class CloseAction { None, Hide, Free, Minimize };

class Form : public Control {
public:
    explicit Form(std::string name, std::string caption = {});
    ~Form() override;

    ControlKind kind() const override { return ControlKind::Form; }
    Rect alignRect() const override { return Rect{0, 0, clientWidth_, clientHeight_}; }

    int clientWidth() const { return clientWidth_; }
    int clientHeight() const { return clientHeight_; }
    void setClientSize(int w, int h);
    void setClientWidth(int w) { setClientSize(w, clientHeight_); }
    void setClientHeight(int h) { setClientSize(clientWidth_, h); }
    // Frame sizes that width/height add to the client size.
    Rect frameExtents() const;

    BorderStyle borderStyle() const { return borderStyle_; }
    void setBorderStyle(BorderStyle b);
    FormStyle formStyle() const { return formStyle_; }
    void setFormStyle(FormStyle s);
    FormPosition position() const { return position_; }
    void setPosition(FormPosition p);

    // Keys go to the form's onKeyDown/onKeyPress before the focused control.
    bool keyPreview = false;

    // Showing. setVisible(true) runs onShow, setVisible(false) onHide.
    void setVisible(bool v) override;

    // Close as the user's close button does: onCloseQuery may refuse; then
    // onClose decides (default Hide); the form hides, a modal one ends with
    // mrCancel unless a result is set, and afterClose runs. True when closed.
    bool close();

    // Modal state. A view or the scripted dialogs run the modal loop:
    // beginModal() shows the form; the loop ends when modalResult() != mrNone
    // or the form is hidden; endModal() hides it.
    bool modal() const { return modal_; }
    int modalResult() const { return modalResult_; }
    void setModalResult(int r);
    void beginModal();
    void endModal();

    // Focus.
    Control* activeControl() const { return active_; }
    // Moves the focus: onExit of the old control, onEnter of the new one.
    void setActiveControl(Control* c);

    // Menus. A main menu and popup menus register themselves with their form.
    MainMenu* menu() const { return menu_; }
    const std::vector<PopupMenu*>& popupMenus() const { return popups_; }

    // Keyboard from the user, in this order: menu shortcuts (main menu, then
    // the popup menus of the focused control and its parents), the form's
    // handler when keyPreview, the focused control's handler, then Return
    // clicks the focused button or the default button and Escape the cancel
    // button. True when the key was used (the view then drops it).
    bool keyDown(int key, ShiftState shift);
    bool keyPress(char32_t ch);
    void keyUp(int key, ShiftState shift);
    // The enabled, visible item with this shortcut, or nullptr.
    MenuItem* findShortCut(ShortCut sc) const;

    // Hints: the view calls this with the hint of the control or menu item
    // under the mouse (empty when none). onHint gets the long hint; without
    // onHint a status bar with autoHint shows it.
    void hintShown(const std::string& hint);
    std::function<void(const std::string& longHint)> onHint;

    // Handlers of the form.
    Handler onShow, onHide, onActivate, onDeactivate;
    std::function<void(bool& canClose)> onCloseQuery;
    std::function<void(CloseAction& action)> onClose;
    // For whoever runs the form (a program's main quits its loop here).
    std::function<void(Form&)> afterClose;

    // The view showing this form (at most one).
    void setViewListener(ViewListener* v) { view_ = v; }
    ViewListener* viewListener() const { return view_; }

    // Every control of the form, depth first (the form itself excluded).
    std::vector<Control*> allControls() const;
    Control* findControl(const std::string& controlName) const;

protected:
    void outerSizeChanged() override;

private:
    friend class MainMenu;
    friend class PopupMenu;
    friend class Control;
    void applyFrame();
    void setMenu(MainMenu* m);
    void menuGone() { menu_ = nullptr; }
    void addPopup(PopupMenu* p);
    void removePopup(PopupMenu* p);
    void controlGone(Control* c);
    Button* findButton(bool wantDefault) const;

    int clientWidth_ = 320;
    int clientHeight_ = 240;
    BorderStyle borderStyle_ = BorderStyle::Sizeable;
    FormStyle formStyle_ = FormStyle::Normal;
    FormPosition position_ = FormPosition::Designed;
    bool modal_ = false;
    int modalResult_ = mrNone;
    Control* active_ = nullptr;
    MainMenu* menu_ = nullptr;
    std::vector<PopupMenu*> popups_;
    ViewListener* view_ = nullptr;
};

}  // namespace qb
