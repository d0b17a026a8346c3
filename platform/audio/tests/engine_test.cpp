// The engine on the virtual device: transport, positions, volume, mixing,
// devices and handles.
#include "platform/audio/tests/engine_rig.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace qb;
using namespace qb::audiotest;

namespace {

// A ramp of distinct values, so that every frame can be recognised.
Signal ramp(std::int64_t frames) {
    return makeSignal(44100, 2, frames, [](std::int64_t i, int c) {
        return static_cast<float>((i % 20000) - 10000) / 32768.0f * (c ? -1.0f : 1.0f);
    });
}
std::int16_t rampValue(std::int64_t frame) { return static_cast<std::int16_t>((frame % 20000) - 10000); }

// Frames of the captured left channel that are not frame start+i of ramp().
int notRampFrom(const std::vector<std::int16_t>& out, std::int64_t from, std::int64_t count, std::int64_t start) {
    int bad = 0;
    for (std::int64_t i = 0; i < count; ++i) bad += out[static_cast<std::size_t>(2 * (from + i))] != rampValue(start + i);
    return bad;
}

constexpr int kRamp = Voice::kRampFrames;

}  // namespace

TEST(AudioEngine, PositionFollowsVirtualTimeToTheEnd) {
    EngineRig rig;
    ASSERT_TRUE(rig.engine->init(-1));
    const StreamHandle h = rig.stream(ramp(44100 * 2 + 10), "r.wav");
    ASSERT_NE(h, 0u);
    EXPECT_EQ(rig.engine->lengthBytes(h), (44100 * 2 + 10) * 4);
    EXPECT_EQ(rig.engine->state(h), StreamState::Stopped);
    rig.loop.advance(100);
    EXPECT_EQ(rig.engine->positionBytes(h), 0) << "a stream does not move before play";
    ASSERT_TRUE(rig.engine->play(h));
    EXPECT_EQ(rig.engine->state(h), StreamState::Playing);
    rig.loop.advance(1000);
    EXPECT_EQ(rig.engine->positionBytes(h), 44100 * 4);
    rig.loop.advance(333);
    EXPECT_EQ(rig.engine->positionBytes(h), (44100 * 1333 / 1000) * 4);
    rig.loop.advance(1000);
    EXPECT_EQ(rig.engine->state(h), StreamState::Stopped);
    EXPECT_EQ(rig.engine->positionBytes(h), rig.engine->lengthBytes(h));
    // What was heard is the file, frame for frame (after the start ramp), then silence.
    const auto& out = rig.out->captured();
    const std::int64_t startFrame = 100 * 441 / 10;
    EXPECT_EQ(notRampFrom(out, startFrame + kRamp, 44100 * 2 + 10 - kRamp, kRamp), 0);
    EXPECT_EQ(peak(rig.heard(startFrame + 44100 * 2 + 10, 4410)), 0.0);
}

TEST(AudioEngine, PauseAndStopKeepThePlaceAndPlayResumesThere) {
    EngineRig rig;
    ASSERT_TRUE(rig.engine->init(-1));
    const StreamHandle h = rig.stream(ramp(44100 * 3), "r.wav");
    ASSERT_TRUE(rig.engine->play(h));
    rig.loop.advance(500);
    EXPECT_TRUE(rig.engine->play(h)) << "play while playing";
    rig.loop.advance(10);
    EXPECT_EQ(rig.engine->positionBytes(h), 22491 * 4) << "play again does not restart";

    for (bool usePause : {true, false}) {
        SCOPED_TRACE(usePause ? "pause" : "stop");
        ASSERT_TRUE(usePause ? rig.engine->pause(h) : rig.engine->stop(h));
        EXPECT_EQ(rig.engine->state(h), usePause ? StreamState::Paused : StreamState::Stopped);
        const std::int64_t at = rig.engine->positionBytes(h) / 4;
        rig.out->clearCaptured();
        rig.loop.advance(300);
        EXPECT_EQ(rig.engine->positionBytes(h) / 4, at);
        // Silent after a fade of a few milliseconds.
        EXPECT_EQ(peak(rig.heard(kRamp, 300 * 441 / 10 - kRamp)), 0.0);
        rig.out->clearCaptured();
        ASSERT_TRUE(rig.engine->play(h));
        rig.loop.advance(100);
        EXPECT_EQ(notRampFrom(rig.out->captured(), kRamp, 4410 - kRamp, at + kRamp), 0);
        EXPECT_EQ(rig.engine->positionBytes(h) / 4, at + 4410);
    }
    EXPECT_TRUE(rig.engine->stop(h));
    EXPECT_FALSE(rig.engine->pause(h)) << "a stopped stream cannot be paused";
    EXPECT_EQ(rig.engine->state(h), StreamState::Stopped);
}

