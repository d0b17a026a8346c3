#pragma once
// Measuring sound: level, frequency and alignment of 16-bit stereo output.

#include <cmath>
#include <cstdint>
#include <vector>

namespace qb::audiotest {

// One channel (0 left, 1 right) of interleaved stereo frames [from, from+count).
std::vector<double> channel(const std::vector<std::int16_t>& stereo, int ch, std::int64_t from, std::int64_t count);

double rms(const std::vector<double>& x);
double peak(const std::vector<double>& x);
inline double dB(double ratio) { return 20.0 * std::log10(ratio); }

// Frequency in Hz from the rising zero crossings (interpolated) of x.
double zeroCrossingHz(const std::vector<double>& x, int rate = 44100);

// Index of the first sample whose magnitude reaches threshold, -1 if none.
std::int64_t firstAbove(const std::vector<double>& x, double threshold);

// Normalised correlation of a and b (equal length), -1..1.
double correlation(const std::vector<double>& a, const std::vector<double>& b);

}  // namespace qb::audiotest
