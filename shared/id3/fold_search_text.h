#pragma once
// FoldSearchText: the upper-case search key of a title line. Only the text up
// to the first " / " counts (the genre behind it never reaches the key); "+",
// digits and letters are kept, a..z become A..Z, umlauts become AE, OE, UE and
// "ß" SS, everything else is dropped. An empty key is two blanks, so that it
// never matches as an empty search text.

#include <string>
#include <string_view>

namespace qb {

std::string FoldSearchText(std::string_view text);

}  // namespace qb
