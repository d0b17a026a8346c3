#include "platform/audio/decode_wav.h"

#include "platform/audio/pcm_builder.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace qb {

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

std::uint32_t le32(const unsigned char* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::uint16_t le16(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

struct Format {
    int tag = 0;  // 1 integer PCM, 3 float
    int channels = 0;
    int rate = 0;
    int bits = 0;
    int containerBytes = 0;  // bytes of one sample as stored
};

bool parseFmt(const unsigned char* p, std::uint32_t size, Format& f) {
    if (size < 16) return false;
    f.tag = le16(p);
    f.channels = le16(p + 2);
    f.rate = static_cast<int>(std::min<std::uint32_t>(le32(p + 4), 0x7fffffff));
    f.bits = le16(p + 14);
    if (f.tag == 0xFFFE) {  // extensible: the real tag leads the sub-format
        if (size < 40) return false;
        f.tag = le16(p + 24);
    }
    f.containerBytes = (f.bits + 7) / 8;
    if (f.channels < 1 || f.rate < 1000 || f.rate > 768000) return false;
    if (f.tag == 1) return f.bits >= 1 && f.bits <= 32;
    if (f.tag == 3) return f.bits == 32;
    return false;
}

float sampleAt(const unsigned char* p, const Format& f) {
    if (f.tag == 3) {
        float v;
        std::uint32_t bitsOf = le32(p);
        std::memcpy(&v, &bitsOf, 4);
        return std::isfinite(v) ? v : 0.0f;
    }
    switch (f.containerBytes) {
        case 1: return (static_cast<int>(p[0]) - 128) / 128.0f;
        case 2: return static_cast<std::int16_t>(le16(p)) / 32768.0f;
        case 3: {
            std::int32_t v = static_cast<std::int32_t>((p[0] << 8) | (p[1] << 16) | (static_cast<std::uint32_t>(p[2]) << 24)) >> 8;
            return static_cast<float>(v / 8388608.0);
        }
        default: return static_cast<float>(static_cast<std::int32_t>(le32(p)) / 2147483648.0);
    }
}

}  // namespace

bool looksLikeWav(const unsigned char* head, std::size_t n) {
    return n >= 12 && std::memcmp(head, "RIFF", 4) == 0 && std::memcmp(head + 8, "WAVE", 4) == 0;
}

bool decodeWav(const std::string& path, Pcm& out) {
    File file(std::fopen(path.c_str(), "rb"));
    if (!file) return false;
    std::FILE* f = file.get();
    if (fseeko(f, 0, SEEK_END) != 0) return false;
    const off_t fileSize = ftello(f);
    if (fileSize < 12 || fseeko(f, 0, SEEK_SET) != 0) return false;
    unsigned char head[12];
    if (std::fread(head, 1, 12, f) != 12 || !looksLikeWav(head, 12)) return false;

    // Walk the chunks; the RIFF size itself is ignored.
    Format fmt;
    bool haveFmt = false;
    off_t dataStart = -1;
    off_t dataBytes = 0;
    off_t at = 12;
    while (at + 8 <= fileSize) {
        unsigned char ch[8];
        if (fseeko(f, at, SEEK_SET) != 0 || std::fread(ch, 1, 8, f) != 8) break;
        const std::uint32_t size = le32(ch + 4);
        const off_t body = at + 8;
        const off_t left = fileSize - body;
        if (std::memcmp(ch, "fmt ", 4) == 0 && !haveFmt) {
            unsigned char buf[40] = {};
            const std::size_t want = std::min<std::size_t>(size, sizeof buf);
            if (static_cast<off_t>(want) > left || std::fread(buf, 1, want, f) != want) return false;
            if (!parseFmt(buf, size, fmt)) return false;
            haveFmt = true;
        } else if (std::memcmp(ch, "data", 4) == 0 && dataStart < 0) {
            dataStart = body;
            dataBytes = (size == 0 || size == 0xFFFFFFFFu) ? left : std::min<off_t>(size, left);
        }
        if (haveFmt && dataStart >= 0) break;
        at = body + static_cast<off_t>(size) + (size & 1);
    }
    if (!haveFmt || dataStart < 0) return false;

    const int frameBytes = fmt.containerBytes * fmt.channels;
    const off_t frames = dataBytes / frameBytes;
    if (frames <= 0) return false;
    PcmBuilder builder(fmt.rate, frames);
    if (!builder.ok() || fseeko(f, dataStart, SEEK_SET) != 0) return false;

    constexpr off_t kChunkFrames = 8192;
    std::vector<unsigned char> raw(static_cast<std::size_t>(kChunkFrames * frameBytes));
    std::vector<float> stereo(static_cast<std::size_t>(kChunkFrames) * 2);
    off_t done = 0;
    while (done < frames && builder.ok()) {
        const off_t want = std::min(kChunkFrames, frames - done);
        const std::size_t got = std::fread(raw.data(), static_cast<std::size_t>(frameBytes), static_cast<std::size_t>(want), f);
        for (std::size_t i = 0; i < got; ++i) {
            const unsigned char* p = raw.data() + i * static_cast<std::size_t>(frameBytes);
            const float l = sampleAt(p, fmt);
            const float r = fmt.channels > 1 ? sampleAt(p + fmt.containerBytes, fmt) : l;
            stereo[2 * i] = l;
            stereo[2 * i + 1] = r;
        }
        builder.addFloat(stereo.data(), static_cast<std::int64_t>(got));
        done += static_cast<off_t>(got);
        if (got < static_cast<std::size_t>(want)) break;  // the file shrank under us
    }
    out = builder.finish();
    return out.frames() > 0;
}

}  // namespace qb
