#include "platform/core/text.h"

#include <cstdio>
#include <fstream>

namespace qb::text {

namespace {
// Length of the UTF-8 character starting at s[i]; 1 for an invalid byte.
std::size_t charLen(std::string_view s, std::size_t i) {
    const auto c = static_cast<unsigned char>(s[i]);
    std::size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 1;
    if (n == 1 || i + n > s.size()) return 1;
    for (std::size_t k = 1; k < n; ++k)
        if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 1;
    return n;
}

// Decode one character; invalid bytes decode as themselves (Latin-1 reading).
char32_t decode(std::string_view s, std::size_t i, std::size_t n) {
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[i + k]); };
    switch (n) {
        case 2: return ((b(0) & 0x1F) << 6) | (b(1) & 0x3F);
        case 3: return ((b(0) & 0x0F) << 12) | ((b(1) & 0x3F) << 6) | (b(2) & 0x3F);
        case 4: return ((b(0) & 0x07) << 18) | ((b(1) & 0x3F) << 12) | ((b(2) & 0x3F) << 6) | (b(3) & 0x3F);
        default: return b(0);
    }
}

void encode(char32_t c, std::string& out) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}
}  // namespace

std::string_view cutUtf8(std::string_view s, std::size_t maxBytes) {
    if (s.size() <= maxBytes) return s;
    std::size_t i = 0;
    while (i < s.size()) {
        const std::size_t n = charLen(s, i);
        if (i + n > maxBytes) break;
        i += n;
    }
    return s.substr(0, i);
}

std::size_t charCount(std::string_view s) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < s.size(); i += charLen(s, i)) ++count;
    return count;
}

std::string_view leftChars(std::string_view s, std::size_t n) {
    std::size_t i = 0;
    for (std::size_t k = 0; k < n && i < s.size(); ++k) i += charLen(s, i);
    return s.substr(0, i);
}

std::vector<std::string_view> chars(std::string_view s) {
    std::vector<std::string_view> out;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = charLen(s, i);
        out.push_back(s.substr(i, n));
        i += n;
    }
    return out;
}

std::string latin1ToUtf8(std::string_view latin1) {
    std::string out;
    out.reserve(latin1.size());
    for (char ch : latin1) encode(static_cast<unsigned char>(ch), out);
    return out;
}

std::string utf8ToLatin1(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t n = charLen(utf8, i);
        const char32_t c = decode(utf8, i, n);
        out += c < 0x100 ? static_cast<char>(c) : '?';
        i += n;
    }
    return out;
}

std::string upperLatin(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t n = charLen(utf8, i);
        char32_t c = decode(utf8, i, n);
        if (n == 1 && c < 0x80) {
            if (c >= 'a' && c <= 'z') c -= 32;
            out += static_cast<char>(c);
        } else if (n == 1) {
            out += utf8[i];  // an invalid byte passes unchanged
        } else {
            if (c >= 0xE0 && c <= 0xFE && c != 0xF7) c -= 32;
            encode(c, out);
        }
        i += n;
    }
    return out;
}

bool lessNoCase(std::string_view a, std::string_view b) { return upperLatin(a) < upperLatin(b); }

std::vector<std::string> splitLines(std::string_view content) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < content.size(); ++i) {
        if (content[i] == '\r' || content[i] == '\n') {
            lines.emplace_back(content.substr(start, i - start));
            if (content[i] == '\r' && i + 1 < content.size() && content[i + 1] == '\n') ++i;
            start = i + 1;
        }
    }
    if (start < content.size()) lines.emplace_back(content.substr(start));
    return lines;
}

bool readFile(const std::string& path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool writeCrLfLines(const std::string& path, const std::vector<std::string>& lines) {
    std::ofstream outFile(path, std::ios::binary | std::ios::trunc);
    if (!outFile) return false;
    for (const auto& l : lines) outFile << l << "\r\n";
    outFile.close();
    return !outFile.fail();
}

bool appendCrLfLine(const std::string& path, std::string_view line) {
    std::ofstream outFile(path, std::ios::binary | std::ios::app);
    if (!outFile) return false;
    outFile << line << "\r\n";
    outFile.close();
    return !outFile.fail();
}

}  // namespace qb::text
