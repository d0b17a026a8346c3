#pragma once
// Dialogs for tests: answers are queued per kind of dialog, and every dialog
// asked is recorded with its parameters. A dialog asked without a queued
// answer is answered as cancelled (file, folder, font, colour: none; message
// box: its cancel answer; modal form: mrCancel) and counted in unscripted().

#include <deque>
#include <functional>
#include <variant>

#include "platform/controls/dialogs.h"

namespace qb {

enum class DialogKind { OpenFile, SaveFile, Folder, FontChoice, ColorChoice, Message, Modal };

struct DialogCall {
    DialogKind kind;
    FileRequest file;          // OpenFile, SaveFile
    std::string caption;       // Folder, Message; the form's caption for Modal
    std::string text;          // Message
    std::string initialDir;    // Folder
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    Font font;                 // FontChoice: the preset
    Color color = clBlack;     // ColorChoice: the preset
    Form* form = nullptr;      // Modal
    bool answered = false;     // a scripted answer was used
};

class ScriptedDialogs : public Dialogs {
public:
    // Queue answers (std::nullopt: the user cancels).
    void answerOpen(std::optional<std::string> path, int filterIndex = 1);
    void answerSave(std::optional<std::string> path, int filterIndex = 1);
    void answerFolder(std::optional<std::string> folder);
    void answerFont(std::optional<Font> font);
    void answerColor(std::optional<Color> color);
    void answerMessage(int button);
    // A modal form: a fixed result, or a function that acts on the shown form
    // (clicks one of its buttons); the result is then the form's modal result.
    void answerModal(int result);
    void answerModal(std::function<void(Form&)> act);

    const std::vector<DialogCall>& calls() const { return calls_; }
    int count(DialogKind k) const;
    const DialogCall* last(DialogKind k) const;  // nullptr when never asked
    int unscripted() const { return unscripted_; }
    int pending() const;  // queued answers not used yet
    void clear();

    std::optional<FileAnswer> openFile(const FileRequest& r) override;
    std::optional<FileAnswer> saveFile(const FileRequest& r) override;
    std::optional<std::string> chooseFolder(const std::string& caption, const std::string& initialDir) override;
    std::optional<Font> chooseFont(const Font& preset) override;
    std::optional<Color> chooseColor(Color preset) override;
    int messageBox(const std::string& text, const std::string& caption, MsgButtons buttons,
                   MsgIcon icon) override;
    int showModal(Form& form) override;

private:
    using ModalAnswer = std::variant<int, std::function<void(Form&)>>;
    DialogCall& record(DialogKind k);
    std::deque<std::optional<FileAnswer>> open_, save_;
    std::deque<std::optional<std::string>> folder_;
    std::deque<std::optional<Font>> font_;
    std::deque<std::optional<Color>> color_;
    std::deque<int> message_;
    std::deque<ModalAnswer> modal_;
    std::vector<DialogCall> calls_;
    int unscripted_ = 0;
};

}  // namespace qb
