#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "platform/controls/buttons.h"
#include "platform/controls/form.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/form_view.h"
#include "platform/qt/qt_view.h"

using namespace qb;

TEST(QtDialogs, NameFiltersInQtNotation) {
    EXPECT_EQ(qtNameFilters("Musik(*.mp3)|*.mp3|Alle Dateien(*.*)|*.*").toStdString(),
              "Musik(*.mp3) (*.mp3);;Alle Dateien(*.*) (*)");
    EXPECT_EQ(qtNameFilters("Bilder|*.jpg;*.bmp").toStdString(), "Bilder (*.jpg *.bmp)");
    EXPECT_TRUE(qtNameFilters("").isEmpty());
}

namespace {

// Clicks the button with this text in the modal message box once it shows.
void clickInMessageBox(const QString& text) {
    QTimer::singleShot(0, [text] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (QAbstractButton* b : box->buttons())
            if (b->text() == text) b->click();
    });
}

}  // namespace

TEST(QtDialogs, MessageBoxReturnsTheButtonPressed) {
    QtView view;
    QtDialogs d(view);
    struct Case {
        MsgButtons buttons;
        const char* press;
        int result;
    };
    const Case cases[] = {{MsgButtons::YesNo, "&Ja", mrYes},
                          {MsgButtons::YesNo, "&Nein", mrNo},
                          {MsgButtons::OkCancel, "Abbrechen", mrCancel},
                          {MsgButtons::Ok, "OK", mrOk},
                          {MsgButtons::AbortRetryIgnore, "&Ignorieren", mrIgnore}};
    for (const auto& c : cases) {
        clickInMessageBox(QString::fromUtf8(c.press));
        EXPECT_EQ(d.messageBox("Das Programm beenden ?", "Achtung", c.buttons, MsgIcon::Question), c.result)
            << c.press;
    }
}

namespace {

struct JNForm : Form {
    JNForm() : Form("JNForm", "Achtung") {
        setClientSize(200, 80);
        setBorderStyle(BorderStyle::Dialog);
        Ja.setModalResult(mrYes);
        Nein.setModalResult(mrNo);
        Nein.setBounds(100, 40, 75, 25);
    }
    Button Ja{this, "JaButton", "&Ja"};
    Button Nein{this, "NeinButton", "&Nein"};
};

}  // namespace

TEST(QtDialogs, ModalFormEndsWithTheResultOfTheClickedButton) {
    QtView view;
    QtDialogs d(view);
    JNForm jn;
    QTimer::singleShot(0, [&] {
        QWidget* w = view.viewOf(jn).widgetOf(jn.Nein);
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->isVisible());
        static_cast<QAbstractButton*>(w)->click();
    });
    EXPECT_EQ(d.showModal(jn), mrNo);
    EXPECT_FALSE(jn.visible());
    EXPECT_FALSE(view.viewOf(jn).window()->isVisible());

    // The close button of the window ends it with cancel.
    QTimer::singleShot(0, [&] { view.viewOf(jn).window()->close(); });
    EXPECT_EQ(d.showModal(jn), mrCancel);
}
