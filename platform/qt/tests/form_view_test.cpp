#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDropEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QSlider>

#include "platform/qt/demo/demo_form.h"
#include "platform/qt/form_view.h"
#include "platform/qt/qt_view.h"

using namespace qb;
using qb::demo::TDemoForm;

namespace {

class FormViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        view.show(form);
        QApplication::processEvents();
    }
    FormView& fv() { return view.viewOf(form); }
    template <typename W>
    W* widget(const Control& c) {
        auto* w = qobject_cast<W*>(fv().widgetOf(c));
        EXPECT_NE(w, nullptr) << c.name();
        return w;
    }
    void key(QWidget* to, int qtKey, Qt::KeyboardModifiers mods, const QString& text = {}) {
        QKeyEvent press(QEvent::KeyPress, qtKey, mods, text);
        QApplication::sendEvent(to, &press);
        QKeyEvent release(QEvent::KeyRelease, qtKey, mods, text);
        QApplication::sendEvent(to, &release);
    }
    void mouse(QWidget* w, QEvent::Type t, Qt::MouseButton b, QPoint at) {
        QMouseEvent e(t, at, w->mapToGlobal(at), b, t == QEvent::MouseButtonRelease ? Qt::NoButton : b, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }

    TDemoForm form;
    QtView view;
};

}  // namespace

TEST_F(FormViewTest, WidgetsShowTheModelsAndFollowTheirChanges) {
    EXPECT_TRUE(fv().window()->isVisible());
    EXPECT_EQ(fv().window()->windowTitle(), "Orvelia");
    auto* list = widget<QListView>(form.Dateien);
    auto* slider = widget<QSlider>(form.Ls);
    auto* label = widget<QLabel>(form.TitelLabel);
    ASSERT_TRUE(list && slider && label);
    EXPECT_EQ(list->model()->rowCount(), 5);
    EXPECT_EQ(list->currentIndex().row(), 0);
    EXPECT_EQ(slider->maximum(), 127);
    EXPECT_EQ(slider->value(), 64);
    EXPECT_EQ(label->text(), "Wiedergabe starten mit Play");
    EXPECT_EQ(label->font().pixelSize(), 13);
    EXPECT_TRUE(label->font().bold());

    form.Dateien.items().add("Zucchero - Baila");
    form.Dateien.setItemIndex(5);
    form.Ls.setPosition(100);
    form.TitelLabel.setCaption("Wiedergabe läuft");
    form.Aktiv.setChecked(true);
    form.Such.hide();
    EXPECT_EQ(slider->value(), 64);  // applied once the handler has returned
    view.sync();
    EXPECT_EQ(list->model()->rowCount(), 6);
    EXPECT_EQ(list->currentIndex().row(), 5);
    EXPECT_EQ(slider->value(), 100);
    EXPECT_EQ(label->text(), "Wiedergabe läuft");
    EXPECT_TRUE(widget<QCheckBox>(form.Aktiv)->isChecked());
    EXPECT_FALSE(fv().widgetOf(form.Such)->isVisible());
}

TEST_F(FormViewTest, DockedBoxesSitAtTheirModelBoundsAndFollowAResize) {
    auto* box = widget<QGroupBox>(form.Player);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->geometry(), QRect(form.Player.left(), form.Player.top(), form.Player.width(), form.Player.height()));
    EXPECT_EQ(form.Player.bounds().right, 640);
    fv().window()->resize(800, fv().window()->height() + 50);  // the user drags the frame
    QApplication::processEvents();
    view.sync();
    EXPECT_EQ(form.clientWidth(), 800);
    EXPECT_EQ(form.Player.bounds().right, 800);
    EXPECT_EQ(box->geometry().right() + 1, 800);
    EXPECT_EQ(box->height(), form.Player.height());
}

