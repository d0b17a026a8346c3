#pragma once
// Typed access to one settings key, as the forms read and write it.
//
// The key is read once, when the SettingsKey is made. A read takes a value only
// when it exists with the expected type and otherwise leaves the caller's
// default untouched. Integers are dwords (read back as signed 32-bit, so a
// window left of the primary screen keeps its negative position); booleans
// are dwords 0 and 1 (any non-zero reads as true); a date-time is 8 bytes of
// binary data, the little-endian IEEE double. The set* calls collect values
// that write() then writes in one locked write.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/settings/settings_store.h"

namespace qb {

class SettingsKey {
public:
    SettingsKey(SettingsStore& store, std::string key);

    // True when the key existed when it was read.
    bool exists() const { return exists_; }
    const std::string& key() const { return key_; }

    bool readInteger(const std::string& name, int& value) const;
    bool readBool(const std::string& name, bool& value) const;
    bool readString(const std::string& name, std::string& value) const;
    // Not taken when the 8 bytes are no finite number.
    bool readDateTime(const std::string& name, double& value) const;
    bool readBinary(const std::string& name, std::vector<std::uint8_t>& value) const;

    void setInteger(const std::string& name, int value);
    void setBool(const std::string& name, bool value);
    void setString(const std::string& name, std::string value);
    void setDateTime(const std::string& name, double value);
    void setBinary(const std::string& name, std::vector<std::uint8_t> value);

    // Writes every value set since the last successful write (creating the
    // key if missing); true when there was nothing to write. Reads afterwards
    // see the written values.
    bool write();

    static std::vector<std::uint8_t> dateTimeBytes(double value);

private:
    const RegValue* find(const std::string& name, RegValue::Type type) const;
    void set(const std::string& name, RegValue value);

    SettingsStore& store_;
    std::string key_;
    RegValues values_;
    RegValues pending_;
    bool exists_ = false;
};

}  // namespace qb
