#pragma once
// Small tag fixtures: ID3v1 tags, ID3v2 frames and files made of them.

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace qb::id3test {

using Bytes = std::vector<std::uint8_t>;

inline Bytes bytes(const std::string& s) { return Bytes(s.begin(), s.end()); }

inline Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct V1 {
    std::string title{}, artist{}, album{}, year{}, comment{};  // comment: up to 30 bytes
    std::uint8_t byte125 = 0, track = 0, genre = 255;
};

// A 128-byte ID3v1 tag; fields are zero-padded.
inline Bytes v1Tag(const V1& t) {
    Bytes b(128, 0);
    const auto put = [&](std::size_t at, const std::string& s, std::size_t max) {
        for (std::size_t i = 0; i < s.size() && i < max; ++i) b[at + i] = static_cast<std::uint8_t>(s[i]);
    };
    put(0, "TAG", 3);
    put(3, t.title, 30);
    put(33, t.artist, 30);
    put(63, t.album, 30);
    put(93, t.year, 4);
    put(97, t.comment, 30);
    b[125] = t.byte125;
    b[126] = t.track;
    b[127] = t.genre;
    return b;
}

// A frame with the given four size bytes, flags 00 00 and the raw content
// (which begins with the encoding byte).
inline Bytes frameSized(const std::string& id, Bytes size4, const Bytes& content) {
    return bytes(id) + size4 + Bytes{0, 0} + content;
}

// A text frame of encoding 0 with a correct size.
inline Bytes frame(const std::string& id, const std::string& text) {
    const auto n = static_cast<std::uint8_t>(text.size() + 1);
    return frameSized(id, {0, 0, 0, n}, Bytes{0} + bytes(text));
}

// "ID3" header (version 3, no flags, size not read by the reader) + frames.
inline Bytes v2Tag(const Bytes& frames) { return Bytes{'I', 'D', '3', 3, 0, 0, 0, 0, 0x10, 0} + frames; }

// Some audio-like bytes so that tags sit apart as in a real file.
inline Bytes audio(std::size_t n) {
    Bytes b(n);
    for (std::size_t i = 0; i < n; ++i) b[i] = static_cast<std::uint8_t>(0xFF - i % 7);
    return b;
}

inline void writeFile(const std::string& path, const Bytes& b) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

}  // namespace qb::id3test
