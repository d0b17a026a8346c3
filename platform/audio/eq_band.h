#pragma once
// The record of one equalizer band: a peaking filter laid on one stream.

namespace qb {

struct EqBandParams {
    float centre = 1000.0f;    // centre frequency in Hz
    float bandwidth = 12.0f;   // width in semitones (12 = one octave)
    float gain = 0.0f;         // boost (+) or cut (-) at the centre, in dB
};

}  // namespace qb
