// Shows the demo form through the Qt view; with an output path it grabs the
// window into a PNG once it is drawn and ends.
#include <QApplication>
#include <QPixmap>
#include <QTimer>
#include <cstdio>

#include "platform/qt/demo/demo_form.h"
#include "platform/qt/form_view.h"
#include "platform/qt/qt_event_loop.h"
#include "platform/qt/qt_view.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    qb::QtEventLoop loop;
    qb::QtView view;
    qb::demo::TDemoForm form;
    form.afterClose = [&](qb::Form&) { loop.quit(0); };
    form.Beenden.onClick = [&] { form.close(); };
    form.Play.onClick = [&] { form.TitelLabel.setCaption("Wiedergabe läuft"); };
    form.Ls.onChange = [&] { form.LsLabel.setCaption("Lautstärke " + std::to_string(form.Ls.position())); };
    view.show(form);
    form.Such.setFocus();
    form.hintShown(form.Play.hint());
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (!out.isEmpty()) {
        qb::singleShot(loop, 800, [&] {
            form.hintShown(form.Play.hint());  // as if the mouse rested on Play
            view.sync();
            const bool ok = view.viewOf(form).window()->grab().save(out, "PNG");
            std::fprintf(ok ? stdout : stderr, "%s %s\n", ok ? "wrote" : "could not write", argv[1]);
            loop.quit(ok ? 0 : 1);
        });
    }
    return loop.exec();
}
