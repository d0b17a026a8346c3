#include "platform/controls/edits.h"

#include <algorithm>

#include "platform/core/text.h"

namespace qb {

namespace {

int chars(std::string_view s) { return static_cast<int>(text::charCount(s)); }

std::size_t byteAt(std::string_view s, int charIndex) {
    return text::leftChars(s, static_cast<std::size_t>(std::max(0, charIndex))).size();
}

std::string cutChars(std::string_view s, int maxChars) {
    if (maxChars <= 0) return std::string(s);
    return std::string(text::leftChars(s, static_cast<std::size_t>(maxChars)));
}

}  // namespace

// ---- Edit ----

Edit::Edit(Control* parent, std::string name) : Edit(parent, std::move(name), 0) {}

Edit::Edit(Control* parent, std::string name, int) : Control(parent, std::move(name)) {
    setParentColor(false);
    setColor(clWindow);
    setBounds(0, 0, 121, 21);
}

void Edit::setText(std::string t) {
    if (t == text_) return;
    text_ = std::move(t);
    selStart_ = 0;
    selLength_ = 0;
    changed(change::Text | change::State);
    if (onChange) onChange();
}

void Edit::setMaxLength(int n) {
    n = std::max(0, n);
    if (n == maxLength_) return;
    maxLength_ = n;
    changed(change::Options);
}

void Edit::setReadOnly(bool r) {
    if (r == readOnly_) return;
    readOnly_ = r;
    changed(change::Options);
}

void Edit::setSelStart(int s) {
    s = std::clamp(s, 0, chars(text_));
    if (s == selStart_ && selLength_ == 0) return;
    selStart_ = s;
    selLength_ = 0;
    changed(change::State);
}

void Edit::setSelLength(int n) {
    n = std::clamp(n, 0, chars(text_) - selStart_);
    if (n == selLength_) return;
    selLength_ = n;
    changed(change::State);
}

void Edit::selectAll() {
    selStart_ = 0;
    selLength_ = chars(text_);
    changed(change::State);
}

std::string Edit::selText() const {
    const std::size_t a = byteAt(text_, selStart_), b = byteAt(text_, selStart_ + selLength_);
    return text_.substr(a, b - a);
}

void Edit::setSelText(const std::string& s) {
    const std::size_t a = byteAt(text_, selStart_), b = byteAt(text_, selStart_ + selLength_);
    std::string t = text_.substr(0, a) + s + text_.substr(b);
    const int caret = selStart_ + chars(s);
    setText(std::move(t));
    selStart_ = std::min(caret, chars(text_));
    selLength_ = 0;
    changed(change::State);
}

void Edit::userEdited(std::string t, int caret) {
    if (!enabledInTree() || readOnly_) return;
    t = cutChars(t, maxLength_);
    const bool differs = t != text_;
    text_ = std::move(t);
    selStart_ = std::clamp(caret, 0, chars(text_));
    selLength_ = 0;
    changed(change::Text | change::State);
    if (differs && onChange) onChange();
}

// ---- MaskEdit ----

MaskEdit::MaskEdit(Control* parent, std::string name) : Edit(parent, std::move(name), 0) {}

void MaskEdit::setEditMask(std::string m) {
    if (m == editMask_) return;
    editMask_ = std::move(m);
    changed(change::Options);
}

bool MaskEdit::complete() const {
    // The mask part is what comes before the first unescaped ';'.
    std::vector<std::string_view> textChars = text::chars(text());
    std::size_t pos = 0;
    for (std::size_t i = 0; i < editMask_.size(); ++i) {
        char m = editMask_[i];
        if (m == ';') break;
        if (m == '\\') {
            ++i;
            ++pos;
            continue;
        }
        const bool required = m == '0' || m == 'L' || m == 'A' || m == 'C';
        const bool slot = required || m == '9' || m == 'l' || m == 'a' || m == 'c' || m == '#';
        if (!slot) {
            ++pos;
            continue;
        }
        const std::string_view c = pos < textChars.size() ? textChars[pos] : std::string_view();
        ++pos;
        if (!required) continue;
        if (c.empty() || c == " " || c == "_") return false;
        const unsigned char ch = static_cast<unsigned char>(c[0]);
        const bool digit = c.size() == 1 && ch >= '0' && ch <= '9';
        const bool letter = c.size() > 1 || (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z');
        if (m == '0' && !digit) return false;
        if (m == 'L' && !letter) return false;
        if (m == 'A' && !digit && !letter) return false;
    }
    return true;
}

// ---- Memo ----

Memo::Memo(Control* parent, std::string name) : Memo(parent, std::move(name), 0) {}

Memo::Memo(Control* parent, std::string name, int) : Control(parent, std::move(name)) {
    setParentColor(false);
    setColor(clWindow);
    setBounds(0, 0, 185, 89);
}

void Memo::afterLinesChanged(bool keepColors) {
    if (!keepColors) lineColors_.assign(lines_.size(), clNone);
    lineColors_.resize(lines_.size(), clNone);
    const int len = chars(text());
    selStart_ = std::min(selStart_, len);
    selLength_ = std::min(selLength_, len - selStart_);
    changed(change::Text | change::State);
    if (onChange) onChange();
}

void Memo::setLines(std::vector<std::string> lines) {
    if (lines == lines_) return;
    lines_ = std::move(lines);
    afterLinesChanged(false);
}

void Memo::addLine(std::string line) {
    lines_.push_back(std::move(line));
    lineColors_.push_back(clNone);
    afterLinesChanged(true);
}

void Memo::insertLine(int index, std::string line) {
    index = std::clamp(index, 0, lineCount());
    lines_.insert(lines_.begin() + index, std::move(line));
    lineColors_.insert(lineColors_.begin() + index, clNone);
    afterLinesChanged(true);
}

void Memo::deleteLine(int index) {
    if (index < 0 || index >= lineCount()) return;
    lines_.erase(lines_.begin() + index);
    lineColors_.erase(lineColors_.begin() + index);
    afterLinesChanged(true);
}

void Memo::setLine(int index, std::string line) {
    if (index < 0 || index >= lineCount() || lines_[static_cast<std::size_t>(index)] == line) return;
    lines_[static_cast<std::size_t>(index)] = std::move(line);
    afterLinesChanged(true);
}

std::string Memo::text() const {
    std::string t;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (i) t += '\n';
        t += lines_[i];
    }
    return t;
}

void Memo::setText(std::string_view t) {
    std::vector<std::string> l = text::splitLines(t);
    // A final line break leaves an empty last line in an edit.
    if (!t.empty() && (t.back() == '\n' || t.back() == '\r')) l.emplace_back();
    setLines(std::move(l));
}

void Memo::setReadOnly(bool r) {
    if (r == readOnly_) return;
    readOnly_ = r;
    changed(change::Options);
}

void Memo::setWordWrap(bool w) {
    if (w == wordWrap_) return;
    wordWrap_ = w;
    changed(change::Options);
}

void Memo::setScrollBars(ScrollBars s) {
    if (s == scrollBars_) return;
    scrollBars_ = s;
    changed(change::Options);
}

void Memo::setAlignment(Alignment a) {
    if (a == alignment_) return;
    alignment_ = a;
    changed(change::Options);
}

void Memo::setSelStart(int s) {
    s = std::clamp(s, 0, chars(text()));
    if (s == selStart_ && selLength_ == 0) return;
    selStart_ = s;
    selLength_ = 0;
    changed(change::State);
}

void Memo::setSelLength(int n) {
    n = std::clamp(n, 0, chars(text()) - selStart_);
    if (n == selLength_) return;
    selLength_ = n;
    changed(change::State);
}

void Memo::selectAll() {
    selStart_ = 0;
    selLength_ = chars(text());
    changed(change::State);
}

int Memo::caretLine() const {
    int remaining = selStart_;
    for (int i = 0; i < lineCount(); ++i) {
        const int len = chars(lines_[static_cast<std::size_t>(i)]);
        if (remaining <= len) return i;
        remaining -= len + 1;  // the line break
    }
    return std::max(0, lineCount() - 1);
}

Color Memo::lineColor(int index) const {
    if (index < 0 || index >= lineCount()) return clNone;
    return lineColors_[static_cast<std::size_t>(index)];
}

void Memo::setLineColor(int index, Color c) {
    if (index < 0 || index >= lineCount() || lineColors_[static_cast<std::size_t>(index)] == c) return;
    lineColors_[static_cast<std::size_t>(index)] = c;
    changed(change::Text);
}

void Memo::userEdited(std::string_view t, int caret) {
    if (!enabledInTree() || readOnly_) return;
    std::vector<std::string> l = text::splitLines(t);
    if (!t.empty() && (t.back() == '\n' || t.back() == '\r')) l.emplace_back();
    const bool differs = l != lines_;
    lines_ = std::move(l);
    lineColors_.resize(lines_.size(), clNone);
    selStart_ = std::clamp(caret, 0, chars(text()));
    selLength_ = 0;
    changed(change::Text | change::State);
    if (differs && onChange) onChange();
}

RichEdit::RichEdit(Control* parent, std::string name) : Memo(parent, std::move(name), 0) {}

}  // namespace qb
