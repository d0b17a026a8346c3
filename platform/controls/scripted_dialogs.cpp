#include "platform/controls/scripted_dialogs.h"

#include <algorithm>

#include "platform/controls/form.h"

namespace qb {

void ScriptedDialogs::answerOpen(std::optional<std::string> path, int filterIndex) {
    open_.push_back(path ? std::optional<FileAnswer>(FileAnswer{*path, filterIndex}) : std::nullopt);
}

void ScriptedDialogs::answerSave(std::optional<std::string> path, int filterIndex) {
    save_.push_back(path ? std::optional<FileAnswer>(FileAnswer{*path, filterIndex}) : std::nullopt);
}

void ScriptedDialogs::answerFolder(std::optional<std::string> folder) { folder_.push_back(std::move(folder)); }
void ScriptedDialogs::answerFont(std::optional<Font> font) { font_.push_back(std::move(font)); }
void ScriptedDialogs::answerColor(std::optional<Color> color) { color_.push_back(color); }
void ScriptedDialogs::answerMessage(int button) { message_.push_back(button); }
void ScriptedDialogs::answerModal(int result) { modal_.emplace_back(result); }
void ScriptedDialogs::answerModal(std::function<void(Form&)> act) { modal_.emplace_back(std::move(act)); }

int ScriptedDialogs::count(DialogKind k) const {
    return static_cast<int>(std::count_if(calls_.begin(), calls_.end(), [k](const DialogCall& c) { return c.kind == k; }));
}

const DialogCall* ScriptedDialogs::last(DialogKind k) const {
    for (auto it = calls_.rbegin(); it != calls_.rend(); ++it)
        if (it->kind == k) return &*it;
    return nullptr;
}

int ScriptedDialogs::pending() const {
    return static_cast<int>(open_.size() + save_.size() + folder_.size() + font_.size() + color_.size() +
                            message_.size() + modal_.size());
}

void ScriptedDialogs::clear() {
    open_.clear();
    save_.clear();
    folder_.clear();
    font_.clear();
    color_.clear();
    message_.clear();
    modal_.clear();
    calls_.clear();
    unscripted_ = 0;
}

DialogCall& ScriptedDialogs::record(DialogKind k) {
    calls_.push_back(DialogCall{});
    calls_.back().kind = k;
    return calls_.back();
}

// Takes the next answer of a queue; counts a missing one.
template <typename Q, typename T>
static bool take(Q& q, T& out, int& unscripted) {
    if (q.empty()) {
        ++unscripted;
        return false;
    }
    out = std::move(q.front());
    q.pop_front();
    return true;
}

std::optional<FileAnswer> ScriptedDialogs::openFile(const FileRequest& r) {
    record(DialogKind::OpenFile).file = r;
    std::optional<FileAnswer> a;
    calls_.back().answered = take(open_, a, unscripted_);
    return a;
}

std::optional<FileAnswer> ScriptedDialogs::saveFile(const FileRequest& r) {
    record(DialogKind::SaveFile).file = r;
    std::optional<FileAnswer> a;
    calls_.back().answered = take(save_, a, unscripted_);
    return a;
}

std::optional<std::string> ScriptedDialogs::chooseFolder(const std::string& caption, const std::string& initialDir) {
    DialogCall& c = record(DialogKind::Folder);
    c.caption = caption;
    c.initialDir = initialDir;
    std::optional<std::string> a;
    calls_.back().answered = take(folder_, a, unscripted_);
    return a;
}

std::optional<Font> ScriptedDialogs::chooseFont(const Font& preset) {
    record(DialogKind::FontChoice).font = preset;
    std::optional<Font> a;
    calls_.back().answered = take(font_, a, unscripted_);
    return a;
}

std::optional<Color> ScriptedDialogs::chooseColor(Color preset) {
    record(DialogKind::ColorChoice).color = preset;
    std::optional<Color> a;
    calls_.back().answered = take(color_, a, unscripted_);
    return a;
}

static int cancelAnswer(MsgButtons b) {
    switch (b) {
        case MsgButtons::Ok: return mrOk;
        case MsgButtons::YesNo: return mrNo;
        case MsgButtons::AbortRetryIgnore: return mrAbort;
        case MsgButtons::OkCancel:
        case MsgButtons::YesNoCancel:
        case MsgButtons::RetryCancel: return mrCancel;
    }
    return mrCancel;
}

int ScriptedDialogs::messageBox(const std::string& text, const std::string& caption, MsgButtons buttons,
                                MsgIcon icon) {
    DialogCall& c = record(DialogKind::Message);
    c.text = text;
    c.caption = caption;
    c.buttons = buttons;
    c.icon = icon;
    int a = cancelAnswer(buttons);
    calls_.back().answered = take(message_, a, unscripted_);
    return a;
}

int ScriptedDialogs::showModal(Form& form) {
    {
        DialogCall& c = record(DialogKind::Modal);
        c.caption = form.caption();
        c.form = &form;
    }
    const std::size_t callIndex = calls_.size() - 1;
    ModalAnswer a = 0;
    const bool answered = take(modal_, a, unscripted_);
    calls_[callIndex].answered = answered;
    form.beginModal();
    if (answered) {
        if (auto* r = std::get_if<int>(&a)) {
            form.setModalResult(*r);
        } else {
            auto& act = std::get<std::function<void(Form&)>>(a);
            if (act) act(form);
            if (form.modalResult() == mrNone && form.visible()) {
                // The act left the form open: a real user would still be looking at it.
                ++unscripted_;
                calls_[callIndex].answered = false;
            }
        }
    }
    int result = form.modalResult();
    if (result == mrNone) result = mrCancel;
    form.endModal();
    return result;
}

}  // namespace qb