TEST(AudioEngine, SetPositionLandsOnTheFrameWhileSilentOrPlaying) {
    EngineRig rig;
    ASSERT_TRUE(rig.engine->init(-1));
    const StreamHandle h = rig.stream(ramp(44100 * 2), "r.wav");
    const std::int64_t len = rig.engine->lengthBytes(h);
    EXPECT_FALSE(rig.engine->setPositionBytes(h, len + 4));
    EXPECT_FALSE(rig.engine->setPositionBytes(h, -4));
    ASSERT_TRUE(rig.engine->setPositionBytes(h, 12345 * 4 + 3));
    EXPECT_EQ(rig.engine->positionBytes(h), 12345 * 4) << "rounded down to the frame, seen at once";
    ASSERT_TRUE(rig.engine->play(h));
    rig.loop.advance(100);
    EXPECT_EQ(notRampFrom(rig.out->captured(), kRamp, 4410 - kRamp, 12345 + kRamp), 0);

    // While playing, the jump is heard from the next block on.
    ASSERT_TRUE(rig.engine->setPositionBytes(h, 70000 * 4));
    EXPECT_EQ(rig.engine->positionBytes(h), 70000 * 4);
    rig.out->clearCaptured();
    rig.loop.advance(50);
    EXPECT_EQ(notRampFrom(rig.out->captured(), 0, 50 * 441 / 10, 70000), 0);

    ASSERT_TRUE(rig.engine->setPositionBytes(h, len));
    rig.loop.advance(20);
    EXPECT_EQ(rig.engine->state(h), StreamState::Stopped) << "positioned at the end, it ends";
}

TEST(AudioEngine, SecondsAndBytesConvertExactly) {
    EngineRig rig;
    ASSERT_TRUE(rig.engine->init(-1));
    const StreamHandle h = rig.stream(ramp(1000), "r.wav");
    for (std::int64_t frames : {0LL, 1LL, 441LL, 44100LL, 1234567LL, 158760000LL}) {
        const double s = rig.engine->bytesToSeconds(h, frames * 4);
        EXPECT_DOUBLE_EQ(s, frames / 44100.0);
        EXPECT_EQ(rig.engine->secondsToBytes(h, s), frames * 4) << "round trip of " << frames;
    }
    EXPECT_EQ(rig.engine->secondsToBytes(h, 0.5 / 44100.0), 0) << "whole frames";
    EXPECT_EQ(rig.engine->secondsToBytes(h, -3.0), 0);
    EXPECT_EQ(rig.engine->secondsToBytes(h, std::nan("")), 0);
    EXPECT_EQ(rig.engine->secondsToBytes(0, 1.0), -1);
    EXPECT_EQ(rig.engine->bytesToSeconds(0, 4), -1.0);
}

