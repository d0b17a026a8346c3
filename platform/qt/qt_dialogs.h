#pragma once
// The real dialogs: Qt's file, folder, font and colour dialogs, message boxes
// centred on the screen, and modal forms through the Qt view.

#include "platform/controls/dialogs.h"

class QString;

namespace qb {

class QtView;

class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QtView& view) : view_(view) {}

    std::optional<FileAnswer> openFile(const FileRequest& r) override;
    std::optional<FileAnswer> saveFile(const FileRequest& r) override;
    std::optional<std::string> chooseFolder(const std::string& caption, const std::string& initialDir) override;
    std::optional<Font> chooseFont(const Font& preset) override;
    std::optional<Color> chooseColor(Color preset) override;
    int messageBox(const std::string& text, const std::string& caption, MsgButtons buttons,
                   MsgIcon icon) override;
    int showModal(Form& form) override;

private:
    QtView& view_;
};

// Qt's name filter text for a filter in the forms' notation:
// "Musik(*.mp3)|*.mp3|Alle Dateien(*.*)|*.*" -> "Musik(*.mp3) (*.mp3);;Alle Dateien(*.*) (*)".
QString qtNameFilters(const std::string& filter);

}  // namespace qb
