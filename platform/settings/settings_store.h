#pragma once
// The current user's settings keys (what the programs know as the registry).
//
// A key is a path such as "Software\\Quillbrook\\Orvelia". Values are typed:
// integer (dword), string, binary. A reader takes a value only when it has
// the expected type. A writer changes only the values it names, so several
// programs sharing one key never lose each other's values.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace qb {

struct RegValue {
    enum class Type { Dword, String, Binary };
    Type type = Type::Dword;
    std::uint32_t dword = 0;
    std::string str;
    std::vector<std::uint8_t> bin;

    static RegValue ofDword(std::uint32_t v) { RegValue r; r.type = Type::Dword; r.dword = v; return r; }
    static RegValue ofString(std::string s) { RegValue r; r.type = Type::String; r.str = std::move(s); return r; }
    static RegValue ofBinary(std::vector<std::uint8_t> b) { RegValue r; r.type = Type::Binary; r.bin = std::move(b); return r; }
    bool operator==(const RegValue&) const = default;
};

using RegValues = std::map<std::string, RegValue>;

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // All values of a key; nullopt when the key does not exist.
    virtual std::optional<RegValues> readKey(const std::string& key) = 0;
    // Create the key if missing and set the given values, keeping every other
    // value of the key. False when it could not be written.
    virtual bool writeValues(const std::string& key, const RegValues& values) = 0;
};

}  // namespace qb
