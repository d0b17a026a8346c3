// Bindings of list boxes, combo boxes and radio groups.
#include <QAbstractListModel>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QListView>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include "platform/controls/lists.h"
#include "platform/qt/control_bindings.h"
#include "platform/qt/qt_convert.h"

namespace qb {

namespace {

// The items of a list box, read straight from the model.
class ListBoxItems : public QAbstractListModel {
public:
    explicit ListBoxItems(ListBox& lb) : lb_(lb) {}
    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : lb_.count(); }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= lb_.count()) return {};
        const auto& it = lb_.items().item(index.row());
        switch (role) {
            case Qt::DisplayRole: return qs(it.text);
            case Qt::ForegroundRole: return it.color == clNone ? QVariant() : QVariant(toQColor(it.color));
            case Qt::BackgroundRole:
                return it.background == clNone ? QVariant() : QVariant(toQColor(it.background));
            default: return {};
        }
    }
    void reset() {
        beginResetModel();
        endResetModel();
    }

private:
    ListBox& lb_;
};

// Every row exactly the model's item height, so that y / itemHeight is the row.
class RowDelegate : public QStyledItemDelegate {
public:
    RowDelegate(ListBox& lb, QObject* parent) : QStyledItemDelegate(parent), lb_(lb) {}
    QSize sizeHint(const QStyleOptionViewItem& o, const QModelIndex& i) const override {
        return QSize(QStyledItemDelegate::sizeHint(o, i).width(), lb_.itemHeight());
    }

private:
    ListBox& lb_;
};

class ListBoxBinding : public Binding {
public:
    ListBoxBinding(ListBox& lb, QWidget* parent, FormView& v) : Binding(lb, v), lb_(lb) {
        auto* w = new QListView(parent);
        items_ = new ListBoxItems(lb);
        items_->setParent(w);
        w->setModel(items_);
        w->setItemDelegate(new RowDelegate(lb, w));
        w->setUniformItemSizes(true);
        w->setSpacing(0);
        w->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
        w->setEditTriggers(QAbstractItemView::NoEditTriggers);
        w->setSelectionBehavior(QAbstractItemView::SelectRows);
        widget = w;
        // Keys move the selection at once; a mouse pick counts on release.
        QObject::connect(w->selectionModel(), &QItemSelectionModel::currentChanged, w,
                         userAction(v, lb, [this, w] {
                             if (view.leftDown()) return;
                             const int row = w->currentIndex().row();
                             if (row >= 0 && row != lb_.itemIndex()) lb_.selectItem(row);
                         }));
        QObject::connect(w->verticalScrollBar(), &QScrollBar::valueChanged, w,
                         userAction(v, lb, [this, w] { lb_.setTopIndex(w->verticalScrollBar()->value()); }));
    }
    bool swallowRightPress() const override { return true; }
    QWidget* clientWidget() override { return static_cast<QListView*>(widget.data())->viewport(); }
    void released(int x, int y) override {
        auto* w = static_cast<QListView*>(widget.data());
        const QModelIndex i = w->indexAt(QPoint(x, y));
        if (i.isValid()) {
            lb_.selectItem(i.row());
            view.touch(lb_);
        }
    }

protected:
    void updateKind(unsigned changes) override {
        auto* w = static_cast<QListView*>(widget.data());
        if (changes & change::Options)
            w->setSelectionMode(lb_.multiSelect() ? QAbstractItemView::ExtendedSelection
                                                  : QAbstractItemView::SingleSelection);
        if (changes & (change::Items | change::Font)) {
            items_->reset();
            w->doItemsLayout();  // the scroll range now, not at the next paint
        }
        if (changes & (change::Items | change::Font | change::State)) {
            QItemSelectionModel* sel = w->selectionModel();
            if (lb_.multiSelect()) {
                sel->clearSelection();
                for (int i = 0; i < lb_.count(); ++i)
                    if (lb_.selected(i)) sel->select(items_->index(i), QItemSelectionModel::Select);
            }
            if (lb_.itemIndex() >= 0)
                sel->setCurrentIndex(items_->index(lb_.itemIndex()),
                                     lb_.multiSelect() ? QItemSelectionModel::NoUpdate
                                                       : QItemSelectionModel::ClearAndSelect);
            else if (!lb_.multiSelect())
                sel->clear();
            w->verticalScrollBar()->setValue(lb_.topIndex());
        }
    }

private:
    ListBox& lb_;
    ListBoxItems* items_;
};

