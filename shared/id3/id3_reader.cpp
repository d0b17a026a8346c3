#include "shared/id3/id3_reader.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/core/text.h"
#include "shared/id3/id3_genres.h"

namespace qb {

namespace {

constexpr std::string_view kOther = Id3Genres[12];

// ID3v2 frame walk bounds, as positions counted from byte 10 of the file.
constexpr std::size_t kV2HeaderSize = 10;
constexpr std::size_t kLastFrameStart = 240;
constexpr std::size_t kTextEnd = 244;

// The read buffer of the file layer (unit-wide, so no allocation per call).
std::array<std::uint8_t, kId3HeadBytes> g_head;

void setLatin1(std::string& field, const std::uint8_t* bytes, std::size_t n) {
    const std::string utf8 = text::latin1ToUtf8({reinterpret_cast<const char*>(bytes), n});
    field.assign(text::cutUtf8(utf8, kTitleInfoMaxBytes));
}

// Bytes of a fixed ID3v1 field up to its first zero byte.
std::size_t zeroTerminated(const std::uint8_t* field, std::size_t size) {
    return static_cast<std::size_t>(std::find(field, field + size, 0) - field);
}

void readId3v1(const std::uint8_t* tag, TitleInfo& info) {
    if (tag[3] != 0) setLatin1(info.Titel, tag + 3, zeroTerminated(tag + 3, 30));
    if (tag[33] != 0) setLatin1(info.Interpret, tag + 33, zeroTerminated(tag + 33, 30));
    setLatin1(info.Album, tag + 63, zeroTerminated(tag + 63, 30));
    setLatin1(info.Jahr, tag + 93, zeroTerminated(tag + 93, 4));
    setLatin1(info.Kommentar, tag + 97, zeroTerminated(tag + 97, 28));
    if (tag[125] == 0 && tag[126] != 0) info.Track = std::to_string(tag[126]);
    if (tag[127] < Id3Genres.size()) info.Genre = Id3Genres[tag[127]];
}

std::string* v2Field(const std::uint8_t* id, TitleInfo& info) {
    struct Frame { const char* id; std::string TitleInfo::*field; };
    static constexpr Frame kFrames[] = {
        {"TPE1", &TitleInfo::Interpret}, {"TPE2", &TitleInfo::Interpret}, {"TIT2", &TitleInfo::Titel},
        {"TALB", &TitleInfo::Album},     {"TYER", &TitleInfo::Jahr},      {"COMM", &TitleInfo::Kommentar},
        {"TRCK", &TitleInfo::Track},
    };
    for (const Frame& f : kFrames)
        if (std::memcmp(id, f.id, 4) == 0) return &(info.*f.field);
    return nullptr;
}

void readId3v2(const std::uint8_t* head, std::size_t headSize, TitleInfo& info) {
    // Byte p of the frame area; bytes the file does not have are zero.
    const auto at = [&](std::size_t p) -> std::uint8_t {
        const std::size_t i = kV2HeaderSize + p;
        return i < headSize ? head[i] : 0;
    };
    std::uint8_t id[4];
    std::uint8_t textBytes[kTextEnd];
    std::size_t pos = 0;
    while (pos <= kLastFrameStart) {
        for (int i = 0; i < 4; ++i) id[i] = at(pos + i);
        const unsigned size = at(pos + 7);  // only the lowest size byte counts
        pos += 8;
        while (pos < kLastFrameStart && at(pos) == 0) ++pos;
        std::size_t len = 0;
        for (unsigned k = 0; k + 1 < size && pos < kTextEnd; ++k, ++pos) {
            const std::uint8_t b = at(pos);
            if (k == 3 && b == 0)
                len = 0;  // the language code of a comment with an empty description
            else if (b >= 32)
                textBytes[len++] = b;
        }
        while (pos < kTextEnd && at(pos) == 0) ++pos;
        if (len > 0) {
            if (std::string* field = v2Field(id, info)) setLatin1(*field, textBytes, len);
        }
    }
}

// Blanks every character among the first n that is not a digit "0".."9"; the
// number of characters stays the same.
void blankNonDigits(std::string& s, std::size_t n) {
    char out[8];
    std::size_t outLen = 0, i = 0;
    for (std::size_t c = 0; c < n && i < s.size(); ++c) {
        const std::size_t len = text::leftChars(std::string_view(s).substr(i), 1).size();
        out[outLen++] = (len == 1 && s[i] >= '0' && s[i] <= '9') ? s[i] : ' ';
        i += len;
    }
    s.replace(0, i, out, outLen);
}

bool hasMp3Extension(std::string_view fileName) {
    const std::size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos || fileName.size() - dot != 4) return false;
    const std::string_view ext = fileName.substr(dot + 1);
    return (ext[0] | 0x20) == 'm' && (ext[1] | 0x20) == 'p' && ext[2] == '3';
}

std::string_view fileNameOf(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

bool readFully(int fd, std::uint8_t* buf, std::size_t n, off_t offset, std::size_t& got) {
    got = 0;
    while (got < n) {
        const ssize_t r = ::pread(fd, buf + got, n - got, offset + static_cast<off_t>(got));
        if (r < 0 && errno == EINTR) continue;
        if (r < 0) return false;
        if (r == 0) break;
        got += static_cast<std::size_t>(r);
    }
    return true;
}

}  // namespace

void titleInfoFromFileName(std::string_view fileName, TitleInfo& info) {
    info.Titel.clear();
    info.Interpret.clear();
    info.Album.clear();
    info.Jahr.clear();
    info.Kommentar.clear();
    info.Track.clear();
    info.Genre.clear();

    std::string_view name = text::cutUtf8(fileName, kTitleInfoMaxBytes);
    const std::size_t chars = text::charCount(name);
    name = text::leftChars(name, chars >= 4 ? chars - 4 : 0);
    const std::string_view firstThree = text::leftChars(name, 3);
    if (text::charCount(firstThree) == 3 && firstThree.back() == '_')
        name = text::leftChars(name.substr(firstThree.size()), 250);

    std::string spaced(name);
    std::replace(spaced.begin(), spaced.end(), '_', ' ');
    const std::size_t p = spaced.find(" - ");
    if (p == std::string::npos) {
        info.Titel = spaced;
    } else {
        info.Interpret.assign(spaced, 0, p);
        info.Titel.assign(text::leftChars(std::string_view(spaced).substr(p + 3), 250));
    }
    info.Track = "1";
    info.Genre = kOther;
}

void readId3Tags(const std::uint8_t* head, std::size_t headSize, const std::uint8_t* tail, TitleInfo& info) {
    if (tail) {
        if (std::memcmp(tail, "TAG", 3) == 0)
            readId3v1(tail, info);
        else if (headSize >= 3 && std::memcmp(head, "ID3", 3) == 0)
            readId3v2(head, std::min(headSize, kId3HeadBytes), info);
    }
    blankNonDigits(info.Jahr, 4);
    blankNonDigits(info.Track, 2);
}

void ReadId3(const std::string& path, TitleInfo& info) {
    const std::string_view fileName = fileNameOf(path);
    titleInfoFromFileName(fileName, info);
    if (!hasMp3Extension(fileName)) return;

    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return;
    struct stat st {};
    std::size_t headSize = 0, tailSize = 0;
    std::uint8_t tail[kId3TailBytes] = {};
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    ok = ok && readFully(fd, g_head.data(), g_head.size(), 0, headSize);
    const auto fileSize = static_cast<std::uint64_t>(st.st_size);
    if (ok && fileSize >= kId3TailBytes)
        ok = readFully(fd, tail, kId3TailBytes, static_cast<off_t>(fileSize - kId3TailBytes), tailSize);
    ::close(fd);
    if (!ok) return;
    readId3Tags(g_head.data(), headSize, tailSize == kId3TailBytes ? tail : nullptr, info);
}

TitleInfo ReadId3(const std::string& path) {
    TitleInfo info;
    ReadId3(path, info);
    return info;
}

}  // namespace qb
