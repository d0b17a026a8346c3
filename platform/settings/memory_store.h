#pragma once
// Settings keys held in memory, for tests: the same rules as the files
// (key and value names without regard to ASCII case, a writer changes only
// the values it names), without touching the disk.

#include <map>
#include <string>

#include "platform/settings/settings_store.h"

namespace qb {

class MemoryStore final : public SettingsStore {
public:
    std::optional<RegValues> readKey(const std::string& key) override;
    bool writeValues(const std::string& key, const RegValues& values) override;

    // While false, writeValues changes nothing and returns false (a key that
    // cannot be written).
    void setWritable(bool writable) { writable_ = writable; }
    // Number of successful writeValues calls so far.
    int writeCount() const { return writes_; }

private:
    static std::string fold(const std::string& key);
    std::map<std::string, RegValues> keys_;
    bool writable_ = true;
    int writes_ = 0;
};

}  // namespace qb
