#pragma once
// Known folders with values a test sets (all missing at first; the current
// directory defaults to the process's working folder).

#include "platform/system/known_folders.h"

namespace qb {

class FixedKnownFolders final : public KnownFolders {
public:
    FixedKnownFolders();

    std::optional<std::string> localAppData() override { return localAppData_; }
    std::optional<std::string> documents() override { return documents_; }
    std::optional<std::string> music() override { return music_; }
    std::optional<std::string> downloads() override { return downloads_; }
    std::string currentDirectory() override { return current_; }

    void setLocalAppData(std::optional<std::string> v) { localAppData_ = std::move(v); }
    void setDocuments(std::optional<std::string> v) { documents_ = std::move(v); }
    void setMusic(std::optional<std::string> v) { music_ = std::move(v); }
    void setDownloads(std::optional<std::string> v) { downloads_ = std::move(v); }
    void setCurrentDirectory(std::string v) { current_ = std::move(v); }

private:
    std::optional<std::string> localAppData_, documents_, music_, downloads_;
    std::string current_;
};

}  // namespace qb
