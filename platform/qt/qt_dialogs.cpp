#include "platform/qt/qt_dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include "platform/controls/form.h"
#include "platform/qt/qt_convert.h"
#include "platform/qt/qt_view.h"

namespace qb {

QString qtNameFilters(const std::string& filter) {
    QStringList out;
    for (const FileFilter& f : parseFileFilter(filter)) {
        QStringList patterns;
        for (const std::string& p : f.patterns) patterns << (p == "*.*" ? QStringLiteral("*") : qs(p));
        if (patterns.isEmpty()) patterns << QStringLiteral("*");
        out << qs(f.description) + " (" + patterns.join(' ') + ")";
    }
    return out.join(";;");
}

namespace {

std::optional<FileAnswer> runFileDialog(const FileRequest& r, bool save) {
    QFileDialog d(nullptr, qs(r.title.empty() ? (save ? "Speichern unter" : "Öffnen") : r.title));
    d.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    d.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    d.setOption(QFileDialog::DontConfirmOverwrite, !r.overwritePrompt);
    const QString filters = qtNameFilters(r.filter);
    if (!filters.isEmpty()) {
        d.setNameFilters(filters.split(";;"));
        const QStringList list = d.nameFilters();
        if (r.filterIndex >= 1 && r.filterIndex <= list.size()) d.selectNameFilter(list.at(r.filterIndex - 1));
    }
    if (!r.defaultExt.empty()) d.setDefaultSuffix(qs(r.defaultExt));
    if (!r.initialDir.empty()) d.setDirectory(qs(r.initialDir));
    if (!r.fileName.empty()) d.selectFile(qs(r.fileName));
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return std::nullopt;
    FileAnswer a;
    a.path = ss(d.selectedFiles().first());
    a.filterIndex = static_cast<int>(d.nameFilters().indexOf(d.selectedNameFilter())) + 1;
    if (a.filterIndex < 1) a.filterIndex = r.filterIndex;
    return a;
}

}  // namespace

std::optional<FileAnswer> QtDialogs::openFile(const FileRequest& r) { return runFileDialog(r, false); }

std::optional<FileAnswer> QtDialogs::saveFile(const FileRequest& r) { return runFileDialog(r, true); }

std::optional<std::string> QtDialogs::chooseFolder(const std::string& caption, const std::string& initialDir) {
    const QString d = QFileDialog::getExistingDirectory(nullptr, qs(caption), qs(initialDir));
    if (d.isEmpty()) return std::nullopt;
    return ss(d);
}

std::optional<Font> QtDialogs::chooseFont(const Font& preset) {
    bool ok = false;
    QFont start = toQFont(preset);
    start.setPointSize(std::max(1, preset.size));  // the dialog speaks points
    const QFont f = QFontDialog::getFont(&ok, start, nullptr, "Schriftart");
    if (!ok) return std::nullopt;
    return fromQFont(f, preset.color);
}

std::optional<Color> QtDialogs::chooseColor(Color preset) {
    const QColor c = QColorDialog::getColor(toQColor(preset), nullptr, "Farbe");
    if (!c.isValid()) return std::nullopt;
    return fromQColor(c);
}

int QtDialogs::messageBox(const std::string& text, const std::string& caption, MsgButtons buttons, MsgIcon icon) {
    QMessageBox box;
    box.setWindowTitle(qs(caption.empty() ? QApplication::applicationName().toStdString() : caption));
    box.setText(qs(text));
    switch (icon) {
        case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
        case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
        case MsgIcon::Warning: box.setIcon(QMessageBox::Warning); break;
        case MsgIcon::Error: box.setIcon(QMessageBox::Critical); break;
        case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    }
    struct B {
        const char* text;
        int result;
        QMessageBox::ButtonRole role;
    };
    std::vector<B> list;
    switch (buttons) {
        case MsgButtons::Ok: list = {{"OK", mrOk, QMessageBox::AcceptRole}}; break;
        case MsgButtons::OkCancel:
            list = {{"OK", mrOk, QMessageBox::AcceptRole}, {"Abbrechen", mrCancel, QMessageBox::RejectRole}};
            break;
        case MsgButtons::YesNo:
            list = {{"&Ja", mrYes, QMessageBox::YesRole}, {"&Nein", mrNo, QMessageBox::NoRole}};
            break;
        case MsgButtons::YesNoCancel:
            list = {{"&Ja", mrYes, QMessageBox::YesRole},
                    {"&Nein", mrNo, QMessageBox::NoRole},
                    {"Abbrechen", mrCancel, QMessageBox::RejectRole}};
            break;
        case MsgButtons::RetryCancel:
            list = {{"&Wiederholen", mrRetry, QMessageBox::AcceptRole}, {"Abbrechen", mrCancel, QMessageBox::RejectRole}};
            break;
        case MsgButtons::AbortRetryIgnore:
            list = {{"&Abbrechen", mrAbort, QMessageBox::RejectRole},
                    {"&Wiederholen", mrRetry, QMessageBox::AcceptRole},
                    {"&Ignorieren", mrIgnore, QMessageBox::AcceptRole}};
            break;
    }
    std::vector<std::pair<QAbstractButton*, int>> made;
    for (const B& b : list) made.emplace_back(box.addButton(QString::fromUtf8(b.text), b.role), b.result);
    box.setDefaultButton(static_cast<QPushButton*>(made.front().first));
    // Centred on the screen.
    box.adjustSize();
    if (QScreen* s = QGuiApplication::primaryScreen())
        box.move(s->availableGeometry().center() - QPoint(box.width() / 2, box.height() / 2));
    box.exec();
    for (const auto& [button, result] : made)
        if (box.clickedButton() == button) return result;
    // Closed without a button: the box's cancel answer.
    if (buttons == MsgButtons::Ok) return mrOk;
    if (buttons == MsgButtons::YesNo) return mrNo;
    if (buttons == MsgButtons::AbortRetryIgnore) return mrAbort;
    return mrCancel;
}

int QtDialogs::showModal(Form& form) { return view_.showModal(form); }

}  // namespace qb
