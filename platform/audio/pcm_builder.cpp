#include "platform/audio/pcm_builder.h"

#include <samplerate.h>

#include <algorithm>
#include <cmath>

namespace qb {

namespace {
constexpr long kChunk = 16384;  // source frames handed to the resampler at once
}

struct PcmBuilder::Resampler {
    SRC_STATE* state = nullptr;
    double ratio = 1.0;
    std::vector<float> out;
    ~Resampler() {
        if (state) src_delete(state);
    }
};

std::int16_t floatToS16(float x) {
    const float v = std::nearbyint(x * 32768.0f);
    if (!(v > -32768.0f)) return -32768;  // also NaN
    if (v > 32767.0f) return 32767;
    return static_cast<std::int16_t>(v);
}

PcmBuilder::PcmBuilder(int sourceRate, std::int64_t expectedFrames) : rate_(sourceRate) {
    if (sourceRate <= 0) {
        ok_ = false;
        return;
    }
    if (sourceRate != kEngineRate) {
        src_ = std::make_unique<Resampler>();
        int err = 0;
        src_->state = src_new(SRC_SINC_MEDIUM_QUALITY, 2, &err);
        src_->ratio = static_cast<double>(kEngineRate) / sourceRate;
        if (!src_->state || src_is_valid_ratio(src_->ratio) == 0) {
            ok_ = false;
            return;
        }
        src_->out.resize(static_cast<std::size_t>(std::ceil(kChunk * src_->ratio) + 64) * 2);
    }
    if (expectedFrames > 0) {
        const double outFrames = static_cast<double>(expectedFrames) * kEngineRate / sourceRate;
        if (outFrames > static_cast<double>(kMaxFrames)) {
            ok_ = false;
            return;
        }
        reserveOut(static_cast<std::int64_t>(outFrames) + 1);
    }
}

PcmBuilder::~PcmBuilder() = default;

bool PcmBuilder::reserveOut(std::int64_t frames) {
    try {
        out_.samples.reserve(static_cast<std::size_t>(frames) * 2);
    } catch (const std::bad_alloc&) {
        ok_ = false;
    }
    return ok_;
}

void PcmBuilder::push(const float* stereo, std::int64_t frames) {
    if (out_.frames() + frames > kMaxFrames) {
        ok_ = false;
        out_.samples = {};
        return;
    }
    try {
        const std::size_t at = out_.samples.size();
        out_.samples.resize(at + static_cast<std::size_t>(frames) * 2);
        std::int16_t* dst = out_.samples.data() + at;
        for (std::int64_t i = 0; i < frames * 2; ++i) dst[i] = floatToS16(stereo[i]);
    } catch (const std::bad_alloc&) {
        ok_ = false;
        out_.samples = {};
    }
}

void PcmBuilder::resample(const float* in, long frames, bool last) {
    SRC_DATA d{};
    d.data_in = in;
    d.input_frames = frames;
    d.src_ratio = src_->ratio;
    d.end_of_input = last ? 1 : 0;
    for (;;) {
        d.data_out = src_->out.data();
        d.output_frames = static_cast<long>(src_->out.size() / 2);
        if (src_process(src_->state, &d) != 0) {
            ok_ = false;
            return;
        }
        push(src_->out.data(), d.output_frames_gen);
        if (!ok_) return;
        d.data_in += d.input_frames_used * 2;
        d.input_frames -= d.input_frames_used;
        // Done when all input is taken and, at the end, nothing more comes out.
        if (d.input_frames == 0 && (!last || d.output_frames_gen == 0)) return;
    }
}

void PcmBuilder::addFloat(const float* stereo, std::int64_t frames) {
    if (!ok_ || frames <= 0) return;
    sourceFrames_ += frames;
    if (!src_) {
        push(stereo, frames);
        return;
    }
    while (frames > 0 && ok_) {
        const long n = static_cast<long>(std::min<std::int64_t>(frames, kChunk));
        resample(stereo, n, false);
        stereo += n * 2;
        frames -= n;
    }
}

void PcmBuilder::addS16(const std::int16_t* stereo, std::int64_t frames) {
    if (!ok_ || frames <= 0) return;
    if (!src_) {
        if (out_.frames() + frames > kMaxFrames) {
            ok_ = false;
            out_.samples = {};
            return;
        }
        sourceFrames_ += frames;
        try {
            out_.samples.insert(out_.samples.end(), stereo, stereo + frames * 2);
        } catch (const std::bad_alloc&) {
            ok_ = false;
            out_.samples = {};
        }
        return;
    }
    scratch_.resize(static_cast<std::size_t>(kChunk) * 2);
    while (frames > 0 && ok_) {
        const std::int64_t n = std::min<std::int64_t>(frames, kChunk);
        for (std::int64_t i = 0; i < n * 2; ++i) scratch_[static_cast<std::size_t>(i)] = stereo[i] / 32768.0f;
        addFloat(scratch_.data(), n);
        stereo += n * 2;
        frames -= n;
    }
}

Pcm PcmBuilder::finish() {
    if (ok_ && src_) {
        resample(nullptr, 0, true);
        if (ok_) {
            // The converter's output may differ from the exact length by a
            // few frames at the end: trim or pad with silence.
            const auto want = static_cast<std::int64_t>(
                std::llround(static_cast<double>(sourceFrames_) * kEngineRate / rate_));
            try {
                out_.samples.resize(static_cast<std::size_t>(want) * 2, 0);
            } catch (const std::bad_alloc&) {
                ok_ = false;
            }
        }
    }
    if (!ok_) return {};
    if (out_.samples.capacity() > out_.samples.size() + out_.samples.size() / 64 + 4096) out_.samples.shrink_to_fit();
    return std::move(out_);
}

}  // namespace qb