TEST_F(FormViewTest, UserActionsReachTheHandlersOnce) {
    int clicks = 0, changes = 0, checks = 0;
    form.Play.onClick = [&] { ++clicks; };
    form.Ls.onChange = [&] { ++changes; };
    form.Aktiv.onClick = [&] { ++checks; };
    widget<QAbstractButton>(form.Play)->click();
    widget<QSlider>(form.Ls)->setValue(20);  // as a drag of the slider does
    widget<QAbstractButton>(form.Aktiv)->click();
    view.sync();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(form.Ls.position(), 20);
    EXPECT_EQ(checks, 1);
    EXPECT_TRUE(form.Aktiv.checked());
    // A refused action: the widget shows the model again. A grouped speed
    // button that is down stays down when clicked (no all-up).
    form.Play.setGroupIndex(1);
    form.Stop.setGroupIndex(1);
    form.Play.setDown(true);
    view.sync();
    auto* play = widget<QAbstractButton>(form.Play);
    EXPECT_TRUE(play->isChecked());
    play->click();  // Qt toggles it up
    view.sync();
    EXPECT_TRUE(form.Play.down());
    EXPECT_TRUE(play->isChecked());
    widget<QAbstractButton>(form.Stop)->click();
    view.sync();
    EXPECT_FALSE(play->isChecked());
    EXPECT_TRUE(widget<QAbstractButton>(form.Stop)->isChecked());
}

TEST_F(FormViewTest, MenuShortcutsWinOverTheFocusedEditAndOtherKeysPassThrough) {
    int neu = 0;
    form.Neu.onClick = [&] { ++neu; };
    auto* edit = widget<QLineEdit>(form.Such);
    ASSERT_NE(edit, nullptr);
    fv().window()->activateWindow();
    edit->setFocus();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), edit);
    EXPECT_EQ(form.activeControl(), &form.Such);
    key(edit, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(neu, 1);
    key(edit, Qt::Key_A, Qt::NoModifier, "a");
    key(edit, Qt::Key_B, Qt::NoModifier, "b");
    EXPECT_EQ(form.Such.text(), "ab");
    std::u32string pressed;
    form.Such.onKeyPress = [&](char32_t& ch) {
        pressed += ch;
        if (ch == U'x') ch = 0;  // swallowed
    };
    key(edit, Qt::Key_X, Qt::NoModifier, "x");
    key(edit, Qt::Key_Udiaeresis, Qt::NoModifier, QString::fromUtf8("ü"));
    EXPECT_EQ(pressed, U"xü");
    EXPECT_EQ(form.Such.text(), "abü");
}

TEST_F(FormViewTest, MenuBarShowsCaptionsAndShortcuts) {
    const auto top = fv().menuBar()->actions();
    ASSERT_EQ(top.size(), 2);
    EXPECT_EQ(top[0]->text(), "&Datei");
    const auto items = top[0]->menu()->actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0]->text(), "&Neu\tCtrl+N");
    EXPECT_TRUE(items[1]->isSeparator());
    int ended = 0;
    form.Beenden.onClick = [&] { ++ended; };
    form.Beenden.setEnabled(false);
    view.sync();
    EXPECT_FALSE(items.size() > 2 && fv().menuBar()->actions()[0]->menu()->actions()[2]->isEnabled());
    form.Beenden.setEnabled(true);
    view.sync();
    fv().menuBar()->actions()[0]->menu()->actions()[2]->trigger();
    EXPECT_EQ(ended, 1);
    // Hovering an item shows its long hint in the status bar.
    fv().menuBar()->actions()[0]->menu()->actions()[0]->hover();
    EXPECT_EQ(form.Status.panelText(0), "Playliste löschen");
}

TEST_F(FormViewTest, HintsShortAsToolTipLongInTheStatusBar) {
    QWidget* play = fv().widgetOf(form.Play);
    EXPECT_EQ(play->toolTip(), "Play");
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(play, &enter);
    EXPECT_EQ(form.Status.panelText(0), "Wiedergabe starten > Shift + L Play");
    view.sync();
    auto labels = fv().widgetOf(form.Status)->findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 2);
    EXPECT_EQ(labels[0]->text(), "Wiedergabe starten > Shift + L Play");
    EXPECT_EQ(labels[1]->text(), "QUILLBROOK");
}

