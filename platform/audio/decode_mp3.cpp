#include "platform/audio/decode_mp3.h"

#include "platform/audio/pcm_builder.h"

#include <mpg123.h>

#include <memory>
#include <mutex>
#include <vector>

namespace qb {

namespace {

struct HandleCloser {
    void operator()(mpg123_handle* h) const {
        mpg123_close(h);
        mpg123_delete(h);
    }
};
using Handle = std::unique_ptr<mpg123_handle, HandleCloser>;

void initOnce() {
    static std::once_flag once;
    std::call_once(once, [] { mpg123_init(); });
}

}  // namespace

bool decodeMp3(const std::string& path, Pcm& out) {
    initOnce();
    int err = MPG123_OK;
    Handle h(mpg123_new(nullptr, &err));
    if (!h) return false;
    mpg123_param(h.get(), MPG123_ADD_FLAGS, MPG123_GAPLESS | MPG123_FORCE_STEREO | MPG123_QUIET, 0);
    // A damaged stretch of any length is skipped to the next good frame.
    mpg123_param(h.get(), MPG123_RESYNC_LIMIT, -1, 0);
    mpg123_format_none(h.get());
    const long* rates = nullptr;
    std::size_t rateCount = 0;
    mpg123_rates(&rates, &rateCount);
    for (std::size_t i = 0; i < rateCount; ++i) mpg123_format(h.get(), rates[i], MPG123_STEREO, MPG123_ENC_SIGNED_16);

    if (mpg123_open(h.get(), path.c_str()) != MPG123_OK) return false;
    if (mpg123_scan(h.get()) != MPG123_OK) return false;
    long rate = 0;
    int channels = 0, encoding = 0;
    if (mpg123_getformat(h.get(), &rate, &channels, &encoding) != MPG123_OK) return false;
    if (channels != 2 || encoding != MPG123_ENC_SIGNED_16) return false;
    const off_t length = mpg123_length(h.get());

    PcmBuilder builder(static_cast<int>(rate), length > 0 ? length : 0);
    if (!builder.ok()) return false;
    std::vector<std::int16_t> buf(2 * 8192);
    for (;;) {
        std::size_t done = 0;
        const int r = mpg123_read(h.get(), buf.data(), buf.size() * sizeof(std::int16_t), &done);
        builder.addS16(buf.data(), static_cast<std::int64_t>(done / 4));
        if (!builder.ok()) return false;
        if (r == MPG123_OK) continue;
        if (r == MPG123_NEW_FORMAT) {
            // A change of rate within one file is not followed: the sound
            // ends where the first format ends.
            long r2 = 0;
            int c2 = 0, e2 = 0;
            mpg123_getformat(h.get(), &r2, &c2, &e2);
            if (r2 == rate && c2 == channels && e2 == encoding) continue;
        }
        break;  // MPG123_DONE, or an error: keep what decoded
    }
    out = builder.finish();
    return out.frames() > 0;
}

}  // namespace qb
