#pragma once
// The settings keys as REGEDIT4 text files, one file per key:
// <folder>/<last part of the key, as spelled>.reg, the folder being
// $XDG_CONFIG_HOME/Quillbrook (default ~/.config/Quillbrook).
//
// Several programs share a key and write at close. A writer takes an
// exclusive lock (flock on <name>.reg.lock beside the file), reads the file,
// changes only its own values, writes a new file beside it, syncs it and
// renames it over the old one. A reader needs no lock: thanks to the rename it
// sees either the old or the new file, never a half-written one, and a crash
// mid-write leaves the old file. Within the file, key and value names compare
// without regard to ASCII case, as registry names do.

#include <string>

#include "platform/settings/settings_store.h"

namespace qb {

class RegFileStore final : public SettingsStore {
public:
    // The folder from $XDG_CONFIG_HOME (or $HOME/.config) + "/Quillbrook".
    RegFileStore();
    explicit RegFileStore(std::string folder);

    // nullopt also when the key has no file, or the file holds no section of
    // this key, or the key's name cannot be a file name.
    std::optional<RegValues> readKey(const std::string& key) override;
    bool writeValues(const std::string& key, const RegValues& values) override;

    // Where the file of key lives; empty when the key's last part cannot be a
    // file name (empty, ".", "..", or containing "/" or a control character).
    std::string fileFor(const std::string& key) const;

    const std::string& folder() const { return folder_; }

    // $XDG_CONFIG_HOME/Quillbrook, or $HOME/.config/Quillbrook.
    static std::string defaultFolder();

private:
    std::string folder_;
};

}  // namespace qb
