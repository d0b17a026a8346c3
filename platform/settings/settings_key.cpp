#include "platform/settings/settings_key.h"

#include <bit>
#include <cmath>
#include <limits>

#include "platform/settings/reg_format.h"

namespace qb {

static_assert(sizeof(double) == 8 && std::numeric_limits<double>::is_iec559);

SettingsKey::SettingsKey(SettingsStore& store, std::string key) : store_(store), key_(std::move(key)) {
    if (auto values = store_.readKey(key_)) {
        values_ = std::move(*values);
        exists_ = true;
    }
}

const RegValue* SettingsKey::find(const std::string& name, RegValue::Type type) const {
    const RegValue* v = reg::find(values_, name);
    return v && v->type == type ? v : nullptr;
}

bool SettingsKey::readInteger(const std::string& name, int& value) const {
    const RegValue* v = find(name, RegValue::Type::Dword);
    if (!v) return false;
    value = static_cast<int>(static_cast<std::int32_t>(v->dword));
    return true;
}

bool SettingsKey::readBool(const std::string& name, bool& value) const {
    const RegValue* v = find(name, RegValue::Type::Dword);
    if (!v) return false;
    value = v->dword != 0;
    return true;
}

bool SettingsKey::readString(const std::string& name, std::string& value) const {
    const RegValue* v = find(name, RegValue::Type::String);
    if (!v) return false;
    value = v->str;
    return true;
}

bool SettingsKey::readDateTime(const std::string& name, double& value) const {
    const RegValue* v = find(name, RegValue::Type::Binary);
    if (!v || v->bin.size() != 8) return false;
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) bits = (bits << 8) | v->bin[static_cast<std::size_t>(i)];
    const double d = std::bit_cast<double>(bits);
    if (!std::isfinite(d)) return false;
    value = d;
    return true;
}

bool SettingsKey::readBinary(const std::string& name, std::vector<std::uint8_t>& value) const {
    const RegValue* v = find(name, RegValue::Type::Binary);
    if (!v) return false;
    value = v->bin;
    return true;
}

std::vector<std::uint8_t> SettingsKey::dateTimeBytes(double value) {
    auto bits = std::bit_cast<std::uint64_t>(value);
    std::vector<std::uint8_t> out(8);
    for (auto& b : out) {
        b = static_cast<std::uint8_t>(bits & 0xff);
        bits >>= 8;
    }
    return out;
}

void SettingsKey::set(const std::string& name, RegValue value) {
    reg::merge(pending_, RegValues{{name, std::move(value)}});
}

void SettingsKey::setInteger(const std::string& name, int value) {
    set(name, RegValue::ofDword(static_cast<std::uint32_t>(value)));
}

void SettingsKey::setBool(const std::string& name, bool value) { set(name, RegValue::ofDword(value ? 1 : 0)); }

void SettingsKey::setString(const std::string& name, std::string value) {
    set(name, RegValue::ofString(std::move(value)));
}

void SettingsKey::setDateTime(const std::string& name, double value) {
    set(name, RegValue::ofBinary(dateTimeBytes(value)));
}

void SettingsKey::setBinary(const std::string& name, std::vector<std::uint8_t> value) {
    set(name, RegValue::ofBinary(std::move(value)));
}

bool SettingsKey::write() {
    if (pending_.empty()) return true;
    if (!store_.writeValues(key_, pending_)) return false;
    reg::merge(values_, pending_);
    pending_.clear();
    exists_ = true;
    return true;
}

}  // namespace qb
