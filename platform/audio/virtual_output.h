#pragma once
// The output device of tests: it takes sound only as the virtual clock
// advances. Each step of the loop pulls exactly the frames of that step
// (frame k belongs to the millisecond k * 1000 / 44100), so stream positions
// follow virtual time exactly, and it keeps what it pulled so that a test can
// measure the output.

#include "platform/audio/audio_output.h"

#include <cstdint>
#include <map>
#include <set>
#include <vector>

namespace qb {

class VirtualLoop;

class VirtualOutput : public AudioOutput {
public:
    // names: the devices it offers (1..); defaultDevice: which is the default.
    explicit VirtualOutput(VirtualLoop& loop, std::vector<std::string> names = {"Virtuelle Ausgabe"},
                           int defaultDevice = 1);
    ~VirtualOutput() override;

    std::vector<std::string> deviceNames() override { return names_; }
    int defaultDevice() override { return default_; }
    bool open(int device, Mixer& mixer) override;
    void close(Mixer& mixer) override;

    // Make a device refuse to open (as a busy or vanished card would).
    void refuse(int device) { refused_.insert(device); }

    // What a device has played since it opened or the last clear(),
    // interleaved stereo. Device -1 is the same as the default device.
    const std::vector<std::int16_t>& captured(int device = -1) const;
    void clearCaptured();
    bool isOpen(int device) const;

private:
    struct Open {
        int device;
        int ticker;
    };
    int resolve(int device) const { return device == -1 ? default_ : device; }

    VirtualLoop& loop_;
    std::vector<std::string> names_;
    int default_;
    std::set<int> refused_;
    std::map<Mixer*, Open> open_;
    std::map<int, std::vector<std::int16_t>> captured_;
};

}  // namespace qb
