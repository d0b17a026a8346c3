#pragma once
// The standard dialogs of the programs: file open and save, folder choice,
// font, colour, message box, and a form shown modally. QtDialogs
// (platform/qt) shows real dialogs; ScriptedDialogs answers in tests.
//
// Forms usually keep a dialog component (OpenDialog, SaveDialog, FontDialog,
// ColorDialog) with its designed properties and call execute().

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/controls/color.h"
#include "platform/controls/font.h"

namespace qb {

class Form;

// Filters as the forms write them: "Musik(*.mp3)|*.mp3|Alle Dateien(*.*)|*.*",
// pairs of a description and patterns separated by ";".
struct FileFilter {
    std::string description;
    std::vector<std::string> patterns;  // "*.mp3"
};
std::vector<FileFilter> parseFileFilter(const std::string& filter);

struct FileRequest {
    std::string title;       // empty: "Öffnen" / "Speichern unter"
    std::string filter;
    int filterIndex = 1;     // 1-based, as the forms count
    std::string initialDir;
    std::string fileName;    // preset; may be a full path
    std::string defaultExt;  // "mp3": added to a chosen name without extension
    bool overwritePrompt = false;  // save: ask before replacing a file
};

struct FileAnswer {
    std::string path;     // full path of the chosen file
    int filterIndex = 1;  // the filter in use when confirmed
};

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };
enum class MsgIcon { None, Information, Warning, Error, Question };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // nullopt when cancelled.
    virtual std::optional<FileAnswer> openFile(const FileRequest& r) = 0;
    virtual std::optional<FileAnswer> saveFile(const FileRequest& r) = 0;
    virtual std::optional<std::string> chooseFolder(const std::string& caption,
                                                    const std::string& initialDir) = 0;
    virtual std::optional<Font> chooseFont(const Font& preset) = 0;
    virtual std::optional<Color> chooseColor(Color preset) = 0;
    // Returns the button pressed: mrOk, mrCancel, mrYes, mrNo, mrRetry,
    // mrAbort, mrIgnore (closing the box gives its cancel answer).
    virtual int messageBox(const std::string& text, const std::string& caption,
                           MsgButtons buttons = MsgButtons::Ok, MsgIcon icon = MsgIcon::None) = 0;
    // Show the form modally; returns its modal result.
    virtual int showModal(Form& form) = 0;
};

// Adds defaultExt to a file name whose last part has no extension.
std::string withDefaultExt(const std::string& path, const std::string& defaultExt);

// Dialog components. execute() returns true when confirmed and then holds the
// chosen file, font or colour.
struct OpenDialog {
    std::string title, filter, initialDir, fileName, defaultExt;
    int filterIndex = 1;
    bool execute(Dialogs& d);
};

struct SaveDialog {
    std::string title, filter, initialDir, fileName, defaultExt;
    int filterIndex = 1;
    bool overwritePrompt = true;
    bool execute(Dialogs& d);
};

struct FontDialog {
    Font font;
    bool execute(Dialogs& d);
};

struct ColorDialog {
    Color color = clBlack;
    bool execute(Dialogs& d);
};

}  // namespace qb
