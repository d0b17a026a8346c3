#pragma once
// Counts of the system's sound devices, as the programs decide from them
// whether to start their companions.

namespace qb {

class SystemDevices {
public:
    virtual ~SystemDevices() = default;
    // MIDI input devices (a DJ controller on USB is one); 0 when there is no
    // MIDI system.
    virtual int midiInputCount() = 0;
    // Audio output devices; 0 when there is no audio system.
    virtual int waveOutputCount() = 0;
};

}  // namespace qb