TEST(AudioEngine, VolumeScalesAtOnceAndWithoutAJump) {
    EngineRig rig;
    ASSERT_TRUE(rig.engine->init(-1));
    const StreamHandle h = rig.stream(sine(1000, 0.8, 2.0), "s.wav");
    ASSERT_TRUE(rig.engine->play(h));
    rig.loop.advance(100);
    const double full = rms(rig.heard(4410 - 2205, 2205));
    ASSERT_TRUE(rig.engine->setVolume(h, 0.5f));
    EXPECT_FLOAT_EQ(rig.engine->volume(h), 0.5f);
    rig.loop.advance(100);
    // Halved from 5 ms after the change on.
    EXPECT_NEAR(rms(rig.heard(4410 + kRamp, 4410 - kRamp)) / full, 0.5, 0.001);
    // No step larger than the sine's own slope plus the ramp's share.
    const auto around = rig.heard(4410 - 10, kRamp + 20);
    double maxStep = 0;
    for (std::size_t i = 1; i < around.size(); ++i) maxStep = std::max(maxStep, std::fabs(around[i] - around[i - 1]));
    EXPECT_LT(maxStep, 0.8 * 2 * std::numbers::pi * 1000 / 44100 + 0.01);

    EXPECT_TRUE(rig.engine->setVolume(h, 7.0f));
    EXPECT_FLOAT_EQ(rig.engine->volume(h), 1.0f) << "clamped";
    EXPECT_TRUE(rig.engine->setVolume(h, 0.0f));
    rig.loop.advance(50);
    EXPECT_EQ(peak(rig.heard(rig.heardFrames() - 1000, 1000)), 0.0);
    EXPECT_FALSE(rig.engine->setVolume(h, std::nanf("")));
}

TEST(AudioEngine, AStreamStartedAtVolumeZeroMakesNoBlip) {
    EngineRig rig;
    ASSERT_TRUE(rig.engine->init(-1));
    const StreamHandle h = rig.stream(sine(1000, 0.8, 1.0), "s.wav");
    ASSERT_TRUE(rig.engine->setVolume(h, 0.0f));
    ASSERT_TRUE(rig.engine->play(h));
    rig.loop.advance(100);
    EXPECT_EQ(peak(rig.heard(0, rig.heardFrames())), 0.0);
}

TEST(AudioEngine, StreamsMixAndPausingOneKeepsTheOther) {
    EngineRig rig;
    ASSERT_TRUE(rig.engine->init(-1));
    const Signal a = sine(440, 0.3, 2.0);
    const Signal b = sine(1000, 0.3, 2.0);
    const StreamHandle ha = rig.stream(a, "a.wav");
    const StreamHandle hb = rig.stream(b, "b.wav");
    ASSERT_TRUE(rig.engine->play(ha));
    ASSERT_TRUE(rig.engine->play(hb));
    rig.loop.advance(200);
    const auto& out = rig.out->captured();
    int off = 0;
    for (std::int64_t i = kRamp; i < 8820; ++i) {
        const double want = std::nearbyint(a.samples[static_cast<std::size_t>(2 * i)] * 32768.0) +
                            std::nearbyint(b.samples[static_cast<std::size_t>(2 * i)] * 32768.0);
        off += std::fabs(out[static_cast<std::size_t>(2 * i)] - want) > 1.0;
    }
    EXPECT_EQ(off, 0);

    ASSERT_TRUE(rig.engine->pause(ha));
    const std::int64_t from = rig.heardFrames();
    rig.loop.advance(200);
    const auto rest = rig.heard(from + kRamp, 8000);
    EXPECT_NEAR(zeroCrossingHz(rest), 1000.0, 1.0);
    EXPECT_NEAR(rms(rest), 0.3 / std::sqrt(2.0), 0.002);
    EXPECT_EQ(rig.engine->positionBytes(hb), 17640 * 4);
    EXPECT_EQ(rig.engine->positionBytes(ha), 8820 * 4);
}

