#include "platform/qt/control_bindings.h"

#include "platform/qt/form_view.h"
#include "platform/qt/qt_convert.h"

namespace qb {

Binding::~Binding() {
    if (widget) delete widget.data();
}

void Binding::update(unsigned changes) {
    if (!widget) return;
    if (changes & change::Visible) widget->setVisible(model.visible());
    if (changes & change::Enabled) widget->setEnabled(model.enabled());
    if (changes & (change::Font | change::Color)) {
        widget->setFont(toQFont(model.font()));
        QPalette pal = widget->palette();
        const QColor text = toQColor(model.font().color);
        pal.setColor(QPalette::WindowText, text);
        pal.setColor(QPalette::Text, text);
        pal.setColor(QPalette::ButtonText, text);
        if (fillsBackground()) {
            const QColor bg = toQColor(model.color());
            pal.setColor(QPalette::Window, bg);
            pal.setColor(QPalette::Base, bg);
        }
        widget->setPalette(pal);
        widget->setAutoFillBackground(fillsBackground());
    }
    if (changes & change::Hint) {
        const std::string s = shortHint(model.hint());
        widget->setToolTip(model.showHint() && !s.empty() ? qs(s) : QString());
    }
    updateKind(changes);
}

void Binding::place(Binding& child) {
    if (!child.widget) return;
    const Rect r = child.model.bounds();
    child.widget->setGeometry(r.left, r.top, r.width(), r.height());
}

void Binding::released(int, int) { model.click(); }

std::unique_ptr<Binding> makeBinding(Control& c, QWidget* parent, FormView& v) {
    switch (c.kind()) {
        case ControlKind::Button:
        case ControlKind::SpeedButton:
        case ControlKind::CheckBox:
        case ControlKind::RadioButton:
        case ControlKind::ToolButton: return makeButtonBinding(c, parent, v);
        case ControlKind::ListBox:
        case ControlKind::ComboBox:
        case ControlKind::RadioGroup: return makeListBinding(c, parent, v);
        case ControlKind::Edit:
        case ControlKind::MaskEdit:
        case ControlKind::Memo:
        case ControlKind::RichEdit: return makeTextBinding(c, parent, v);
        case ControlKind::Label:
        case ControlKind::GroupBox:
        case ControlKind::Panel:
        case ControlKind::TrackBar:
        case ControlKind::ScrollBar:
        case ControlKind::ProgressBar:
        case ControlKind::Image:
        case ControlKind::ToolBar:
        case ControlKind::StatusBar: return makeOtherBinding(c, parent, v);
        case ControlKind::Form: return nullptr;
    }
    return nullptr;
}

}  // namespace qb
