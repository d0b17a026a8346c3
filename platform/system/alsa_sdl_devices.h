#pragma once
// Device counts from the sound system, counted anew on every call.
//
// MIDI inputs: the ports of the ALSA sequencer that deliver events (readable,
// subscribable, exported) and belong to hardware: each MIDI port of a USB
// controller or sound card counts; the sequencer's own "System" and
// "Midi Through" ports and ports of programs (including the suite's own MIDI
// companion) do not. Without a sequencer (no /dev/snd) the count is 0, and
// ALSA's error text is kept off the terminal.
//
// Audio outputs: SDL's output device count. When SDL can open the default
// device but cannot list devices (the count is "unknown"), that one default
// device counts.

#include "platform/system/system_devices.h"

namespace qb {

class AlsaSdlDevices final : public SystemDevices {
public:
    int midiInputCount() override;
    int waveOutputCount() override;
};

}  // namespace qb
