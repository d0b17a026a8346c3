#include "platform/audio/voice.h"

#include <algorithm>
#include <cmath>

namespace qb {

namespace {
constexpr float kRampStep = 1.0f / Voice::kRampFrames;

float towards(float cur, float target) {
    if (cur < target) return std::min(target, cur + kRampStep);
    if (cur > target) return std::max(target, cur - kRampStep);
    return cur;
}

float clampVolume(float v) { return std::isfinite(v) ? std::clamp(v, 0.0f, 1.0f) : 0.0f; }
}  // namespace

Voice::Voice(Pcm pcm) : pcm_(std::move(pcm)), frames_(pcm_.frames()) {}

std::int64_t Voice::position() const {
    // Read the request first: once it is cleared, position_ already holds it.
    const std::int64_t pending = seekTo_.load();
    return pending >= 0 ? pending : position_.load();
}

int Voice::addBand(const EqBandParams& p) {
    const int i = bandCount_.load();
    if (i >= kMaxBands) return -1;
    setBand(i, p);
    bandCount_.store(i + 1);  // publishes the band to the audio thread
    return i;
}

void Voice::setBand(int index, const EqBandParams& p) {
    Band& b = bands_[static_cast<std::size_t>(index)];
    b.centre.store(p.centre);
    b.width.store(p.bandwidth);
    b.gain.store(p.gain);
    b.version.fetch_add(1);
}

EqBandParams Voice::band(int index) const {
    const Band& b = bands_[static_cast<std::size_t>(index)];
    return {b.centre.load(), b.width.load(), b.gain.load()};
}

int Voice::refreshBands() {
    const int n = bandCount_.load();
    for (int i = 0; i < n; ++i) {
        Band& b = bands_[static_cast<std::size_t>(i)];
        const std::uint32_t v = b.version.load();
        if (v == b.seen) continue;
        // A change that lands while these three are read is seen again with
        // its new version at the next block.
        const EqBandParams p{b.centre.load(), b.width.load(), b.gain.load()};
        b.coeffs = peakingCoeffs(p, kEngineRate);
        b.seen = v;
    }
    return n;
}

void Voice::render(float* mix, int frames) {
    frames = std::min(frames, kBlockFrames);
    const std::int64_t seek = seekTo_.load();
    if (seek >= 0) {
        pos_ = std::clamp<std::int64_t>(seek, 0, frames_);
        position_.store(pos_);
        // A newer request that came meanwhile stays for the next block.
        std::int64_t expected = seek;
        seekTo_.compare_exchange_strong(expected, -1);
    }
    const bool playing = state_.load() == static_cast<int>(StreamState::Playing);
    if (!playing && wasPlaying_) tailPos_ = pos_;
    wasPlaying_ = playing;
    if (!playing && fade_ <= 0.0f) return;

    const int bands = refreshBands();
    const float target = clampVolume(volume_.load());
    if (fade_ <= 0.0f) vol_ = target;  // silent: no ramp needed

    // While paused or stopped the last few milliseconds fade out from where
    // playing ended; the committed position stays where it was.
    std::int64_t& read = playing ? pos_ : tailPos_;
    const int n = static_cast<int>(std::clamp<std::int64_t>(frames_ - read, 0, frames));
    const std::int16_t* src = pcm_.samples.data() + read * 2;
    for (int i = 0; i < 2 * n; ++i) buf_[static_cast<std::size_t>(i)] = src[i] / 32768.0f;

    for (int b = 0; b < bands; ++b) {
        Band& band = bands_[static_cast<std::size_t>(b)];
        runStereo(band.coeffs, band.left, band.right, buf_.data(), n);
    }

    const float fadeTarget = playing ? 1.0f : 0.0f;
    for (int i = 0; i < n; ++i) {
        fade_ = towards(fade_, fadeTarget);
        vol_ = towards(vol_, target);
        const float g = fade_ * vol_;
        mix[2 * i] += buf_[static_cast<std::size_t>(2 * i)] * g;
        mix[2 * i + 1] += buf_[static_cast<std::size_t>(2 * i + 1)] * g;
    }
    read += n;

    if (read >= frames_) {
        fade_ = 0.0f;
        if (playing) {
            int expected = static_cast<int>(StreamState::Playing);
            state_.compare_exchange_strong(expected, static_cast<int>(StreamState::Stopped));
            wasPlaying_ = false;
        }
    }
    if (playing) position_.store(pos_);
}

}  // namespace qb
