#pragma once
// A peaking equalizer band as a second-order (biquad) filter, after the
// audio-EQ cookbook: unity far from the centre, `gain` dB at the centre, the
// width given in semitones (bandwidth in octaves = semitones / 12).

#include "platform/audio/eq_band.h"

namespace qb {

// Coefficients normalised by a0: y = b0 x + b1 x1 + b2 x2 - a1 y1 - a2 y2.
struct BiquadCoeffs {
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
};

// Limits a band must keep to be accepted: centre above 0 and below half the
// sample rate, width 0 < w <= 48 semitones, gain within +-30 dB, all finite.
bool bandIsValid(const EqBandParams& p, double sampleRate);

// Coefficients of a valid band (identity for an invalid one).
BiquadCoeffs peakingCoeffs(const EqBandParams& p, double sampleRate);

// Magnitude response in dB of the coefficients at frequency f.
double responseDb(const BiquadCoeffs& c, double f, double sampleRate);

// Filter memory of one channel (direct form I, double precision so that low
// bands at 44.1 kHz stay clean).
struct BiquadState {
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;

    double step(const BiquadCoeffs& c, double x) {
        // The tiny offset keeps the feedback path out of denormal numbers
        // when the input falls silent.
        const double y = c.b0 * x + c.b1 * x1 + c.b2 * x2 - c.a1 * y1 - c.a2 * y2 + 1e-20;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        return y;
    }
};

// Run interleaved stereo frames through one band in place.
void runStereo(const BiquadCoeffs& c, BiquadState& left, BiquadState& right, float* frames, int count);

}  // namespace qb
