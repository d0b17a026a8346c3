#pragma once
// Writing RIFF WAVE files and making test signals, for tests and benchmarks.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace qb::audiotest {

// Interleaved samples at full scale +-1.0, `channels` per frame.
struct Signal {
    int rate = 44100;
    int channels = 2;
    std::vector<float> samples;
    std::int64_t frames() const { return static_cast<std::int64_t>(samples.size()) / channels; }
};

// fn(frame, channel) gives the sample.
Signal makeSignal(int rate, int channels, std::int64_t frames, const std::function<float(std::int64_t, int)>& fn);
// A sine of amplitude amp (both channels alike).
Signal sine(double hz, double amp, double seconds, int rate = 44100, int channels = 2);

// Integer PCM of 8, 16 or 24 bits; true on success.
bool writeWav(const std::string& path, const Signal& s, int bits = 16);

// The 16-bit value the engine keeps for a full-scale sample written at bits.
std::int16_t expectedS16(float x, int bits);

// Whole file as bytes (for tests that damage files).
std::vector<unsigned char> readBytes(const std::string& path);
bool writeBytes(const std::string& path, const std::vector<unsigned char>& bytes);

}  // namespace qb::audiotest
