// MP3 streams made by lame from generated WAVs: exact lengths, sample-exact
// seeking and damaged files.
#include "platform/audio/decode_file.h"
#include "platform/audio/testing/lame.h"
#include "platform/audio/tests/engine_rig.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

using namespace qb;
using namespace qb::audiotest;

namespace {

constexpr std::int64_t kFrames = 3 * 44100 + 777;  // not a whole number of MP3 frames
// Clicks (single loud samples in silence) at these frames.
const std::vector<std::int64_t> kClicks = {30000, 70000, 120000};

// One second of near silence, then music-like sound, with silent gaps around
// the clicks: the bit rate of a VBR file changes a lot along the file.
Signal testSignal() {
    std::mt19937 rng(3);
    std::uniform_real_distribution<float> noise(-0.05f, 0.05f);
    return makeSignal(44100, 2, kFrames, [&](std::int64_t i, int c) {
        for (std::int64_t k : kClicks) {
            if (i == k) return 0.9f;
            if (std::llabs(i - k) < 2000) return 0.0f;
        }
        if (i < 44100) return noise(rng) * 0.01f;
        const double t = static_cast<double>(i) / 44100.0;
        return static_cast<float>(0.3 * std::sin(2 * std::numbers::pi * 220.0 * t * (1 + c)) +
                                  0.2 * std::sin(2 * std::numbers::pi * 3150.0 * t)) +
               noise(rng);
    });
}

class Mp3 : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(haveLame()) << "the lame encoder is needed for these tests";
        wav = rig.path("source.wav");
        ASSERT_TRUE(writeWav(wav, testSignal()));
    }
    std::string encode(const std::string& name, const std::vector<std::string>& options) {
        const std::string p = rig.path(name);
        EXPECT_TRUE(runLame(options, wav, p));
        return p;
    }
    EngineRig rig;
    std::string wav;
};

}  // namespace

TEST_F(Mp3, LengthEqualsTheWavToTheFrame) {
    ASSERT_TRUE(rig.engine->init(-1));
    struct Case {
        const char* name;
        std::vector<std::string> options;
    };
    for (const Case& c : std::vector<Case>{{"cbr.mp3", {"-b", "192"}},
                                          {"vbr.mp3", {"-V", "2"}},
                                          {"mono.mp3", {"-m", "m", "-b", "96"}}}) {
        SCOPED_TRACE(c.name);
        const StreamHandle h = rig.engine->createStream(encode(c.name, c.options));
        ASSERT_NE(h, 0u);
        EXPECT_EQ(rig.engine->lengthBytes(h), kFrames * 4);
        EXPECT_DOUBLE_EQ(rig.engine->bytesToSeconds(h, rig.engine->lengthBytes(h)), kFrames / 44100.0);
    }
}

TEST_F(Mp3, ALowRateFilePlaysAtTheRightSpeedAndPitch) {
    ASSERT_TRUE(rig.engine->init(-1));
    const std::string low = rig.path("low.wav");
    ASSERT_TRUE(writeWav(low, sine(1000.0, 0.5, 2.0, 22050)));
    const std::string p = rig.path("low.mp3");
    ASSERT_TRUE(runLame({"-b", "64"}, low, p));
    const StreamHandle h = rig.engine->createStream(p);
    ASSERT_NE(h, 0u);
    EXPECT_EQ(rig.engine->lengthBytes(h), 2 * 44100 * 4);
    ASSERT_TRUE(rig.engine->play(h));
    rig.loop.advance(1000);
    EXPECT_NEAR(zeroCrossingHz(rig.heard(4410, 22050)), 1000.0, 0.5);
}

TEST_F(Mp3, ClicksLandOnTheirFrames) {
    // Gapless decoding: the encoder's delay is gone, the sound is not shifted.
    for (const char* opt : {"192", "V2"}) {
        SCOPED_TRACE(opt);
        const std::string p = std::string(opt) == "V2" ? encode("v.mp3", {"-V", "2"}) : encode("c.mp3", {"-b", "192"});
        Pcm pcm;
        ASSERT_TRUE(decodeFile(p, pcm));
        for (std::int64_t k : kClicks) {
            const auto win = channel(pcm.samples, 0, k - 1000, 2000);
            std::int64_t best = 0;
            for (std::size_t i = 0; i < win.size(); ++i)
                if (std::fabs(win[i]) > std::fabs(win[static_cast<std::size_t>(best)])) best = static_cast<std::int64_t>(i);
            EXPECT_NEAR(static_cast<double>(best), 1000.0, 1.0) << "click at " << k;
        }
    }
}

