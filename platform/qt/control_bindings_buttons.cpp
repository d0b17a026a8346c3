// Bindings of buttons, speed buttons, check boxes, radio buttons and tool buttons.
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "platform/controls/bars.h"
#include "platform/controls/buttons.h"
#include "platform/qt/control_bindings.h"
#include "platform/qt/form_view.h"
#include "platform/qt/qt_convert.h"

namespace qb {

namespace {

class ButtonBinding : public Binding {
public:
    ButtonBinding(Button& b, QWidget* parent, FormView& v) : Binding(b, v), button_(b) {
        auto* w = new QPushButton(parent);
        w->setAutoDefault(false);
        widget = w;
        QObject::connect(w, &QPushButton::clicked, w, userAction(v, b, [&b] { b.click(); }));
    }
    bool ownClick() const override { return true; }

protected:
    bool fillsBackground() const override { return false; }
    void updateKind(unsigned changes) override {
        auto* w = static_cast<QPushButton*>(widget.data());
        if (changes & change::Text) w->setText(qs(button_.caption()));
        if (changes & change::Options) w->setDefault(button_.isDefault());
    }

private:
    Button& button_;
};

class SpeedButtonBinding : public Binding {
public:
    SpeedButtonBinding(SpeedButton& b, QWidget* parent, FormView& v) : Binding(b, v), button_(b) {
        auto* w = new QToolButton(parent);
        w->setFocusPolicy(Qt::NoFocus);
        w->setToolButtonStyle(Qt::ToolButtonTextOnly);
        widget = w;
        QObject::connect(w, &QToolButton::clicked, w, userAction(v, b, [&b] { b.click(); }));
    }
    bool ownClick() const override { return true; }

protected:
    bool fillsBackground() const override { return false; }
    void updateKind(unsigned changes) override {
        auto* w = static_cast<QToolButton*>(widget.data());
        if (changes & change::Text) w->setText(qs(button_.caption()));
        if (changes & change::Options) w->setAutoRaise(button_.flat());
        w->setCheckable(button_.groupIndex() != 0);
        w->setChecked(button_.down());
    }

private:
    SpeedButton& button_;
};

class CheckBoxBinding : public Binding {
public:
    CheckBoxBinding(CheckBox& b, QWidget* parent, FormView& v) : Binding(b, v), box_(b) {
        auto* w = new QCheckBox(parent);
        widget = w;
        QObject::connect(w, &QCheckBox::clicked, w, userAction(v, b, [&b] { b.click(); }));
    }
    bool ownClick() const override { return true; }

protected:
    void updateKind(unsigned changes) override {
        auto* w = static_cast<QCheckBox*>(widget.data());
        if (changes & change::Text) w->setText(qs(box_.caption()));
        w->setTristate(box_.allowGrayed);
        w->setCheckState(box_.state() == CheckState::Checked   ? Qt::Checked
                         : box_.state() == CheckState::Grayed ? Qt::PartiallyChecked
                                                              : Qt::Unchecked);
    }

private:
    CheckBox& box_;
};

class RadioButtonBinding : public Binding {
public:
    RadioButtonBinding(RadioButton& b, QWidget* parent, FormView& v) : Binding(b, v), radio_(b) {
        auto* w = new QRadioButton(parent);
        w->setAutoExclusive(false);  // the models keep their siblings exclusive
        widget = w;
        QObject::connect(w, &QRadioButton::clicked, w, userAction(v, b, [&b] { b.click(); }));
    }
    bool ownClick() const override { return true; }

protected:
    void updateKind(unsigned changes) override {
        auto* w = static_cast<QRadioButton*>(widget.data());
        if (changes & change::Text) w->setText(qs(radio_.caption()));
        w->setChecked(radio_.checked());
    }

private:
    RadioButton& radio_;
};

class ToolButtonBinding : public Binding {
public:
    ToolButtonBinding(ToolButton& b, QWidget* parent, FormView& v) : Binding(b, v), button_(b) {
        auto* w = new QToolButton(parent);
        w->setAutoRaise(true);
        // A narrow bar clips its buttons rather than squeezing their texts together.
        w->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        w->setFocusPolicy(Qt::NoFocus);
        w->setToolButtonStyle(Qt::ToolButtonTextOnly);
        widget = w;
        QObject::connect(w, &QToolButton::clicked, w, userAction(v, b, [&b] { b.click(); }));
    }
    bool ownClick() const override { return true; }

protected:
    bool fillsBackground() const override { return false; }
    void updateKind(unsigned) override {
        auto* w = static_cast<QToolButton*>(widget.data());
        const bool sep = button_.style() == ToolButtonStyle::Separator;
        // Tool buttons carry no accelerator: the menu item with the same caption has it.
        w->setText(sep ? QString() : qs(stripAccelerator(button_.caption())));
        w->setEnabled(!sep && button_.enabled());
        w->setCheckable(button_.style() == ToolButtonStyle::Check);
        w->setChecked(button_.down());
        if (sep) w->setFixedWidth(8);
    }

private:
    ToolButton& button_;
};

}  // namespace

std::unique_ptr<Binding> makeButtonBinding(Control& c, QWidget* parent, FormView& v) {
    switch (c.kind()) {
        case ControlKind::Button: return std::make_unique<ButtonBinding>(static_cast<Button&>(c), parent, v);
        case ControlKind::SpeedButton:
            return std::make_unique<SpeedButtonBinding>(static_cast<SpeedButton&>(c), parent, v);
        case ControlKind::CheckBox: return std::make_unique<CheckBoxBinding>(static_cast<CheckBox&>(c), parent, v);
        case ControlKind::RadioButton:
            return std::make_unique<RadioButtonBinding>(static_cast<RadioButton&>(c), parent, v);
        case ControlKind::ToolButton:
            return std::make_unique<ToolButtonBinding>(static_cast<ToolButton&>(c), parent, v);
        default: return nullptr;
    }
}

}  // namespace qb
