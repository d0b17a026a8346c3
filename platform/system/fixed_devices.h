#pragma once
// Device counts a test sets.

#include "platform/system/system_devices.h"

namespace qb {

class FixedDevices final : public SystemDevices {
public:
    FixedDevices(int midiInputs = 0, int waveOutputs = 1) : midi_(midiInputs), wave_(waveOutputs) {}
    int midiInputCount() override { return midi_; }
    int waveOutputCount() override { return wave_; }
    void setMidiInputs(int n) { midi_ = n; }
    void setWaveOutputs(int n) { wave_ = n; }

private:
    int midi_, wave_;
};

}  // namespace qb
