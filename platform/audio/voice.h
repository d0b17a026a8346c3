#pragma once
// One stream as the mixer plays it: the decoded sound, its transport state,
// volume and equalizer bands.
//
// Two threads meet here. The user-interface thread (the engine) only stores
// into the atomics below; the audio thread (render) reads them once per block
// and keeps everything else to itself. Nothing here locks or allocates on the
// audio thread.

#include "platform/audio/eq_band.h"
#include "platform/audio/pcm.h"
#include "platform/audio/peaking_filter.h"

#include <array>
#include <atomic>
#include <cstdint>

namespace qb {

enum class StreamState : int { Stopped = 0, Playing = 1, Paused = 2 };

class Voice {
public:
    static constexpr int kMaxBands = 16;
    // Frames over which volume changes, starts and stops are ramped (5 ms):
    // short enough to count as "at once", long enough not to click.
    static constexpr int kRampFrames = 220;
    // Most frames one render call handles.
    static constexpr int kBlockFrames = 256;

    explicit Voice(Pcm pcm);

    std::int64_t frames() const { return frames_; }

    // --- user-interface thread ---
    void setState(StreamState s) { state_.store(static_cast<int>(s)); }
    StreamState state() const { return static_cast<StreamState>(state_.load()); }
    void setVolume(float v) { volume_.store(v); }
    float volume() const { return volume_.load(); }
    // Ask the audio thread to continue from frame (0..frames()).
    void seek(std::int64_t frame) { seekTo_.store(frame); }
    // The play position in frames, a pending seek included.
    std::int64_t position() const;
    // Append a band; its index, or -1 when all bands are taken.
    int addBand(const EqBandParams& p);
    void setBand(int index, const EqBandParams& p);
    EqBandParams band(int index) const;
    int bandCount() const { return bandCount_.load(); }

    // --- audio thread ---
    // Add up to kBlockFrames frames of this stream into mix (interleaved
    // stereo) and move the position on.
    void render(float* mix, int frames);

private:
    struct Band {
        // Written by the user-interface thread, then `version` is raised.
        std::atomic<float> centre{0}, width{0}, gain{0};
        std::atomic<std::uint32_t> version{0};
        // Audio thread only.
        std::uint32_t seen = 0;
        BiquadCoeffs coeffs;
        BiquadState left, right;
    };
    int refreshBands();  // the number of bands in use for this block

    const Pcm pcm_;
    const std::int64_t frames_;

    std::atomic<int> state_{static_cast<int>(StreamState::Stopped)};
    std::atomic<float> volume_{1.0f};
    std::atomic<std::int64_t> seekTo_{-1};
    std::atomic<std::int64_t> position_{0};
    std::atomic<int> bandCount_{0};
    std::array<Band, kMaxBands> bands_;

    // Audio thread only.
    std::int64_t pos_ = 0;      // committed position
    std::int64_t tailPos_ = 0;  // read position of the fade-out after pause/stop
    bool wasPlaying_ = false;
    float fade_ = 0.0f;         // start/stop ramp, 0..1
    float vol_ = 1.0f;          // ramped volume
    std::array<float, 2 * kBlockFrames> buf_{};
};

}  // namespace qb
