#include "platform/settings/memory_store.h"

#include "platform/settings/reg_format.h"

namespace qb {

std::string MemoryStore::fold(const std::string& key) {
    std::string out = key;
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

std::optional<RegValues> MemoryStore::readKey(const std::string& key) {
    const auto it = keys_.find(fold(key));
    if (it == keys_.end()) return std::nullopt;
    return it->second;
}

bool MemoryStore::writeValues(const std::string& key, const RegValues& values) {
    if (!writable_) return false;
    reg::merge(keys_[fold(key)], values);
    ++writes_;
    return true;
}

}  // namespace qb
