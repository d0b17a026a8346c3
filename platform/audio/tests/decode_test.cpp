// Reading WAV files: sample formats, other rates, and files that lie.
#include "platform/audio/decode_file.h"
#include "platform/audio/testing/signal.h"
#include "platform/audio/testing/wav_writer.h"
#include "platform/testing/temp_home.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

using namespace qb;
using namespace qb::audiotest;

namespace {

// A signal whose channels differ and that reaches both ends of the range.
Signal testSignal(int rate, int channels, std::int64_t frames) {
    return makeSignal(rate, channels, frames, [](std::int64_t i, int c) {
        const double t = static_cast<double>(i);
        return static_cast<float>(std::sin(t * (0.01 + 0.02 * c)) * (i % 97 == 0 ? 1.0 : 0.7));
    });
}

std::vector<double> leftOf(const Pcm& p, std::int64_t from, std::int64_t count) {
    return channel(p.samples, 0, from, count);
}

void putLe32(std::vector<unsigned char>& b, std::size_t at, std::uint32_t v) {
    for (int k = 0; k < 4; ++k) b[at + k] = static_cast<unsigned char>(v >> (8 * k));
}

}  // namespace

TEST(WavDecode, EveryIntegerFormatGivesTheSamplesWritten) {
    const std::string dir = qb::testing::makeTempDir("wav");
    for (int bits : {8, 16, 24}) {
        for (int channels : {1, 2}) {
            SCOPED_TRACE("bits " + std::to_string(bits) + " channels " + std::to_string(channels));
            const Signal s = testSignal(44100, channels, 5000);
            const std::string p = dir + "/f" + std::to_string(bits) + "_" + std::to_string(channels) + ".wav";
            ASSERT_TRUE(writeWav(p, s, bits));
            Pcm pcm;
            ASSERT_TRUE(decodeFile(p, pcm));
            ASSERT_EQ(pcm.frames(), 5000);
            int wrong = 0;
            for (std::int64_t i = 0; i < 5000; ++i) {
                for (int c = 0; c < 2; ++c) {
                    const float src = s.samples[static_cast<std::size_t>(i * channels + (channels == 2 ? c : 0))];
                    wrong += pcm.samples[static_cast<std::size_t>(2 * i + c)] != expectedS16(src, bits);
                }
            }
            EXPECT_EQ(wrong, 0);
        }
    }
}

TEST(WavDecode, OtherRatesKeepLengthPitchLevelAndTiming) {
    const std::string dir = qb::testing::makeTempDir("rate");
    for (int rate : {22050, 32000, 48000}) {
        SCOPED_TRACE("rate " + std::to_string(rate));
        // One second of a 1 kHz sine at half scale with a click at 0.5 s.
        const std::int64_t frames = rate;
        Signal s = makeSignal(rate, 2, frames, [rate](std::int64_t i, int) {
            return static_cast<float>(0.5 * std::sin(2 * std::numbers::pi * 1000.0 * static_cast<double>(i) / rate));
        });
        const std::string p = dir + "/r" + std::to_string(rate) + ".wav";
        ASSERT_TRUE(writeWav(p, s));
        Pcm pcm;
        ASSERT_TRUE(decodeFile(p, pcm));
        EXPECT_EQ(pcm.frames(), 44100);
        const auto mid = leftOf(pcm, 4410, 35280);
        EXPECT_NEAR(zeroCrossingHz(mid), 1000.0, 0.5);
        EXPECT_NEAR(dB(rms(mid) / (0.5 / std::sqrt(2.0))), 0.0, 0.1);

        // Timing: a burst that starts at 0.5 s starts there after conversion too.
        Signal quiet = makeSignal(rate, 2, frames, [rate](std::int64_t i, int) {
            return i >= rate / 2 && i < rate / 2 + rate / 100 ? 0.8f : 0.0f;
        });
        ASSERT_TRUE(writeWav(p, quiet));
        ASSERT_TRUE(decodeFile(p, pcm));
        const auto around = leftOf(pcm, 22050 - 200, 400);
        EXPECT_NEAR(static_cast<double>(firstAbove(around, 0.4)), 200.0, 2.0);
    }
}

