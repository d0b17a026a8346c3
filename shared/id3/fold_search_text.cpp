#include "shared/id3/fold_search_text.h"

#include "platform/core/text.h"
#include "shared/id3/title_info.h"

namespace qb {

namespace {
// Characters taken when the text has no " / ".
constexpr std::size_t kDefaultLength = 200;
}  // namespace

std::string FoldSearchText(std::string_view text) {
    // n is the 1-based position of the first " / ": the characters up to and
    // including its blank are folded.
    const std::size_t slash = text.find(" / ");
    const std::size_t n = slash == std::string_view::npos ? kDefaultLength : text::charCount(text.substr(0, slash)) + 1;

    std::string key;
    key.reserve(64);
    const std::string_view taken = text::leftChars(text, n);
    for (std::size_t i = 0; i < taken.size();) {
        const std::string_view ch = text::leftChars(taken.substr(i), 1);
        i += ch.size();
        if (ch.size() == 1) {
            char c = ch[0];
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
            if (c == '+' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z')) key += c;
        } else if (ch == "\xC3\x84" || ch == "\xC3\xA4") {
            key += "AE";
        } else if (ch == "\xC3\x96" || ch == "\xC3\xB6") {
            key += "OE";
        } else if (ch == "\xC3\x9C" || ch == "\xC3\xBC") {
            key += "UE";
        } else if (ch == "\xC3\x9F") {
            key += "SS";
        }
    }
    if (key.size() > kTitleInfoMaxBytes) key.resize(kTitleInfoMaxBytes);
    if (key.empty()) key = "  ";
    return key;
}

}  // namespace qb
