#include "platform/audio/peaking_filter.h"

#include <cmath>
#include <complex>
#include <numbers>

namespace qb {

bool bandIsValid(const EqBandParams& p, double sampleRate) {
    if (!std::isfinite(p.centre) || !std::isfinite(p.bandwidth) || !std::isfinite(p.gain)) return false;
    if (p.centre <= 0.0f || p.centre >= sampleRate / 2.0) return false;
    if (p.bandwidth <= 0.0f || p.bandwidth > 48.0f) return false;
    return std::fabs(p.gain) <= 30.0f;
}

BiquadCoeffs peakingCoeffs(const EqBandParams& p, double sampleRate) {
    if (!bandIsValid(p, sampleRate)) return {};
    const double a = std::pow(10.0, p.gain / 40.0);
    const double w0 = 2.0 * std::numbers::pi * p.centre / sampleRate;
    const double octaves = p.bandwidth / 12.0;
    const double sinW = std::sin(w0);
    const double cosW = std::cos(w0);
    const double alpha = sinW * std::sinh(std::numbers::ln2 / 2.0 * octaves * w0 / sinW);
    const double a0 = 1.0 + alpha / a;
    BiquadCoeffs c;
    c.b0 = (1.0 + alpha * a) / a0;
    c.b1 = -2.0 * cosW / a0;
    c.b2 = (1.0 - alpha * a) / a0;
    c.a1 = -2.0 * cosW / a0;
    c.a2 = (1.0 - alpha / a) / a0;
    return c;
}

double responseDb(const BiquadCoeffs& c, double f, double sampleRate) {
    const std::complex<double> z1 = std::polar(1.0, -2.0 * std::numbers::pi * f / sampleRate);
    const std::complex<double> z2 = z1 * z1;
    const std::complex<double> h = (c.b0 + c.b1 * z1 + c.b2 * z2) / (1.0 + c.a1 * z1 + c.a2 * z2);
    return 20.0 * std::log10(std::abs(h));
}

void runStereo(const BiquadCoeffs& c, BiquadState& left, BiquadState& right, float* frames, int count) {
    for (int i = 0; i < count; ++i) {
        frames[2 * i] = static_cast<float>(left.step(c, frames[2 * i]));
        frames[2 * i + 1] = static_cast<float>(right.step(c, frames[2 * i + 1]));
    }
}

}  // namespace qb
