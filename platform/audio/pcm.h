#pragma once
// Decoded sound as the engine keeps it: 16-bit stereo frames at 44,100 Hz,
// interleaved left/right. One frame is 4 bytes of the stream's byte positions.

#include <cstdint>
#include <vector>

namespace qb {

inline constexpr int kEngineRate = 44100;
inline constexpr int kBytesPerFrame = 4;

struct Pcm {
    std::vector<std::int16_t> samples;  // 2 per frame
    std::int64_t frames() const { return static_cast<std::int64_t>(samples.size() / 2); }
};

}  // namespace qb