TEST(WavDecode, LyingAndDamagedFilesGiveTheFramesReallyThereOrNothing) {
    const std::string dir = qb::testing::makeTempDir("lie");
    const Signal s = testSignal(44100, 2, 1000);
    const std::string good = dir + "/good.wav";
    ASSERT_TRUE(writeWav(good, s));
    const auto bytes = readBytes(good);  // 44-byte header, 4000 bytes of data
    Pcm reference;
    ASSERT_TRUE(decodeFile(good, reference));

    struct Case {
        const char* name;
        std::function<void(std::vector<unsigned char>&)> damage;
        std::int64_t frames;  // expected; 0 = no stream
    };
    const std::vector<Case> cases = {
        {"data size larger than the file", [](auto& b) { putLe32(b, 40, 4000000); }, 1000},
        {"data size left open (0xFFFFFFFF)", [](auto& b) { putLe32(b, 40, 0xFFFFFFFFu); }, 1000},
        {"data size zero (writer never finished)", [](auto& b) { putLe32(b, 40, 0); }, 1000},
        {"data size smaller than the data", [](auto& b) { putLe32(b, 40, 400); }, 100},
        {"RIFF size wrong", [](auto& b) { putLe32(b, 4, 12); }, 1000},
        {"cut inside a frame", [](auto& b) { b.resize(44 + 2001); }, 500},
        {"header only", [](auto& b) { b.resize(44); }, 0},
        {"fmt size beyond the file", [](auto& b) { putLe32(b, 16, 0x7FFFFFF0u); }, 0},
        {"fmt chunk too small", [](auto& b) { putLe32(b, 16, 8); }, 0},
        {"no channels", [](auto& b) { b[22] = 0; b[23] = 0; }, 0},
        {"rate zero", [](auto& b) { putLe32(b, 24, 0); }, 0},
        {"compressed format tag", [](auto& b) { b[20] = 2; }, 0},
        {"cut inside the header", [](auto& b) { b.resize(30); }, 0},
        {"zero bytes", [](auto& b) { b.clear(); }, 0},
        {"an odd-sized chunk before fmt",
         [](auto& b) {
             const std::vector<unsigned char> list = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
             b.insert(b.begin() + 12, list.begin(), list.end());
         },
         1000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto b = bytes;
        c.damage(b);
        const std::string p = dir + "/bad.wav";
        ASSERT_TRUE(writeBytes(p, b));
        Pcm pcm;
        EXPECT_EQ(decodeFile(p, pcm), c.frames > 0);
        ASSERT_EQ(pcm.frames(), c.frames);
        for (std::int64_t i = 0; i < c.frames * 2; ++i) {
            ASSERT_EQ(pcm.samples[static_cast<std::size_t>(i)], reference.samples[static_cast<std::size_t>(i)]) << i;
        }
    }
}

TEST(WavDecode, RandomBytesAndMissingFilesAreNoSound) {
    const std::string dir = qb::testing::makeTempDir("rnd");
    std::mt19937 rng(7);
    std::vector<unsigned char> junk(200000);
    for (auto& x : junk) x = static_cast<unsigned char>(rng());
    Pcm pcm;
    for (const char* name : {"/junk.wav", "/junk.mp3"}) {
        ASSERT_TRUE(writeBytes(dir + name, junk));
        EXPECT_FALSE(decodeFile(dir + name, pcm)) << name;
        EXPECT_EQ(pcm.frames(), 0);
    }
    // RIFF WAVE magic followed by junk.
    std::vector<unsigned char> riff(junk.begin(), junk.begin() + 5000);
    const char magic[] = "RIFF\0\0\0\0WAVE";
    std::copy(magic, magic + 12, riff.begin());
    ASSERT_TRUE(writeBytes(dir + "/riffjunk.wav", riff));
    EXPECT_FALSE(decodeFile(dir + "/riffjunk.wav", pcm));
    EXPECT_FALSE(decodeFile(dir + "/does-not-exist.wav", pcm));
    EXPECT_FALSE(decodeFile(dir, pcm));  // a folder
}
