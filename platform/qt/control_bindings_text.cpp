// Bindings of edits, masked edits, memos and rich edits.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

#include "platform/controls/edits.h"
#include "platform/qt/control_bindings.h"
#include "platform/qt/qt_convert.h"

namespace qb {

namespace {

// Qt counts UTF-16 units, the models count characters.
int charsOf(const QString& s, int utf16Pos) { return static_cast<int>(s.left(utf16Pos).toUcs4().size()); }
int utf16Of(const QString& s, int chars) {
    int pos = 0;
    for (int n = 0; n < chars && pos < s.size(); ++n) pos += s.at(pos).isHighSurrogate() ? 2 : 1;
    return pos;
}

}  // namespace

// The forms' edit mask ("0000;1;_") as a Qt input mask ("9999;_").
QString qtInputMask(const std::string& editMask) {
    if (editMask.empty()) return {};
    std::string mask = editMask, blank = "_";
    // The mask ends at the first unescaped ';': then "keep literals", then the blank.
    std::size_t cut = std::string::npos;
    for (std::size_t i = 0; i < editMask.size(); ++i) {
        if (editMask[i] == '\\') ++i;
        else if (editMask[i] == ';') {
            cut = i;
            break;
        }
    }
    if (cut != std::string::npos) {
        mask = editMask.substr(0, cut);
        const auto second = editMask.find(';', cut + 1);
        if (second != std::string::npos && second + 1 < editMask.size()) blank = editMask.substr(second + 1, 1);
    }
    std::string out;
    for (std::size_t i = 0; i < mask.size(); ++i) {
        const char m = mask[i];
        switch (m) {
            case '0': out += '9'; break;
            case '9': out += '0'; break;
            case 'L': out += 'A'; break;
            case 'l': out += 'a'; break;
            case 'A': out += 'N'; break;
            case 'a': out += 'n'; break;
            case 'C': out += 'X'; break;
            case 'c': out += 'x'; break;
            case '#': out += '#'; break;
            case '\\':
                if (i + 1 < mask.size()) {
                    out += '\\';
                    out += mask[++i];
                }
                break;
            default:
                if (std::string_view("AaNnXx90Dd#HhBb><!{}[]\\;").find(m) != std::string_view::npos) out += '\\';
                out += m;
        }
    }
    return qs(out + ";" + blank);
}

namespace {

class EditBinding : public Binding {
public:
    EditBinding(Edit& e, QWidget* parent, FormView& v) : Binding(e, v), edit_(e) {
        auto* w = new QLineEdit(parent);
        widget = w;
        QObject::connect(w, &QLineEdit::textEdited, w, userAction(v, e, [this, w] {
                             const QString t = edit_.kind() == ControlKind::MaskEdit ? w->displayText() : w->text();
                             edit_.userEdited(ss(t), charsOf(t, w->cursorPosition()));
                         }));
        QObject::connect(w, &QLineEdit::selectionChanged, w, [this, w, &v] {
            if (v.updating()) return;
            const QString t = w->text();
            if (w->hasSelectedText()) {
                edit_.setSelStart(charsOf(t, w->selectionStart()));
                edit_.setSelLength(charsOf(t, w->selectionEnd()) - edit_.selStart());
            }
        });
        QObject::connect(w, &QLineEdit::cursorPositionChanged, w, [this, w, &v](int, int pos) {
            if (v.updating() || w->hasSelectedText()) return;
            edit_.setSelStart(charsOf(w->text(), pos));
        });
    }

protected:
    void updateKind(unsigned changes) override {
        auto* w = static_cast<QLineEdit*>(widget.data());
        if (changes & change::Options) {
            w->setReadOnly(edit_.readOnly());
            w->setMaxLength(edit_.maxLength() > 0 ? edit_.maxLength() : 32767);
            w->setEchoMode(edit_.passwordChar ? QLineEdit::Password : QLineEdit::Normal);
            if (edit_.kind() == ControlKind::MaskEdit)
                w->setInputMask(qtInputMask(static_cast<MaskEdit&>(edit_).editMask()));
        }
        const QString t = qs(edit_.text());
        const QString shown = edit_.kind() == ControlKind::MaskEdit ? w->displayText() : w->text();
        if (shown != t) w->setText(t);
        const QString now = w->text();
        const int start = utf16Of(now, edit_.selStart());
        const int len = utf16Of(now, edit_.selStart() + edit_.selLength()) - start;
        if (len > 0) {
            if (w->selectionStart() != start || w->selectedText().size() != len) w->setSelection(start, len);
        } else if (w->hasSelectedText() || w->cursorPosition() != start) {
            w->setCursorPosition(start);
        }
    }

private:
    Edit& edit_;
};

class MemoBinding : public Binding {
public:
    MemoBinding(Memo& m, QWidget* parent, FormView& v) : Binding(m, v), memo_(m) {
        auto* w = new QPlainTextEdit(parent);
        widget = w;
        QObject::connect(w, &QPlainTextEdit::textChanged, w, userAction(v, m, [this, w] {
                             const QString t = w->toPlainText();
                             memo_.userEdited(ss(t), charsOf(t, w->textCursor().position()));
                         }));
        QObject::connect(w, &QPlainTextEdit::cursorPositionChanged, w, [this, w, &v] {
            if (v.updating()) return;
            const QString t = w->toPlainText();
            const QTextCursor c = w->textCursor();
            memo_.setSelStart(charsOf(t, c.selectionStart()));
            memo_.setSelLength(charsOf(t, c.selectionEnd()) - memo_.selStart());
        });
    }

protected:
    void updateKind(unsigned changes) override {
        auto* w = static_cast<QPlainTextEdit*>(widget.data());
        if (changes & change::Options) {
            w->setReadOnly(memo_.readOnly());
            w->setLineWrapMode(memo_.wordWrap() ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
            const ScrollBars s = memo_.scrollBars();
            w->setVerticalScrollBarPolicy(s == ScrollBars::Vertical || s == ScrollBars::Both ? Qt::ScrollBarAlwaysOn
                                                                                               : Qt::ScrollBarAsNeeded);
            w->setHorizontalScrollBarPolicy(s == ScrollBars::Horizontal || s == ScrollBars::Both
                                                ? Qt::ScrollBarAlwaysOn
                                                : Qt::ScrollBarAsNeeded);
        }
        const QString t = qs(memo_.text());
        if (w->toPlainText() != t) w->setPlainText(t);
        QTextCursor c = w->textCursor();
        const int a = utf16Of(t, memo_.selStart()), b = utf16Of(t, memo_.selStart() + memo_.selLength());
        if (c.selectionStart() != a || c.selectionEnd() != b) {
            c.setPosition(a);
            c.setPosition(b, QTextCursor::KeepAnchor);
            w->setTextCursor(c);
        }
    }

private:
    Memo& memo_;
};

class RichEditBinding : public Binding {
public:
    RichEditBinding(RichEdit& r, QWidget* parent, FormView& v) : Binding(r, v), rich_(r) {
        auto* w = new QTextEdit(parent);
        w->setAcceptRichText(false);
        widget = w;
        QObject::connect(w, &QTextEdit::textChanged, w, userAction(v, r, [this, w] {
                             const QString t = w->toPlainText();
                             rich_.userEdited(ss(t), charsOf(t, w->textCursor().position()));
                         }));
        QObject::connect(w, &QTextEdit::cursorPositionChanged, w, [this, w, &v] {
            if (v.updating()) return;
            const QString t = w->toPlainText();
            const QTextCursor c = w->textCursor();
            rich_.setSelStart(charsOf(t, c.selectionStart()));
            rich_.setSelLength(charsOf(t, c.selectionEnd()) - rich_.selStart());
        });
    }

protected:
    void updateKind(unsigned changes) override {
        auto* w = static_cast<QTextEdit*>(widget.data());
        if (changes & change::Options) {
            w->setReadOnly(rich_.readOnly());
            w->setLineWrapMode(rich_.wordWrap() ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
        }
        if (changes & (change::Text | change::Font | change::Options)) {
            // Rebuild the document: one block per line, each in its colour.
            QTextDocument* doc = w->document();
            doc->clear();
            QTextCursor c(doc);
            QTextBlockFormat block;
            block.setAlignment(rich_.alignment() == Alignment::Center  ? Qt::AlignHCenter
                               : rich_.alignment() == Alignment::Right ? Qt::AlignRight
                                                                       : Qt::AlignLeft);
            for (int i = 0; i < rich_.lineCount(); ++i) {
                if (i == 0) c.setBlockFormat(block);
                else c.insertBlock(block);
                QTextCharFormat f;
                f.setFont(toQFont(rich_.font()));
                const Color lc = rich_.lineColor(i);
                f.setForeground(toQColor(lc == clNone ? rich_.font().color : lc));
                c.insertText(qs(rich_.lines()[static_cast<std::size_t>(i)]), f);
            }
        }
        const QString t = w->toPlainText();
        QTextCursor c = w->textCursor();
        const int a = utf16Of(t, rich_.selStart()), b = utf16Of(t, rich_.selStart() + rich_.selLength());
        if (c.selectionStart() != a || c.selectionEnd() != b) {
            c.setPosition(a);
            c.setPosition(b, QTextCursor::KeepAnchor);
            w->setTextCursor(c);
        }
    }

private:
    RichEdit& rich_;
};

}  // namespace

std::unique_ptr<Binding> makeTextBinding(Control& c, QWidget* parent, FormView& v) {
    switch (c.kind()) {
        case ControlKind::Edit:
        case ControlKind::MaskEdit: return std::make_unique<EditBinding>(static_cast<Edit&>(c), parent, v);
        case ControlKind::Memo: return std::make_unique<MemoBinding>(static_cast<Memo&>(c), parent, v);
        case ControlKind::RichEdit: return std::make_unique<RichEditBinding>(static_cast<RichEdit&>(c), parent, v);
        default: return nullptr;
    }
}

}  // namespace qb
