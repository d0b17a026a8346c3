#include "platform/audio/decode_file.h"

#include "platform/audio/decode_mp3.h"
#include "platform/audio/decode_wav.h"

#include <cstdio>
#include <new>

namespace qb {

bool decodeFile(const std::string& path, Pcm& out) {
    out = {};
    unsigned char head[12] = {};
    std::size_t n = 0;
    if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
        n = std::fread(head, 1, sizeof head, f);
        std::fclose(f);
    } else {
        return false;
    }
    if (n == 0) return false;
    try {
        const bool ok = looksLikeWav(head, n) ? decodeWav(path, out) : decodeMp3(path, out);
        if (!ok) out = {};
        return ok;
    } catch (const std::bad_alloc&) {
        out = {};
        return false;
    }
}

}  // namespace qb