TEST(AudioEngine, TheSumClipsInsteadOfWrapping) {
    EngineRig rig;
    ASSERT_TRUE(rig.engine->init(-1));
    const Signal loud = sine(100, 0.9, 1.0);
    const StreamHandle a = rig.stream(loud, "a.wav");
    const StreamHandle b = rig.stream(loud, "b.wav");
    ASSERT_TRUE(rig.engine->play(a));
    ASSERT_TRUE(rig.engine->play(b));
    rig.loop.advance(100);
    const auto& out = rig.out->captured();
    int wrongSign = 0, clipped = 0;
    for (std::int64_t i = kRamp; i < 4410; ++i) {
        const float src = loud.samples[static_cast<std::size_t>(2 * i)];
        const int o = out[static_cast<std::size_t>(2 * i)];
        wrongSign += std::fabs(src) > 0.01 && ((src > 0) != (o > 0));
        clipped += o == 32767 || o == -32768;
    }
    EXPECT_EQ(wrongSign, 0);
    EXPECT_GT(clipped, 1000);
}

TEST(AudioEngine, OutputGainActsPerChannelOnTheWholeMix) {
    EngineRig rig;
    rig.engine->setOutputGain(0.5f, waveVolumeGain(65535));
    ASSERT_TRUE(rig.engine->init(-1));
    const StreamHandle h = rig.stream(sine(1000, 0.5, 1.0), "s.wav");
    ASSERT_TRUE(rig.engine->play(h));
    rig.loop.advance(100);
    // Set before the device opened, it holds from the first frame on.
    const auto& out = rig.out->captured();
    int off = 0;
    for (std::size_t i = 0; i < 2 * 4410; i += 2) off += std::abs(out[i] * 2 - out[i + 1]) > 1;
    EXPECT_EQ(off, 0);
    rig.engine->setOutputGain(waveVolumeGain(0), waveVolumeGain(0));
    rig.loop.advance(50);
    EXPECT_EQ(peak(rig.heard(rig.heardFrames() - 1500, 1500)), 0.0);
    EXPECT_FLOAT_EQ(waveVolumeGain(65024), 65024.0f / 65535.0f);
}

TEST(AudioEngine, FreedAndUnknownHandlesDoNothing) {
    EngineRig rig;
    ASSERT_TRUE(rig.engine->init(-1));
    const StreamHandle h = rig.stream(sine(1000, 0.5, 1.0), "s.wav");
    const FxHandle fx = rig.engine->addEqBand(h, {1000, 18, 3});
    ASSERT_NE(fx, 0u);
    EXPECT_NE(fx, h);
    ASSERT_TRUE(rig.engine->play(h));
    rig.loop.advance(50);
    ASSERT_TRUE(rig.engine->freeStream(h));
    rig.loop.advance(50);
    EXPECT_EQ(peak(rig.heard(rig.heardFrames() - 1000, 1000)), 0.0) << "a freed stream is silent";
    for (StreamHandle bad : {h, StreamHandle{0}, StreamHandle{987654}}) {
        EXPECT_FALSE(rig.engine->freeStream(bad));
        EXPECT_FALSE(rig.engine->play(bad));
        EXPECT_FALSE(rig.engine->stop(bad));
        EXPECT_FALSE(rig.engine->pause(bad));
        EXPECT_EQ(rig.engine->lengthBytes(bad), -1);
        EXPECT_EQ(rig.engine->positionBytes(bad), -1);
        EXPECT_FALSE(rig.engine->setPositionBytes(bad, 0));
        EXPECT_FALSE(rig.engine->setVolume(bad, 1.0f));
        EXPECT_EQ(rig.engine->addEqBand(bad, {1000, 18, 3}), 0u);
    }
    EqBandParams p;
    EXPECT_FALSE(rig.engine->eqBand(fx, p));
    EXPECT_FALSE(rig.engine->setEqBand(fx, {1000, 18, 6}));
    EXPECT_FALSE(rig.engine->setEqBand(0, {1000, 18, 6}));
    // A new stream does not take over an old handle.
    const StreamHandle again = rig.stream(sine(1000, 0.5, 1.0), "t.wav");
    EXPECT_NE(again, h);
    EXPECT_NE(again, fx);
}

