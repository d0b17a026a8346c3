#include "platform/settings/reg_format.h"

#include <cstdio>
#include <optional>

namespace qb::reg {

namespace {

constexpr std::string_view kHivePrefix = "HKEY_CURRENT_USER\\";

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool startsWithNoCase(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && sameName(s.substr(0, prefix.size()), prefix);
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && (isBlank(s.back()) || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = lowerAscii(c);
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// A quoted text at the start of s (s[0] == '"'); on success s is left just
// after the closing quote.
std::optional<std::string> takeQuoted(std::string_view& s) {
    std::string out;
    std::size_t i = 1;
    while (i < s.size()) {
        const char c = s[i];
        if (c == '"') {
            s.remove_prefix(i + 1);
            return out;
        }
        if (c == '\\' && i + 1 < s.size()) {
            const char n = s[i + 1];
            switch (n) {
                case '\\': out += '\\'; break;
                case '"': out += '"'; break;
                case 'n': out += '\n'; break;
                case 'r': out += '\r'; break;
                default: out += '\\'; out += n; break;
            }
            i += 2;
            continue;
        }
        out += c;
        ++i;
    }
    return std::nullopt;  // no closing quote
}

std::optional<RegValue> parseDword(std::string_view s) {
    s = trim(s);
    if (s.size() != 8) return std::nullopt;  // always written with 8 digits
    std::uint32_t v = 0;
    for (char c : s) {
        const int d = hexDigit(c);
        if (d < 0) return std::nullopt;
        v = (v << 4) | static_cast<std::uint32_t>(d);
    }
    return RegValue::ofDword(v);
}

std::optional<RegValue> parseHex(std::string_view s) {
    std::vector<std::uint8_t> bytes;
    s = trim(s);
    while (!s.empty()) {
        const std::size_t comma = s.find(',');
        const std::string_view item = trim(s.substr(0, comma));
        if (item.empty() || item.size() > 2) {
            // A trailing comma is tolerated; an empty item elsewhere is not.
            if (item.empty() && comma == std::string_view::npos) break;
            return std::nullopt;
        }
        int v = 0;
        for (char c : item) {
            const int d = hexDigit(c);
            if (d < 0) return std::nullopt;
            v = v * 16 + d;
        }
        bytes.push_back(static_cast<std::uint8_t>(v));
        if (comma == std::string_view::npos) break;
        s.remove_prefix(comma + 1);
    }
    return RegValue::ofBinary(std::move(bytes));
}

// One value line: "Name"=data or @=data.
bool parseValue(std::string_view line, std::string& name, std::optional<RegValue>& value) {
    if (line.front() == '@') {
        name.clear();
        line.remove_prefix(1);
    } else {
        auto n = takeQuoted(line);
        if (!n) return false;
        name = std::move(*n);
    }
    line = trim(line);
    if (line.empty() || line.front() != '=') return false;
    line = trim(line.substr(1));
    if (line.empty()) return false;
    if (line.front() == '"') {
        auto str = takeQuoted(line);
        if (!str || !trim(line).empty()) return false;
        value = RegValue::ofString(std::move(*str));
    } else if (startsWithNoCase(line, "dword:")) {
        value = parseDword(line.substr(6));
    } else if (startsWithNoCase(line, "hex:")) {
        value = parseHex(line.substr(4));
    } else {
        return false;  // deletion ("-") or a type this system does not use
    }
    return value.has_value();
}

// Physical lines joined where a hex list continues after a trailing backslash.
std::vector<std::string> logicalLines(std::string_view text) {
    std::vector<std::string> lines;
    bool continues = false;
    while (!text.empty()) {
        const std::size_t nl = text.find('\n');
        std::string_view line = text.substr(0, nl);
        text = nl == std::string_view::npos ? std::string_view{} : text.substr(nl + 1);
        line = trim(line);
        const bool next = !line.empty() && line.back() == '\\' && line.front() != '[';
        if (next) line.remove_suffix(1);
        if (continues && !lines.empty()) {
            lines.back().append(line);
        } else {
            lines.emplace_back(line);
        }
        continues = next;
    }
    return lines;
}

void appendQuoted(std::string& out, std::string_view s) {
    out += '"';
    for (char c : s) {
        switch (c) {
            case '\\': out += "\\\\"; break;
            case '"': out += "\\\""; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            default: out += c; break;
        }
    }
    out += '"';
}

}  // namespace

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    }
    return true;
}

void merge(RegValues& target, const RegValues& values) {
    for (const auto& [name, value] : values) {
        for (auto it = target.begin(); it != target.end();) {
            if (it->first != name && sameName(it->first, name)) {
                it = target.erase(it);
            } else {
                ++it;
            }
        }
        target[name] = value;
    }
}

const RegValue* find(const RegValues& values, std::string_view name) {
    if (auto it = values.find(std::string(name)); it != values.end()) return &it->second;
    for (const auto& [n, v] : values) {
        if (sameName(n, name)) return &v;
    }
    return nullptr;
}

std::vector<Section> parse(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    std::vector<Section> sections;
    Section* current = nullptr;
    for (const std::string& line : logicalLines(text)) {
        if (line.empty()) continue;
        if (line.front() == '[') {
            current = nullptr;
            if (line.size() < 2 || line.back() != ']') continue;
            std::string_view key = std::string_view(line).substr(1, line.size() - 2);
            if (!key.empty() && key.front() == '-') continue;  // a deleted key
            if (startsWithNoCase(key, kHivePrefix)) key.remove_prefix(kHivePrefix.size());
            for (auto& s : sections) {
                if (sameName(s.key, key)) current = &s;
            }
            if (!current) {
                sections.push_back(Section{std::string(key), {}});
                current = &sections.back();
            }
            continue;
        }
        if (!current || (line.front() != '"' && line.front() != '@')) continue;
        std::string name;
        std::optional<RegValue> value;
        if (parseValue(line, name, value)) merge(current->values, RegValues{{name, std::move(*value)}});
    }
    return sections;
}

std::string format(const std::vector<Section>& sections) {
    std::string out = "REGEDIT4\n";
    for (const Section& s : sections) {
        out += "\n[";
        out += kHivePrefix;
        out += s.key;
        out += "]\n";
        for (const auto& [name, v] : s.values) {
            if (name.empty()) {
                out += '@';
            } else {
                appendQuoted(out, name);
            }
            out += '=';
            switch (v.type) {
                case RegValue::Type::Dword: {
                    char buf[16];
                    std::snprintf(buf, sizeof buf, "dword:%08x", static_cast<unsigned>(v.dword));
                    out += buf;
                    break;
                }
                case RegValue::Type::String:
                    appendQuoted(out, v.str);
                    break;
                case RegValue::Type::Binary: {
                    out += "hex:";
                    static constexpr char kDigits[] = "0123456789abcdef";
                    for (std::size_t i = 0; i < v.bin.size(); ++i) {
                        if (i) out += ',';
                        out += kDigits[v.bin[i] >> 4];
                        out += kDigits[v.bin[i] & 0x0f];
                    }
                    break;
                }
            }
            out += '\n';
        }
    }
    return out;
}

}  // namespace qb::reg
