#pragma once
// TitleInfo: the seven texts that describe a title, filled from its file name
// and its ID3 tag by ReadId3. Each is UTF-8 of at most 255 bytes, cut at a
// whole character.

#include <cstddef>
#include <string>

namespace qb {

inline constexpr std::size_t kTitleInfoMaxBytes = 255;

struct TitleInfo {
    std::string Titel;
    std::string Interpret;
    std::string Album;
    std::string Jahr;
    std::string Kommentar;
    std::string Track;  // decimal text; "1" when nothing is found
    std::string Genre;  // a name of Id3Genres; "Other" when nothing is found
};

}  // namespace qb