TEST(AudioEngine, DevicesAreListedOpenedAndFreedLastFirst) {
    EngineRig rig({"Lautsprecher", "PreviewSD Karte", "Kopfhörer"}, 2);
    ASSERT_EQ(rig.engine->outputDeviceCount(), 3);
    DeviceInfo info;
    ASSERT_TRUE(rig.engine->deviceInfo(2, info));
    EXPECT_EQ(info.name, "PreviewSD Karte");
    EXPECT_EQ(info.flags, kDeviceEnabled | kDeviceDefault | kDeviceTypeSpeakers);
    EXPECT_FALSE(rig.engine->deviceInfo(0, info));
    EXPECT_FALSE(rig.engine->deviceInfo(4, info));
    EXPECT_FALSE(rig.engine->deviceInfo(-1, info));

    EXPECT_EQ(rig.engine->createStream(rig.path("none.wav")), 0u) << "no device yet";
    EXPECT_FALSE(rig.engine->init(1, 48000));
    EXPECT_FALSE(rig.engine->init(0));
    EXPECT_FALSE(rig.engine->init(4));
    rig.out->refuse(3);
    EXPECT_FALSE(rig.engine->init(3)) << "a device that cannot be opened";

    ASSERT_TRUE(rig.engine->init(1));
    EXPECT_FALSE(rig.engine->init(1)) << "open already";
    ASSERT_TRUE(rig.engine->deviceInfo(1, info));
    EXPECT_EQ(info.flags & 0x2000007u, 0x2000005u) << "enabled, initialised, not the default, output";
    const StreamHandle on1 = rig.stream(sine(1000, 0.5, 2.0), "one.wav");
    ASSERT_TRUE(rig.engine->init(-1));  // the default: device 2
    ASSERT_TRUE(rig.engine->deviceInfo(2, info));
    EXPECT_TRUE(info.flags & kDeviceInitialised);
    EXPECT_FALSE(rig.engine->init(2)) << "the default is open already";
    const StreamHandle on2 = rig.stream(sine(500, 0.5, 2.0), "two.wav");
    ASSERT_TRUE(rig.engine->play(on1));
    ASSERT_TRUE(rig.engine->play(on2));
    rig.loop.advance(100);
    EXPECT_NEAR(zeroCrossingHz(channel(rig.out->captured(1), 0, 441, 3969)), 1000.0, 2.0);
    EXPECT_NEAR(zeroCrossingHz(channel(rig.out->captured(2), 0, 441, 3969)), 500.0, 2.0);

    // free releases the device opened last and its streams; the one before
    // becomes current again.
    ASSERT_TRUE(rig.engine->free());
    EXPECT_FALSE(rig.out->isOpen(2));
    EXPECT_TRUE(rig.out->isOpen(1));
    EXPECT_EQ(rig.engine->lengthBytes(on2), -1);
    EXPECT_EQ(rig.engine->lengthBytes(on1), 2 * 44100 * 4);
    const StreamHandle later = rig.stream(sine(1000, 0.5, 1.0), "later.wav");
    ASSERT_NE(later, 0u);
    ASSERT_TRUE(rig.engine->free());
    EXPECT_EQ(rig.engine->lengthBytes(later), -1);
    EXPECT_FALSE(rig.engine->free());
}

TEST(AudioEngine, NoDeviceAtAllFailsCleanly) {
    EngineRig rig({}, 0);
    EXPECT_EQ(rig.engine->outputDeviceCount(), 0);
    EXPECT_FALSE(rig.engine->init(-1));
    EXPECT_FALSE(rig.engine->init(1));
    EXPECT_FALSE(rig.engine->free());
    ASSERT_TRUE(writeWav(rig.path("s.wav"), sine(1000, 0.5, 0.1)));
    EXPECT_EQ(rig.engine->createStream(rig.path("s.wav")), 0u);
}
