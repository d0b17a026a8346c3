#pragma once
// Text controls: one-line edits, masked edits, memos and rich edits.
// Positions and lengths count characters (UTF-8 code points), not bytes.

#include <string>
#include <vector>

#include "platform/controls/control.h"

namespace qb {

// A one-line edit. Every change of the text runs onChange, also from code.
class Edit : public Control {
public:
    Edit(Control* parent, std::string name);
    ControlKind kind() const override { return ControlKind::Edit; }
    bool canTakeFocus() const override { return true; }

    const std::string& text() const { return text_; }
    void setText(std::string t);  // caret to the start; maxLength limits typing only
    void clear() { setText({}); }
    int maxLength() const { return maxLength_; }
    void setMaxLength(int n);  // 0: any length
    bool readOnly() const { return readOnly_; }
    void setReadOnly(bool r);
    char32_t passwordChar = 0;

    // Selection: start and length, clamped to the text.
    int selStart() const { return selStart_; }
    int selLength() const { return selLength_; }
    void setSelStart(int s);
    void setSelLength(int n);
    void selectAll();
    std::string selText() const;
    void setSelText(const std::string& s);  // replaces the selection

    Handler onChange;
    // The user changed the text (typing, pasting) and the caret.
    void userEdited(std::string t, int caret);

protected:
    Edit(Control* parent, std::string name, int);  // for MaskEdit's kind

private:
    std::string text_;
    int maxLength_ = 0;
    bool readOnly_ = false;
    int selStart_ = 0;
    int selLength_ = 0;
};

// An edit with an edit mask "mask;keep literals;blank", for example
// "0000;1;_" for four digits. Mask characters: 0 digit, 9 digit or blank,
// L letter, l letter or blank, A letter or digit, a letter, digit or blank,
// C any character, c any or blank, # digit, sign or blank; \ makes the next
// character a literal; every other character is a literal. The text keeps the
// literals; a missing character is a blank.
class MaskEdit : public Edit {
public:
    MaskEdit(Control* parent, std::string name);
    ControlKind kind() const override { return ControlKind::MaskEdit; }

    const std::string& editMask() const { return editMask_; }
    void setEditMask(std::string m);
    // Whether every required position of the mask is filled.
    bool complete() const;

private:
    std::string editMask_;
};

enum class ScrollBars { None, Horizontal, Vertical, Both };

// A multi-line edit of lines. Every change runs onChange, also from code.
class Memo : public Control {
public:
    Memo(Control* parent, std::string name);
    ControlKind kind() const override { return ControlKind::Memo; }
    bool canTakeFocus() const override { return true; }

    const std::vector<std::string>& lines() const { return lines_; }
    int lineCount() const { return static_cast<int>(lines_.size()); }
    void setLines(std::vector<std::string> lines);
    void addLine(std::string line);
    void insertLine(int index, std::string line);
    void deleteLine(int index);
    void setLine(int index, std::string line);
    void clear() { setLines({}); }
    // The lines joined with "\n" / split at CR LF, LF or CR.
    std::string text() const;
    void setText(std::string_view t);

    bool readOnly() const { return readOnly_; }
    void setReadOnly(bool r);
    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool w);
    ScrollBars scrollBars() const { return scrollBars_; }
    void setScrollBars(ScrollBars s);
    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment a);

    // The caret as a character offset into text(), with a selection length.
    int selStart() const { return selStart_; }
    int selLength() const { return selLength_; }
    void setSelStart(int s);
    void setSelLength(int n);
    void selectAll();
    int caretLine() const;  // the line the caret is in

    // Per-line text colour (clNone: the control's); kept only by RichEdit's
    // view, and moved along with inserted and deleted lines.
    Color lineColor(int index) const;
    void setLineColor(int index, Color c);

    Handler onChange;
    // The user edited the text.
    void userEdited(std::string_view t, int caret);

protected:
    Memo(Control* parent, std::string name, int);

private:
    void afterLinesChanged(bool keepColors);
    std::vector<std::string> lines_;
    std::vector<Color> lineColors_;
    bool readOnly_ = false;
    bool wordWrap_ = true;
    ScrollBars scrollBars_ = ScrollBars::None;
    Alignment alignment_ = Alignment::Left;
    int selStart_ = 0;
    int selLength_ = 0;
};

// A memo shown with per-line colours.
class RichEdit : public Memo {
public:
    RichEdit(Control* parent, std::string name);
    ControlKind kind() const override { return ControlKind::RichEdit; }
};

}  // namespace qb
