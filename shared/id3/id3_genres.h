#pragma once
// Id3Genres: the genre names indexed by the ID3v1 genre byte (0..127). Entries
// 0..125 are the published list with its common extension; entry 82 is
// "Schlager"; 126 and 127 are "Unknown".

#include <array>
#include <string_view>

namespace qb {

inline constexpr std::array<std::string_view, 128> Id3Genres = {
    "Blues", "Classic Rock", "Country", "Dance", "Disco", "Funk", "Grunge", "Hip-Hop",                   // 0
    "Jazz", "Metal", "New Age", "Oldies", "Other", "Pop", "R&B", "Rap",                                  // 8
    "Reggae", "Rock", "Techno", "Industrial", "Alternative", "Ska", "Death Metal", "Pranks",              // 16
    "Soundtrack", "Euro-Techno", "Ambient", "Trip-Hop", "Vocal", "Jazz+Funk", "Fusion", "Trance",        // 24
    "Classical", "Instrumental", "Acid", "House", "Game", "Sound Clip", "Gospel", "Noise",               // 32
    "AlternRock", "Bass", "Soul", "Punk", "Space", "Meditative", "Instrumental Pop", "Instrumental Rock", // 40
    "Ethnic", "Gothic", "Darkwave", "Techno-Industrial", "Electronic", "Pop-Folk", "Eurodance", "Dream",  // 48
    "Southern Rock", "Comedy", "Cult", "Gangsta", "Top 40", "Christian Rap", "Pop/Funk", "Jungle",       // 56
    "Native American", "Cabaret", "New Wave", "Psychadelic", "Rave", "Showtunes", "Trailer", "Lo-Fi",    // 64
    "Tribal", "Acid Punk", "Acid Jazz", "Polka", "Retro", "Musical", "Rock & Roll", "Hard Rock",         // 72
    "Folk", "Folk-Rock", "Schlager", "Swing", "Fast Fusion", "Bebob", "Latin", "Revival",                // 80
    "Celtic", "Bluegrass", "Avantgarde", "Gothic Rock", "Progressive Rock", "Psychedelic Rock",          // 88
    "Symphonic Rock", "Slow Rock",                                                                       // 94
    "Big Band", "Chorus", "Easy Listening", "Acoustic", "Humour", "Speech", "Chanson", "Opera",          // 96
    "Chamber Music", "Sonata", "Symphony", "Booty Bass", "Primus", "Porn Groove", "Satire", "Slow Jam",  // 104
    "Club", "Tango", "Samba", "Folklore", "Ballad", "Power Ballad", "Rhythmic Soul", "Freestyle",        // 112
    "Duet", "Punk Rock", "Drum Solo", "Acapella", "Euro-House", "Dance Hall", "Unknown", "Unknown",      // 120
};

}  // namespace qb
