#include "platform/audio/testing/signal.h"

#include <algorithm>
#include <cmath>

namespace qb::audiotest {

std::vector<double> channel(const std::vector<std::int16_t>& stereo, int ch, std::int64_t from, std::int64_t count) {
    std::vector<double> out;
    const std::int64_t frames = static_cast<std::int64_t>(stereo.size() / 2);
    for (std::int64_t i = std::max<std::int64_t>(from, 0); i < std::min(frames, from + count); ++i)
        out.push_back(stereo[static_cast<std::size_t>(2 * i + ch)] / 32768.0);
    return out;
}

double rms(const std::vector<double>& x) {
    if (x.empty()) return 0.0;
    double s = 0;
    for (double v : x) s += v * v;
    return std::sqrt(s / static_cast<double>(x.size()));
}

double peak(const std::vector<double>& x) {
    double p = 0;
    for (double v : x) p = std::max(p, std::fabs(v));
    return p;
}

double zeroCrossingHz(const std::vector<double>& x, int rate) {
    double first = -1, last = -1;
    int crossings = 0;
    for (std::size_t i = 1; i < x.size(); ++i) {
        if (x[i - 1] < 0 && x[i] >= 0) {
            const double t = static_cast<double>(i - 1) + (-x[i - 1]) / (x[i] - x[i - 1]);
            if (first < 0) first = t;
            last = t;
            ++crossings;
        }
    }
    if (crossings < 2) return 0.0;
    return (crossings - 1) * rate / (last - first);
}

std::int64_t firstAbove(const std::vector<double>& x, double threshold) {
    for (std::size_t i = 0; i < x.size(); ++i)
        if (std::fabs(x[i]) >= threshold) return static_cast<std::int64_t>(i);
    return -1;
}

double correlation(const std::vector<double>& a, const std::vector<double>& b) {
    const std::size_t n = std::min(a.size(), b.size());
    double ab = 0, aa = 0, bb = 0;
    for (std::size_t i = 0; i < n; ++i) {
        ab += a[i] * b[i];
        aa += a[i] * a[i];
        bb += b[i] * b[i];
    }
    return aa > 0 && bb > 0 ? ab / std::sqrt(aa * bb) : 0.0;
}

}  // namespace qb::audiotest
