#include "platform/qt/qt_view.h"

#include "platform/controls/form.h"
#include "platform/qt/form_view.h"

namespace qb {

QtView::QtView() = default;
QtView::~QtView() = default;

FormView& QtView::viewOf(Form& form) {
    auto& v = views_[&form];
    if (!v) v = std::make_unique<FormView>(form);
    return *v;
}

void QtView::show(Form& form) {
    FormView& v = viewOf(form);
    form.show();
    v.flush();
}

int QtView::showModal(Form& form) { return viewOf(form).runModal(); }

void QtView::sync() {
    for (auto& [f, v] : views_) v->flush();
}

void QtView::release(Form& form) { views_.erase(&form); }

}  // namespace qb
