#pragma once
// The output devices of a machine, as the engine sees them: a list of names
// (device 1 is the first) and a way to let a device pull a mixer. SdlOutput
// plays through SDL2; VirtualOutput is driven by the virtual clock of tests.

#include <string>
#include <vector>

namespace qb {

class Mixer;

class AudioOutput {
public:
    virtual ~AudioOutput() = default;

    // Names of the output devices, in the order device numbers 1, 2, ... go.
    virtual std::vector<std::string> deviceNames() = 0;
    // The number (1..) of the system's default device, 0 when not known.
    virtual int defaultDevice() = 0;
    // Start pulling 44,100 Hz 16-bit stereo from mixer on device (-1 = the
    // default device); false when the device cannot be opened.
    virtual bool open(int device, Mixer& mixer) = 0;
    // Stop pulling mixer; once this returns, mixer is never pulled again.
    virtual void close(Mixer& mixer) = 0;
};

}  // namespace qb