TEST_F(Mp3, VbrWithoutHeaderStillHasItsExactLength) {
    // -t writes no header frame: the length comes from scanning every frame.
    // An estimate from the first (near silent, low rate) frames would be far
    // too long; the decoder's delay and the encoder's padding stay in.
    ASSERT_TRUE(rig.engine->init(-1));
    const StreamHandle h = rig.engine->createStream(encode("vbr_t.mp3", {"-V", "2", "-t"}));
    ASSERT_NE(h, 0u);
    const std::int64_t frames = rig.engine->lengthBytes(h) / 4;
    EXPECT_GE(frames, kFrames);
    EXPECT_LE(frames, kFrames + 3 * 1152);
    // Played to the end, it ends exactly at its length.
    ASSERT_TRUE(rig.engine->play(h));
    ASSERT_TRUE(rig.loop.runUntil([&] { return rig.engine->state(h) == StreamState::Stopped; }, 10000));
    EXPECT_EQ(rig.engine->positionBytes(h), frames * 4);
    EXPECT_NEAR(static_cast<double>(rig.heardFrames()), static_cast<double>(frames), 441.0);
}

TEST_F(Mp3, SeekingFarIntoAVbrFileLandsOnTheFrame) {
    ASSERT_TRUE(rig.engine->init(-1));
    const std::string p = encode("seek.mp3", {"-V", "2"});
    Pcm pcm;
    ASSERT_TRUE(decodeFile(p, pcm));
    const StreamHandle h = rig.engine->createStream(p);
    ASSERT_NE(h, 0u);
    const std::int64_t target = kClicks[2] - 1000;
    ASSERT_TRUE(rig.engine->setPositionBytes(h, target * 4));
    EXPECT_EQ(rig.engine->positionBytes(h), target * 4);
    ASSERT_TRUE(rig.engine->play(h));
    rig.loop.advance(100);
    // The click comes 1000 frames after the start of the sound.
    const auto heard = rig.heard(0, 4410);
    EXPECT_NEAR(static_cast<double>(firstAbove(heard, 0.3)), 1000.0, 2.0);
    // After the 5 ms start ramp, what is heard is the decoded sound from the
    // target frame on, sample for sample.
    const auto expected = channel(pcm.samples, 0, target, 4410);
    int differ = 0;
    for (std::size_t i = 300; i < heard.size(); ++i) differ += heard[i] != expected[i];
    EXPECT_EQ(differ, 0);
    EXPECT_EQ(rig.engine->positionBytes(h), (target + 4410) * 4);
}

TEST_F(Mp3, DamagedFilesGiveWhatDecodesOrNoStream) {
    ASSERT_TRUE(rig.engine->init(-1));
    const std::string cbr = encode("full.mp3", {"-b", "192"});
    auto bytes = readBytes(cbr);
    ASSERT_GT(bytes.size(), 10000u);

    // Cut in the middle of a frame: about half the sound, no more.
    auto half = bytes;
    half.resize(half.size() / 2 + 333);
    ASSERT_TRUE(writeBytes(rig.path("half.mp3"), half));
    const StreamHandle h = rig.engine->createStream(rig.path("half.mp3"));
    ASSERT_NE(h, 0u);
    const double part = static_cast<double>(rig.engine->lengthBytes(h)) / (kFrames * 4);
    EXPECT_GT(part, 0.4);
    EXPECT_LT(part, 0.6);
    ASSERT_TRUE(rig.engine->play(h));
    EXPECT_TRUE(rig.loop.runUntil([&] { return rig.engine->state(h) == StreamState::Stopped; }, 5000));

    // A block of garbage in the middle: the frames around it still play.
    auto holed = bytes;
    std::mt19937 rng(11);
    for (std::size_t i = holed.size() / 2; i < holed.size() / 2 + 4000; ++i) holed[i] = static_cast<unsigned char>(rng());
    ASSERT_TRUE(writeBytes(rig.path("holed.mp3"), holed));
    const StreamHandle g = rig.engine->createStream(rig.path("holed.mp3"));
    ASSERT_NE(g, 0u);
    EXPECT_GT(rig.engine->lengthBytes(g), kFrames * 4 * 8 / 10);
    EXPECT_LT(rig.engine->lengthBytes(g), kFrames * 4 * 12 / 10);

    // Only the first few bytes of a frame, random bytes, nothing at all.
    auto stub = bytes;
    stub.resize(100);
    ASSERT_TRUE(writeBytes(rig.path("stub.mp3"), stub));
    std::vector<unsigned char> junk(100000);
    for (auto& x : junk) x = static_cast<unsigned char>(rng());
    ASSERT_TRUE(writeBytes(rig.path("junk.mp3"), junk));
    ASSERT_TRUE(writeBytes(rig.path("empty.mp3"), {}));
    for (const char* name : {"stub.mp3", "junk.mp3", "empty.mp3", "missing.mp3"}) {
        EXPECT_EQ(rig.engine->createStream(rig.path(name)), 0u) << name;
    }
}
