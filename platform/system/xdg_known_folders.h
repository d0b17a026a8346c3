#pragma once
// Known folders after the XDG rules.
//
// - localAppData: $XDG_DATA_HOME, else ~/.local/share.
// - documents, music, downloads: the XDG user folders DOCUMENTS, MUSIC and
//   DOWNLOAD. An environment variable XDG_DOCUMENTS_DIR (XDG_MUSIC_DIR,
//   XDG_DOWNLOAD_DIR) holding an absolute path wins; else the line of
//   $XDG_CONFIG_HOME/user-dirs.dirs (default ~/.config), whose "$HOME" is
//   expanded; else ~/Documents, ~/Music, ~/Downloads. A folder set to the home
//   folder itself (the way xdg-user-dirs turns one off) is the home folder.
// - Relative XDG values are invalid by the XDG rules and are ignored.
//
// A value counts as present when it can be determined, whether the folder
// exists or not: the programs create what they need below documents and the
// data folder. Music is the exception: it counts as present only when the
// folder exists, so that a system without a music folder falls back to the
// documents folder, as the music folder's search order intends, instead of
// scanning and offering a folder that is not there.
//
// The environment is read on every call.

#include "platform/system/known_folders.h"

namespace qb {

class XdgKnownFolders final : public KnownFolders {
public:
    std::optional<std::string> localAppData() override;
    std::optional<std::string> documents() override;
    std::optional<std::string> music() override;
    std::optional<std::string> downloads() override;
    std::string currentDirectory() override;

    // The value of XDG_<name>_DIR in the text of a user-dirs.dirs file, with
    // "$HOME" replaced by home; nullopt when the file does not set it to an
    // absolute path or a path below $HOME.
    static std::optional<std::string> parseUserDir(const std::string& fileText, const std::string& name,
                                                   const std::string& home);

private:
    std::optional<std::string> userDir(const std::string& name, const std::string& fallback);
};

}  // namespace qb
