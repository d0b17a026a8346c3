#pragma once
// The window of one form: its widgets, menu bar and popup menus, and the
// event filter that turns the user's mouse, key, focus, hint and drag events
// into the models' user actions. Model changes are collected and applied in
// flush(), which runs once the current handler has returned.

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <map>
#include <memory>

#include "platform/controls/control.h"

class QEventLoop;
class QMenu;
class QMenuBar;

namespace qb {

class Binding;
class Form;
class MenuItem;

class FormView : public QObject, public ViewListener {
    Q_OBJECT

public:
    explicit FormView(Form& form);
    ~FormView() override;

    Form* form() const { return form_; }
    QWidget* window() const { return window_; }
    QWidget* client() const { return client_; }
    QMenuBar* menuBar() const { return menuBar_; }
    // The widget of a control (nullptr before the first flush).
    QWidget* widgetOf(const Control& c) const;
    // The part of it that the control's mouse coordinates count from.
    QWidget* clientOf(const Control& c) const;
    static constexpr const char* kDragMime = "application/x-quillbrook-control";
    Control* controlOf(const QObject* o) const;

    // True while the view writes model values into widgets: widget signals
    // raised meanwhile are not user actions.
    bool updating() const { return updating_; }
    void registerWidget(QWidget* w, Control* c);
    // After a user action on c's widget: show the model's state again at the
    // next flush, also when the model refused the action.
    void touch(Control& c);
    // The control a drag in progress comes from (set by a drag the view starts).
    void dragFrom(Control* source);
    // Whether the left mouse button is down on one of the form's widgets.
    bool leftDown() const { return leftDown_; }

    void flush();
    int runModal();

    // ViewListener
    void controlChanged(Control& c, unsigned changes) override;
    void controlRemoved(Control& c) override;
    void menuChanged(MenuItem& item) override;
    void menuRemoved(MenuItem& item) override;
    void request(Control& c, ViewRequest r) override;
    void popup(PopupMenu& menu, Control* at, int x, int y) override;

    // From the window.
    void userClose();
    void clientResized();
    void windowMoved();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void schedule();
    void ensureBindings(Control& parent);
    void updateWindow(unsigned changes);
    void rebuildMenuBar();
    void fillMenu(QMenu* menu, MenuItem& parent);
    bool handleMouse(Control& c, QWidget* w, QEvent* e);
    bool handleKey(QEvent* e);
    bool handleDrag(Control& c, QWidget* w, QEvent* e);
    void startDrag(Control& c, QWidget* w);
    std::string hintFor(const Control* c) const;

    Form* form_;
    QWidget* window_ = nullptr;
    QWidget* client_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    std::unique_ptr<QMenu> popupMenu_;
    std::map<const Control*, std::unique_ptr<Binding>> bindings_;
    std::map<const QObject*, Control*> widgets_;
    std::map<Control*, unsigned> dirty_;
    bool menuDirty_ = true;
    bool scheduled_ = false;
    bool updating_ = false;
    bool shownOnce_ = false;
    Control* focusWanted_ = nullptr;
    QEventLoop* modalLoop_ = nullptr;
    // Dragging.
    Control* pressed_ = nullptr;
    bool leftDown_ = false;
    QPoint pressPos_;
    Control* dragSource_ = nullptr;
    Control* dropTarget_ = nullptr;
    QPoint dropPos_;
};

}  // namespace qb
