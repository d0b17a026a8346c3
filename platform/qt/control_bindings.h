#pragma once
// One binding per control: the widget that shows the control model, kept in
// step with it (update), and the wiring of the widget's signals to the
// model's user actions. Adding a kind of control means one binding class and
// one line in makeBinding().

#include <QPointer>
#include <QWidget>
#include <memory>

#include "platform/controls/control.h"
#include "platform/qt/form_view.h"

namespace qb {

class Binding {
public:
    Binding(Control& c, FormView& v) : model(c), view(v) {}
    virtual ~Binding();
    Binding(const Binding&) = delete;
    Binding& operator=(const Binding&) = delete;

    // Bring the widget up to date with the model (changes: change:: bits).
    void update(unsigned changes);
    // Where the widgets of child controls go, and how they are placed.
    virtual QWidget* container() { return widget; }
    // The area the control's mouse coordinates count from (inside any frame).
    virtual QWidget* clientWidget() { return widget; }
    virtual void place(Binding& child);
    // The widget reports clicks itself (buttons, lists): a mouse release on it
    // is not turned into a click.
    virtual bool ownClick() const { return false; }
    // A left release on the widget at (x, y); the default clicks the control.
    virtual void released(int x, int y);
    // A right press should not reach the widget (it would select).
    virtual bool swallowRightPress() const { return false; }

    Control& model;
    FormView& view;
    QPointer<QWidget> widget;

protected:
    virtual void updateKind(unsigned changes) = 0;
    // Background from the model's colour (not for transparent labels).
    virtual bool fillsBackground() const { return true; }
};

// A widget signal handler that runs a user action on the model, unless the
// view itself is writing into the widget, and then shows the model's state.
template <typename Fn>
auto userAction(FormView& v, Control& c, Fn fn) {
    return [&v, &c, fn](auto&&...) {
        if (v.updating()) return;
        fn();
        v.touch(c);
    };
}

// The binding and widget for a control, the widget made a child of parent.
std::unique_ptr<Binding> makeBinding(Control& c, QWidget* parent, FormView& v);

// Per group of kinds (control_bindings_*.cpp).
std::unique_ptr<Binding> makeButtonBinding(Control& c, QWidget* parent, FormView& v);
std::unique_ptr<Binding> makeListBinding(Control& c, QWidget* parent, FormView& v);
std::unique_ptr<Binding> makeTextBinding(Control& c, QWidget* parent, FormView& v);
std::unique_ptr<Binding> makeOtherBinding(Control& c, QWidget* parent, FormView& v);

// The forms' edit mask ("0000;1;_") as a Qt input mask ("9999;_").
QString qtInputMask(const std::string& editMask);

}  // namespace qb
