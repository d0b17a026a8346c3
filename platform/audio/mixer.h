#pragma once
// The mix of one output device: every voice added here, summed as floating
// point, times the program's output gain, clipped to 16 bits.
//
// pull() runs on the audio thread (or, in tests, on the virtual clock's
// ticker); everything else on the user-interface thread. The voice table is a
// fixed array of atomic pointers: adding a voice is one store, and a removed
// voice is deleted only once no pull() that could have seen it is still
// running (an epoch counter that is odd while a pull runs). pull() never
// locks, waits or allocates.

#include "platform/audio/voice.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace qb {

class Mixer {
public:
    static constexpr int kMaxVoices = 64;

    Mixer() = default;
    ~Mixer();  // call only when no output pulls any more
    Mixer(const Mixer&) = delete;
    Mixer& operator=(const Mixer&) = delete;

    // --- user-interface thread ---
    // Takes the voice; nullptr (and the voice deleted) when the table is full.
    Voice* add(std::unique_ptr<Voice> voice);
    // Takes the voice out of the mix; it is deleted when safe.
    void remove(Voice* voice);
    // Linear gains per channel, 0..1, ramped like volumes.
    void setOutputGain(float left, float right);
    // Delete removed voices that the audio thread can no longer see.
    void collect();
    std::size_t retiredCount() const { return retired_.size(); }

    // --- audio thread ---
    // Mix `frames` frames into out (interleaved stereo, 16 bits).
    void pull(std::int16_t* out, int frames);

private:
    std::array<std::atomic<Voice*>, kMaxVoices> slots_{};
    std::atomic<std::uint64_t> epoch_{0};
    std::atomic<float> gainL_{1.0f}, gainR_{1.0f};
    std::vector<std::pair<std::unique_ptr<Voice>, std::uint64_t>> retired_;

    // Audio thread only.
    bool pulled_ = false;  // the first pull starts at the set gain, unramped
    float curL_ = 1.0f, curR_ = 1.0f;
    std::array<float, 2 * Voice::kBlockFrames> mix_{};
};

}  // namespace qb
