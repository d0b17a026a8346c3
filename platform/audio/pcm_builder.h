#pragma once
// Collects decoded frames of any sample rate into the engine's form (16-bit
// stereo at 44,100 Hz). Frames at another rate are converted with a
// band-limited resampler, so they keep their speed and pitch; the result has
// exactly round(sourceFrames * 44100 / sourceRate) frames.

#include "platform/audio/pcm.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace qb {

class PcmBuilder {
public:
    // The longest sound accepted (4 hours at 44.1 kHz, about 2.5 GB); more
    // makes the result empty instead of exhausting memory.
    static constexpr std::int64_t kMaxFrames = std::int64_t{4} * 3600 * kEngineRate;

    // expectedFrames: source frames that will come, when known (0 if not);
    // used to reserve memory once.
    PcmBuilder(int sourceRate, std::int64_t expectedFrames);
    ~PcmBuilder();
    PcmBuilder(const PcmBuilder&) = delete;
    PcmBuilder& operator=(const PcmBuilder&) = delete;

    // False when the rate cannot be converted or the sound grew too long.
    bool ok() const { return ok_; }

    // Interleaved stereo frames; floats are full scale at +-1.0.
    void addS16(const std::int16_t* stereo, std::int64_t frames);
    void addFloat(const float* stereo, std::int64_t frames);

    std::int64_t sourceFrames() const { return sourceFrames_; }

    // The finished sound (empty when !ok()).
    Pcm finish();

private:
    void resample(const float* in, long frames, bool last);
    void push(const float* stereo, std::int64_t frames);
    bool reserveOut(std::int64_t frames);

    int rate_;
    bool ok_ = true;
    std::int64_t sourceFrames_ = 0;
    Pcm out_;
    struct Resampler;
    std::unique_ptr<Resampler> src_;
    std::vector<float> scratch_;
};

// Full-scale float to 16 bits, rounded and clipped.
std::int16_t floatToS16(float x);

}  // namespace qb
