#pragma once
// Output through SDL2 audio (PulseAudio, PipeWire or ALSA underneath, or the
// `dummy` driver on a machine without sound). SDL's audio thread calls the
// mixer; the buffer is 1024 frames (23 ms).

#include "platform/audio/audio_output.h"

#include <cstdint>
#include <map>

namespace qb {

class SdlOutput : public AudioOutput {
public:
    static constexpr int kBufferFrames = 1024;

    SdlOutput();
    ~SdlOutput() override;

    // False when SDL's audio could not be started at all (no driver).
    bool available() const { return available_; }

    std::vector<std::string> deviceNames() override;
    int defaultDevice() override;
    bool open(int device, Mixer& mixer) override;
    void close(Mixer& mixer) override;

private:
    bool available_ = false;
    std::map<Mixer*, std::uint32_t> open_;  // SDL device ids
};

}  // namespace qb
