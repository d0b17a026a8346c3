#pragma once
// The Qt Widgets view of forms. QtView::show(form) builds a window of real
// widgets for the form's controls, keeps it in step with the models and
// passes the user's actions to them:
//
//   widget signal / event  ->  model user action (click(), selectItem(), ...)
//   -> the form's handler   ->  model setters  ->  ViewListener  ->  widget
//
// Model changes are collected and applied once the current handler returns
// (or at sync()), so that a handler filling a list of thousands of items
// costs one update.

#include <map>
#include <memory>

namespace qb {

class Form;
class FormView;

class QtView {
public:
    QtView();
    ~QtView();
    QtView(const QtView&) = delete;
    QtView& operator=(const QtView&) = delete;

    // The window of a form, made on first use (hidden until the form is visible).
    FormView& viewOf(Form& form);
    // Make the window and show the form.
    void show(Form& form);
    // Show the form modally in a nested loop; returns its modal result.
    int showModal(Form& form);
    // Apply every pending model change to the widgets now.
    void sync();
    // Forget a form's window (before the form goes away).
    void release(Form& form);

private:
    std::map<Form*, std::unique_ptr<FormView>> views_;
};

}  // namespace qb
