#include "platform/audio/testing/wav_writer.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <numbers>

namespace qb::audiotest {

namespace {
void put16(std::vector<unsigned char>& b, std::uint32_t v) {
    b.push_back(v & 0xff);
    b.push_back((v >> 8) & 0xff);
}
void put32(std::vector<unsigned char>& b, std::uint32_t v) {
    put16(b, v & 0xffff);
    put16(b, v >> 16);
}
std::int32_t quantise(float x, int bits) {
    const double full = std::ldexp(1.0, bits - 1);
    const double v = std::nearbyint(static_cast<double>(x) * full);
    return static_cast<std::int32_t>(std::clamp(v, -full, full - 1));
}
}  // namespace

Signal makeSignal(int rate, int channels, std::int64_t frames, const std::function<float(std::int64_t, int)>& fn) {
    Signal s;
    s.rate = rate;
    s.channels = channels;
    s.samples.resize(static_cast<std::size_t>(frames * channels));
    for (std::int64_t i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c) s.samples[static_cast<std::size_t>(i * channels + c)] = fn(i, c);
    return s;
}

Signal sine(double hz, double amp, double seconds, int rate, int channels) {
    const auto frames = static_cast<std::int64_t>(std::llround(seconds * rate));
    return makeSignal(rate, channels, frames, [&](std::int64_t i, int) {
        return static_cast<float>(amp * std::sin(2.0 * std::numbers::pi * hz * static_cast<double>(i) / rate));
    });
}

bool writeWav(const std::string& path, const Signal& s, int bits) {
    const int bytes = bits / 8;
    const std::uint32_t dataSize = static_cast<std::uint32_t>(s.samples.size()) * static_cast<std::uint32_t>(bytes);
    std::vector<unsigned char> b;
    b.reserve(44 + dataSize);
    b.insert(b.end(), {'R', 'I', 'F', 'F'});
    put32(b, 36 + dataSize);
    b.insert(b.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    put32(b, 16);
    put16(b, 1);
    put16(b, static_cast<std::uint32_t>(s.channels));
    put32(b, static_cast<std::uint32_t>(s.rate));
    put32(b, static_cast<std::uint32_t>(s.rate * s.channels * bytes));
    put16(b, static_cast<std::uint32_t>(s.channels * bytes));
    put16(b, static_cast<std::uint32_t>(bits));
    b.insert(b.end(), {'d', 'a', 't', 'a'});
    put32(b, dataSize);
    for (float x : s.samples) {
        const std::int32_t v = quantise(x, bits);
        if (bits == 8) {
            b.push_back(static_cast<unsigned char>(v + 128));
        } else {
            for (int k = 0; k < bytes; ++k) b.push_back(static_cast<unsigned char>((v >> (8 * k)) & 0xff));
        }
    }
    return writeBytes(path, b);
}

std::int16_t expectedS16(float x, int bits) {
    const std::int32_t v = quantise(x, bits);
    const double full = std::ldexp(1.0, bits - 1);
    const double s = std::nearbyint(v / full * 32768.0);
    return static_cast<std::int16_t>(std::clamp(s, -32768.0, 32767.0));
}

std::vector<unsigned char> readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool writeBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

}  // namespace qb::audiotest