class ComboBoxBinding : public Binding {
public:
    ComboBoxBinding(ComboBox& cb, QWidget* parent, FormView& v) : Binding(cb, v), cb_(cb) {
        auto* w = new QComboBox(parent);
        w->setInsertPolicy(QComboBox::NoInsert);
        widget = w;
        QObject::connect(w, &QComboBox::activated, w, [this, &v](int i) {
            if (v.updating()) return;
            cb_.selectItem(i);
            v.touch(cb_);
        });
    }
    bool ownClick() const override { return true; }

protected:
    void updateKind(unsigned changes) override {
        auto* w = static_cast<QComboBox*>(widget.data());
        if (changes & change::Options) {
            w->setEditable(cb_.style() == ComboStyle::DropDown);
            w->setMaxVisibleItems(cb_.dropDownCount());
            if (QLineEdit* e = w->lineEdit(); e && e != edit_) {
                edit_ = e;
                view.registerWidget(e, &cb_);
                QObject::connect(e, &QLineEdit::textEdited, e, [this](const QString& t) {
                    if (view.updating()) return;
                    cb_.userTyped(ss(t));
                    view.touch(cb_);
                });
            }
        }
        if (changes & change::Items) {
            w->clear();
            for (int i = 0; i < cb_.items().count(); ++i) w->addItem(qs(cb_.items()[i]));
        }
        w->setCurrentIndex(cb_.itemIndex());
        if (w->isEditable() && w->currentText() != qs(cb_.text())) w->setEditText(qs(cb_.text()));
    }

private:
    ComboBox& cb_;
    QPointer<QLineEdit> edit_;
};

class RadioGroupBinding : public Binding {
public:
    RadioGroupBinding(RadioGroup& g, QWidget* parent, FormView& v) : Binding(g, v), group_(g) {
        auto* w = new QGroupBox(parent);
        grid_ = new QGridLayout(w);
        widget = w;
    }
    bool ownClick() const override { return true; }

protected:
    void updateKind(unsigned changes) override {
        auto* w = static_cast<QGroupBox*>(widget.data());
        if (changes & change::Text) w->setTitle(qs(group_.caption()));
        if (changes & (change::Items | change::Options)) {
            for (QRadioButton* b : buttons_) delete b;
            buttons_.clear();
            const int n = group_.items().count();
            const int rows = (n + group_.columns() - 1) / group_.columns();
            for (int i = 0; i < n; ++i) {
                auto* b = new QRadioButton(qs(group_.items()[i]), w);
                b->setAutoExclusive(false);
                grid_->addWidget(b, rows ? i % rows : 0, rows ? i / rows : 0);
                QObject::connect(b, &QRadioButton::clicked, b,
                                 userAction(view, group_, [this, i] { group_.setItemIndex(i); }));
                view.registerWidget(b, &group_);
                buttons_.push_back(b);
            }
        }
        for (int i = 0; i < static_cast<int>(buttons_.size()); ++i)
            buttons_[static_cast<std::size_t>(i)]->setChecked(i == group_.itemIndex());
    }

private:
    RadioGroup& group_;
    QGridLayout* grid_;
    std::vector<QRadioButton*> buttons_;
};

}  // namespace

std::unique_ptr<Binding> makeListBinding(Control& c, QWidget* parent, FormView& v) {
    switch (c.kind()) {
        case ControlKind::ListBox: return std::make_unique<ListBoxBinding>(static_cast<ListBox&>(c), parent, v);
        case ControlKind::ComboBox: return std::make_unique<ComboBoxBinding>(static_cast<ComboBox&>(c), parent, v);
        case ControlKind::RadioGroup:
            return std::make_unique<RadioGroupBinding>(static_cast<RadioGroup&>(c), parent, v);
        default: return nullptr;
    }
}

}  // namespace qb
