#include "platform/qt/form_view.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDrag>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/controls/form.h"
#include "platform/controls/menus.h"
#include "platform/qt/control_bindings.h"
#include "platform/qt/qt_convert.h"

namespace qb {

namespace {

// The top-level window: the close button asks the form instead of closing.
class FormWindow : public QWidget {
public:
    explicit FormWindow(FormView& v) : view_(v) {}

protected:
    void closeEvent(QCloseEvent* e) override {
        e->ignore();
        view_.userClose();
    }
    void moveEvent(QMoveEvent* e) override {
        QWidget::moveEvent(e);
        view_.windowMoved();
    }

private:
    FormView& view_;
};

MouseButton buttonOf(Qt::MouseButton b) {
    if (b == Qt::RightButton) return MouseButton::Right;
    if (b == Qt::MiddleButton) return MouseButton::Middle;
    return MouseButton::Left;
}

bool hasPopup(const Control* c) {
    for (; c; c = c->parent())
        if (c->popupMenu()) return true;
    return false;
}

}  // namespace

FormView::FormView(Form& form) : form_(&form) {
    window_ = new FormWindow(*this);
    auto* layout = new QVBoxLayout(window_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    menuBar_ = new QMenuBar(window_);
    menuBar_->setNativeMenuBar(false);
    layout->setMenuBar(menuBar_);
    client_ = new QWidget(window_);
    layout->addWidget(client_, 1);
    window_->installEventFilter(this);
    registerWidget(client_, form_);
    form.setViewListener(this);
    dirty_[form_] = change::All;
    flush();
}

FormView::~FormView() {
    if (form_ && form_->viewListener() == this) form_->setViewListener(nullptr);
    if (modalLoop_) modalLoop_->exit(0);
    popupMenu_.reset();
    delete window_;  // every widget with it
    bindings_.clear();
}

QWidget* FormView::widgetOf(const Control& c) const {
    if (&c == form_) return client_;
    auto it = bindings_.find(&c);
    return it == bindings_.end() ? nullptr : it->second->widget.data();
}

QWidget* FormView::clientOf(const Control& c) const {
    if (&c == form_) return client_;
    auto it = bindings_.find(&c);
    return it == bindings_.end() ? nullptr : it->second->clientWidget();
}

Control* FormView::controlOf(const QObject* o) const {
    for (; o; o = o->parent()) {
        auto it = widgets_.find(o);
        if (it != widgets_.end()) return it->second;
        if (o == window_) return nullptr;
    }
    return nullptr;
}

void FormView::registerWidget(QWidget* w, Control* c) {
    if (!w) return;
    auto add = [this, c](QWidget* x) {
        if (widgets_.count(x)) return;
        widgets_[x] = c;
        x->installEventFilter(this);
        x->setAcceptDrops(true);
        connect(x, &QObject::destroyed, this, [this, x] { widgets_.erase(x); });
    };
    add(w);
    for (QWidget* k : w->findChildren<QWidget*>()) add(k);
}

void FormView::schedule() {
    if (scheduled_) return;
    scheduled_ = true;
    QMetaObject::invokeMethod(this, [this] { flush(); }, Qt::QueuedConnection);
}

void FormView::controlChanged(Control& c, unsigned changes) {
    dirty_[&c] |= changes;
    if (&c == form_ && modalLoop_ && (form_->modalResult() != mrNone || !form_->visible())) modalLoop_->exit(0);
    schedule();
}

void FormView::controlRemoved(Control& c) {
    dirty_.erase(&c);
    if (focusWanted_ == &c) focusWanted_ = nullptr;
    if (pressed_ == &c) pressed_ = nullptr;
    if (dragSource_ == &c) dragSource_ = nullptr;
    if (dropTarget_ == &c) dropTarget_ = nullptr;
    if (&c == form_) {
        form_ = nullptr;
        if (modalLoop_) modalLoop_->exit(0);
        window_->hide();
        return;
    }
    for (auto it = widgets_.begin(); it != widgets_.end();)
        it = it->second == &c ? widgets_.erase(it) : std::next(it);
    bindings_.erase(&c);
}

void FormView::menuChanged(MenuItem&) {
    menuDirty_ = true;
    schedule();
}

void FormView::menuRemoved(MenuItem&) {
    // No action may point at the item any more.
    menuBar_->clear();
    popupMenu_.reset();
    menuDirty_ = true;
    schedule();
}

void FormView::request(Control& c, ViewRequest r) {
    switch (r) {
        case ViewRequest::SetFocus:
            focusWanted_ = &c;
            schedule();
            break;
        case ViewRequest::Repaint:
            flush();
            if (QWidget* w = &c == form_ ? window_ : widgetOf(c)) w->repaint();
            break;
        case ViewRequest::BringToFront:
            flush();
            window_->raise();
            window_->activateWindow();
            break;
    }
}

void FormView::popup(PopupMenu& menu, Control* at, int x, int y) {
    flush();
    popupMenu_ = std::make_unique<QMenu>();
    fillMenu(popupMenu_.get(), menu);
    connect(popupMenu_.get(), &QMenu::aboutToHide, this, [this] {
        if (form_) form_->hintShown({});
    });
    QPoint pos(x, y);
    if (QWidget* w = at ? clientOf(*at) : nullptr) pos = w->mapToGlobal(pos);
    popupMenu_->popup(pos);
}

void FormView::ensureBindings(Control& parent) {
    for (Control* child : parent.children()) {
        if (!bindings_.count(child)) {
            QWidget* pw = &parent == form_ ? client_ : bindings_.at(&parent)->container();
            std::unique_ptr<Binding> b = makeBinding(*child, pw, *this);
            if (!b) continue;
            registerWidget(b->widget, child);
            b->update(change::All);
            Binding& ref = *b;
            bindings_[child] = std::move(b);
            if (&parent == form_) {
                const Rect r = child->bounds();
                ref.widget->setGeometry(r.left, r.top, r.width(), r.height());
            } else {
                bindings_.at(&parent)->place(ref);
            }
            dirty_.erase(child);
        }
        ensureBindings(*child);
    }
}

void FormView::flush() {
    scheduled_ = false;
    if (!form_) return;
    updating_ = true;
    ensureBindings(*form_);
    std::map<Control*, unsigned> dirty;
    dirty.swap(dirty_);
    for (auto& [c, bits] : dirty) {
        if (c == form_) continue;
        auto it = bindings_.find(c);
        if (it == bindings_.end()) continue;
        Binding& b = *it->second;
        b.update(bits);
        if (bits & (change::Bounds | change::Visible)) {
            Control* p = c->parent();
            if (p == form_) {
                const Rect r = c->bounds();
                b.widget->setGeometry(r.left, r.top, r.width(), r.height());
            } else if (auto pb = bindings_.find(p); pb != bindings_.end()) {
                pb->second->place(b);
            }
        }
    }
    if (menuDirty_) rebuildMenuBar();
    auto f = dirty.find(form_);
    updateWindow(f == dirty.end() ? 0u : f->second);
    updating_ = false;
    if (focusWanted_) {
        QWidget* w = widgetOf(*focusWanted_);
        focusWanted_ = nullptr;
        if (w && w->isVisible()) w->setFocus(Qt::OtherFocusReason);
    }
}

void FormView::updateWindow(unsigned changes) {
    Form& f = *form_;
    if (changes & change::Text) window_->setWindowTitle(qs(f.caption()));
    if (changes & (change::Font | change::Color)) {
        window_->setFont(toQFont(f.font()));
        QPalette pal = client_->palette();
        pal.setColor(QPalette::Window, toQColor(f.color()));
        pal.setColor(QPalette::WindowText, toQColor(f.font().color));
        client_->setPalette(pal);
        client_->setAutoFillBackground(true);
    }
    if (changes & change::Options) {
        Qt::WindowFlags flags = Qt::Window;
        if (f.borderStyle() == BorderStyle::None) flags |= Qt::FramelessWindowHint;
        if (f.borderStyle() == BorderStyle::ToolWindow || f.borderStyle() == BorderStyle::SizeToolWin)
            flags = Qt::Tool;
        if (f.formStyle() == FormStyle::StayOnTop) flags |= Qt::WindowStaysOnTopHint;
        if (flags != window_->windowFlags()) window_->setWindowFlags(flags);
    }
    if (changes & (change::Bounds | change::Menu | change::Options)) {
        menuBar_->setVisible(f.menu() != nullptr);
        const int menuH = f.menu() ? menuBar_->sizeHint().height() : 0;
        const QSize size(f.clientWidth(), f.clientHeight() + menuH);
        const bool sizeable = f.borderStyle() == BorderStyle::Sizeable || f.borderStyle() == BorderStyle::SizeToolWin;
        if (sizeable) {
            window_->setMinimumSize(0, 0);
            window_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
            window_->resize(size);
        } else {
            window_->setFixedSize(size);
        }
        if (f.position() == FormPosition::Designed) window_->move(f.left(), f.top());
    }
    if (f.visible() && !window_->isVisible()) {
        window_->setWindowModality(f.modal() ? Qt::ApplicationModal : Qt::NonModal);
        if (f.position() == FormPosition::ScreenCenter && !shownOnce_) {
            if (QScreen* s = QGuiApplication::primaryScreen()) {
                const QRect a = s->availableGeometry();
                window_->move(a.center() - QPoint(window_->width() / 2, window_->height() / 2));
            }
        }
        shownOnce_ = true;
        window_->show();
    } else if (!f.visible() && window_->isVisible()) {
        window_->hide();
    }
}

void FormView::rebuildMenuBar() {
    menuDirty_ = false;
    menuBar_->clear();
    if (!form_->menu()) return;
    fillMenu(nullptr, *form_->menu());
}

void FormView::fillMenu(QMenu* menu, MenuItem& parent) {
    for (MenuItem* item : parent.items()) {
        if (item->isSeparator()) {
            if (menu) menu->addSeparator()->setVisible(item->visible());
            else menuBar_->addSeparator();
            continue;
        }
        if (item->count() > 0) {
            QMenu* sub = menu ? menu->addMenu(qs(item->caption())) : menuBar_->addMenu(qs(item->caption()));
            sub->menuAction()->setVisible(item->visible());
            sub->menuAction()->setEnabled(item->enabled());
            connect(sub, &QMenu::aboutToHide, this, [this] {
                if (form_) form_->hintShown({});
            });
            fillMenu(sub, *item);
            continue;
        }
        QString text = qs(item->caption());
        if (!item->shortCut().empty()) text += "\t" + qs(shortCutText(item->shortCut()));
        QAction* a = menu ? menu->addAction(text) : menuBar_->addAction(text);
        a->setEnabled(item->enabled());
        a->setVisible(item->visible());
        a->setCheckable(item->checked() || item->autoCheck || item->radioItem());
        a->setChecked(item->checked());
        connect(a, &QAction::triggered, this, [this, item] {
            if (!form_) return;
            item->click();
            menuDirty_ = true;  // a checked mark may have moved
            schedule();
        });
        connect(a, &QAction::hovered, this, [this, item] {
            if (form_) form_->hintShown(item->hint());
        });
    }
}

int FormView::runModal() {
    if (!form_) return mrCancel;
    form_->beginModal();
    flush();
    if (form_ && form_->modalResult() == mrNone && form_->visible()) {
        QEventLoop loop;
        modalLoop_ = &loop;
        loop.exec(QEventLoop::DialogExec);
        modalLoop_ = nullptr;
    }
    if (!form_) return mrCancel;
    int r = form_->modalResult();
    if (r == mrNone) r = mrCancel;
    form_->endModal();
    flush();
    return r;
}

void FormView::userClose() {
    if (!form_ || updating_) return;
    form_->close();
    flush();
}

void FormView::clientResized() {
    if (!form_ || updating_) return;
    form_->setClientSize(client_->width(), client_->height());
}

void FormView::windowMoved() {
    if (!form_ || updating_ || !window_->isVisible()) return;
    form_->setBounds(window_->x(), window_->y(), form_->width(), form_->height());
}

std::string FormView::hintFor(const Control* c) const {
    for (; c; c = c->parent())
        if (!c->hint().empty()) return c->hint();
    return {};
}

void FormView::touch(Control& c) { controlChanged(c, change::State | change::Text | change::Items); }

bool FormView::eventFilter(QObject* o, QEvent* e) {
    if (!form_) return false;
    const QEvent::Type t = e->type();
    if (o == window_) {
        if (t == QEvent::WindowActivate && form_->onActivate) form_->onActivate();
        if (t == QEvent::WindowDeactivate && form_->onDeactivate) form_->onDeactivate();
    }
    if (t == QEvent::KeyPress || t == QEvent::KeyRelease) {
        QWidget* focus = QApplication::focusWidget();
        if (focus ? o == focus : o == window_) return handleKey(e);
        return false;
    }
    if (o == client_ && t == QEvent::Resize) clientResized();
    if (!o->isWidgetType()) return false;
    Control* c = controlOf(o);
    if (!c) return false;
    auto* w = static_cast<QWidget*>(o);
    switch (t) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove: return handleMouse(*c, w, e);
        case QEvent::ContextMenu: return hasPopup(c);  // the right press has opened ours
        case QEvent::Enter: form_->hintShown(hintFor(c)); return false;
        case QEvent::Leave: form_->hintShown(hintFor(c->parent())); return false;
        case QEvent::FocusIn:
            if (!updating_ && c->canTakeFocus() && form_->activeControl() != c) form_->setActiveControl(c);
            return false;
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop: return handleDrag(*c, w, e);
        default: return false;
    }
}

bool FormView::handleMouse(Control& c, QWidget* w, QEvent* e) {
    auto* me = static_cast<QMouseEvent*>(e);
    QWidget* cw = clientOf(c);
    const QPoint p = cw ? cw->mapFromGlobal(w->mapToGlobal(me->position().toPoint())) : me->position().toPoint();
    const ShiftState s = shiftOf(me->modifiers(), me->buttons());
    Binding* b = nullptr;
    if (auto it = bindings_.find(&c); it != bindings_.end()) b = it->second.get();
    switch (e->type()) {
        case QEvent::MouseButtonPress: {
            const MouseButton btn = buttonOf(me->button());
            if (btn == MouseButton::Left) leftDown_ = true;
            if (btn == MouseButton::Left && c.dragMode() == DragMode::Automatic) {
                pressed_ = &c;
                pressPos_ = me->globalPosition().toPoint();
            }
            c.mouseDown(btn, s, p.x(), p.y());
            return btn == MouseButton::Right && b && b->swallowRightPress();
        }
        case QEvent::MouseButtonRelease: {
            pressed_ = nullptr;
            const MouseButton btn = buttonOf(me->button());
            if (btn == MouseButton::Left) leftDown_ = false;
            c.mouseUp(btn, s, p.x(), p.y());
            if (btn == MouseButton::Left && b && !b->ownClick() && w->rect().contains(me->position().toPoint()))
                b->released(p.x(), p.y());
            else if (btn == MouseButton::Left && &c == form_ && w->rect().contains(me->position().toPoint()))
                c.click();
            return false;
        }
        case QEvent::MouseButtonDblClick:
            c.dblClick();
            return false;
        case QEvent::MouseMove:
            c.mouseMove(s, p.x(), p.y());
            if (pressed_ == &c && (me->buttons() & Qt::LeftButton) &&
                (me->globalPosition().toPoint() - pressPos_).manhattanLength() >= QApplication::startDragDistance()) {
                pressed_ = nullptr;
                startDrag(c, cw ? cw : w);
                return true;
            }
            return false;
        default: return false;
    }
}

void FormView::startDrag(Control& c, QWidget* w) {
    dragSource_ = &c;
    dropTarget_ = nullptr;
    c.startDrag();
    auto* drag = new QDrag(w);
    auto* mime = new QMimeData;
    mime->setData(kDragMime, QByteArray::fromStdString(c.name()));
    drag->setMimeData(mime);
    drag->exec(Qt::MoveAction);
    if (dragSource_) dragSource_->endDrag(dropTarget_, dropPos_.x(), dropPos_.y());
    dragSource_ = nullptr;
    dropTarget_ = nullptr;
}

void FormView::dragFrom(Control* source) { dragSource_ = source; }

bool FormView::handleDrag(Control& c, QWidget* w, QEvent* e) {
    auto* de = static_cast<QDropEvent*>(e);
    if (!dragSource_ || !de->mimeData() || !de->mimeData()->hasFormat(kDragMime)) return false;
    QWidget* cw = clientOf(c);
    const QPoint p = cw ? cw->mapFromGlobal(w->mapToGlobal(de->position().toPoint())) : de->position().toPoint();
    const bool accept = c.dragOver(dragSource_, p.x(), p.y());
    if (e->type() == QEvent::DragEnter) {
        de->acceptProposedAction();  // so that the moves over it arrive
        return true;
    }
    if (e->type() == QEvent::DragMove) {
        if (accept) de->acceptProposedAction();
        else de->ignore();
        return true;
    }
    if (accept) {
        c.dragDrop(dragSource_, p.x(), p.y());
        dropTarget_ = &c;
        dropPos_ = p;
        de->acceptProposedAction();
    } else {
        de->ignore();
    }
    return true;
}

bool FormView::handleKey(QEvent* e) {
    auto* ke = static_cast<QKeyEvent*>(e);
    const int k = keyOf(*ke);
    const ShiftState s = shiftOf(ke->modifiers());
    if (e->type() == QEvent::KeyRelease) {
        if (k) form_->keyUp(k, s);
        return false;
    }
    if (k && form_->keyDown(k, s)) return true;
    if (!form_) return true;
    const QString text = ke->text();
    if (!text.isEmpty()) {
        const QList<uint> ucs = text.toUcs4();
        if (!ucs.isEmpty() && ucs.first() != 0 && form_->keyPress(static_cast<char32_t>(ucs.first()))) return true;
    }
    return false;
}

}  // namespace qb