TEST_F(FormViewTest, ListMouseCoordinatesCountInRowsFromTheTopItem) {
    for (int i = 0; i < 30; ++i) form.PlayList.items().add("Titel " + std::to_string(i));
    form.PlayList.setTopIndex(10);
    view.sync();
    QWidget* port = fv().clientOf(form.PlayList);
    ASSERT_NE(port, nullptr);
    int hit = -2;
    form.PlayList.onMouseDown = [&](MouseButton b, ShiftState, int x, int y) {
        if (b == MouseButton::Right) hit = form.PlayList.itemAtPos(x, y);
    };
    const int h = form.PlayList.itemHeight();
    mouse(port, QEvent::MouseButtonPress, Qt::RightButton, QPoint(5, 2 * h + 1));
    mouse(port, QEvent::MouseButtonRelease, Qt::RightButton, QPoint(5, 2 * h + 1));
    EXPECT_EQ(hit, 12);
    // The right button alone selects nothing; the form's handler decides.
    EXPECT_EQ(form.PlayList.itemIndex(), -1);
    auto* list = widget<QListView>(form.PlayList);
    EXPECT_EQ(list->indexAt(QPoint(5, 2 * h + 1)).row(), 12);
    // A left click selects that row and runs onClick once.
    int clicks = 0;
    form.PlayList.onClick = [&] { ++clicks; };
    mouse(port, QEvent::MouseButtonPress, Qt::LeftButton, QPoint(5, 3 * h + 1));
    mouse(port, QEvent::MouseButtonRelease, Qt::LeftButton, QPoint(5, 3 * h + 1));
    EXPECT_EQ(form.PlayList.itemIndex(), 13);
    EXPECT_EQ(clicks, 1);
}

TEST_F(FormViewTest, DropOnAListReachesItsDragHandlersWithTheSource) {
    Control* overFrom = nullptr;
    Control* droppedFrom = nullptr;
    int dropY = -1;
    form.PlayList.onDragOver = [&](Control* src, int, int, bool& accept) {
        overFrom = src;
        accept = src == &form.Dateien || src == &form.PlayList;
    };
    form.PlayList.onDragDrop = [&](Control* src, int, int y) {
        droppedFrom = src;
        dropY = y;
    };
    QWidget* port = fv().clientOf(form.PlayList);
    QMimeData mime;
    mime.setData(FormView::kDragMime, "DateiListBox");
    fv().dragFrom(&form.Dateien);
    QDragEnterEvent enter(QPoint(5, 3), Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(port, &enter);
    QDragMoveEvent move(QPoint(5, 7), Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(port, &move);
    EXPECT_TRUE(move.isAccepted());
    EXPECT_EQ(overFrom, &form.Dateien);
    QDropEvent drop(QPointF(5, 9), Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(port, &drop);
    EXPECT_EQ(droppedFrom, &form.Dateien);
    EXPECT_EQ(dropY, 9);
    // From a control it does not accept: no drop.
    droppedFrom = nullptr;
    fv().dragFrom(&form.Such);
    QDragEnterEvent enter2(QPoint(5, 3), Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(port, &enter2);
    QDropEvent refused(QPointF(5, 9), Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(port, &refused);
    EXPECT_EQ(droppedFrom, nullptr);
    fv().dragFrom(nullptr);
}

TEST_F(FormViewTest, CloseButtonAsksTheFormFirst) {
    bool allow = false;
    form.onCloseQuery = [&](bool& can) { can = allow; };
    fv().window()->close();
    view.sync();
    EXPECT_TRUE(form.visible());
    EXPECT_TRUE(fv().window()->isVisible());
    allow = true;
    fv().window()->close();
    view.sync();
    EXPECT_FALSE(form.visible());
    EXPECT_FALSE(fv().window()->isVisible());
}

TEST_F(FormViewTest, ControlsMadeOrRemovedLaterGetOrLoseTheirWidgets) {
    auto extra = std::make_unique<Button>(&form.Player, "ExtraButton", "&Extra");
    extra->setBounds(200, 24, 75, 25);
    view.sync();
    QPointer<QWidget> w = fv().widgetOf(*extra);
    ASSERT_FALSE(w.isNull());
    EXPECT_EQ(w->parentWidget(), fv().widgetOf(form.Player));
    EXPECT_EQ(static_cast<QAbstractButton*>(w.data())->text(), "&Extra");
    extra.reset();
    EXPECT_TRUE(w.isNull());
    view.sync();
}
