#include "platform/controls/keys.h"

#include <cctype>

namespace qb {

namespace {

struct KeyName {
    const char* name;
    int key;
};

// The first name of a key is its canonical text.
const KeyName kNames[] = {
    {"BkSp", key::Back},     {"Backspace", key::Back}, {"Tab", key::Tab},
    {"Enter", key::Return},  {"Return", key::Return},  {"Esc", key::Escape},
    {"Escape", key::Escape}, {"Space", key::Space},    {"PgUp", key::PageUp},
    {"PgDn", key::PageDown}, {"End", key::End},        {"Home", key::Home},
    {"Left", key::Left},     {"Up", key::Up},          {"Right", key::Right},
    {"Down", key::Down},     {"Ins", key::Insert},     {"Insert", key::Insert},
    {"Del", key::Delete},    {"Delete", key::Delete},  {"Pause", key::Pause},
    {"Num +", key::NumPlus}, {"Num -", key::NumMinus},
};

bool sameNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

int keyOfName(std::string_view n) {
    if (n.size() == 1) {
        const unsigned char c = static_cast<unsigned char>(n[0]);
        if (std::isalpha(c)) return std::toupper(c);
        if (std::isdigit(c)) return c;
        return 0;
    }
    if ((n[0] == 'F' || n[0] == 'f') && n.size() <= 3) {
        int v = 0;
        for (std::size_t i = 1; i < n.size(); ++i) {
            if (!std::isdigit(static_cast<unsigned char>(n[i]))) return 0;
            v = v * 10 + (n[i] - '0');
        }
        return v >= 1 && v <= 12 ? key::F1 + v - 1 : 0;
    }
    for (const auto& kn : kNames)
        if (sameNoCase(n, kn.name)) return kn.key;
    return 0;
}

}  // namespace

ShortCut parseShortCut(std::string_view text) {
    ShortCut sc;
    ShiftState shift = 0;
    // Modifiers are "Name+" prefixes; the rest is the key name (which may itself
    // contain "+", as in "Num +").
    for (;;) {
        const auto plus = text.find('+');
        if (plus == std::string_view::npos || plus == 0) break;
        const std::string_view mod = text.substr(0, plus);
        if (sameNoCase(mod, "Ctrl")) shift |= ssCtrl;
        else if (sameNoCase(mod, "Shift")) shift |= ssShift;
        else if (sameNoCase(mod, "Alt")) shift |= ssAlt;
        else break;
        text.remove_prefix(plus + 1);
    }
    if (text.empty()) return sc;
    const int k = keyOfName(text);
    if (k == 0) return sc;
    sc.key = k;
    sc.shift = shift;
    return sc;
}

std::string shortCutText(ShortCut sc) {
    if (sc.empty()) return {};
    std::string s;
    if (sc.shift & ssShift) s += "Shift+";
    if (sc.shift & ssCtrl) s += "Ctrl+";
    if (sc.shift & ssAlt) s += "Alt+";
    if ((sc.key >= 'A' && sc.key <= 'Z') || (sc.key >= '0' && sc.key <= '9')) {
        s += static_cast<char>(sc.key);
    } else if (sc.key >= key::F1 && sc.key <= key::F12) {
        s += "F" + std::to_string(sc.key - key::F1 + 1);
    } else {
        for (const auto& kn : kNames)
            if (kn.key == sc.key) {
                s += kn.name;
                return s;
            }
        return {};
    }
    return s;
}

int acceleratorKey(std::string_view caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        const unsigned char c = static_cast<unsigned char>(caption[i + 1]);
        if (std::isalnum(c)) return std::toupper(c);
        return 0;  // a non-ASCII character: no key code of its own
    }
    return 0;
}

std::string stripAccelerator(std::string_view caption) {
    std::string out;
    out.reserve(caption.size());
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&') {
                out += '&';
                ++i;
            }
            continue;
        }
        out += caption[i];
    }
    return out;
}

}  // namespace qb
