// Peaking equalizer bands measured on the mixed output.
#include "platform/audio/tests/engine_rig.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace qb;
using namespace qb::audiotest;

namespace {

// Level in dB of a tone through the given bands, against the same tone without.
double bandEffectDb(const std::vector<EqBandParams>& bands, double toneHz) {
    EngineRig rig;
    EXPECT_TRUE(rig.engine->init(-1));
    const Signal tone = sine(toneHz, 0.1, 1.5);  // +15 dB stays below full scale
    const StreamHandle dry = rig.stream(tone, "dry.wav");
    const StreamHandle wet = rig.stream(tone, "wet.wav");
    for (const auto& b : bands) EXPECT_NE(rig.engine->addEqBand(wet, b), 0u);
    // One after the other on the same device, measured after the filters settled.
    EXPECT_TRUE(rig.engine->play(dry));
    rig.loop.advance(1000);
    const double dryRms = rms(rig.heard(22050, 22050));
    EXPECT_TRUE(rig.engine->stop(dry));
    rig.loop.advance(20);
    const std::int64_t from = rig.heardFrames();
    EXPECT_TRUE(rig.engine->play(wet));
    rig.loop.advance(1000);
    return dB(rms(rig.heard(from + 22050, 22050)) / dryRms);
}

const std::vector<EqBandParams> kFiveBandsFlat = {{80, 18, 0}, {250, 18, 0}, {1000, 18, 0}, {4000, 18, 0}, {15000, 18, 0}};

}  // namespace

TEST(Equalizer, MeasuredGainsOfPeakingBands) {
    struct Case {
        const char* name;
        std::vector<EqBandParams> bands;
        double toneHz, wantDb, tolerance;
    };
    const std::vector<Case> cases = {
        {"+6 dB at 1 kHz, at the centre", {{1000, 18, 6}}, 1000, 6.0, 0.2},
        {"-15 dB at 80 Hz, at the centre", {{80, 18, -15}}, 80, -15.0, 0.3},
        {"-15 dB at 80 Hz, heard at 1 kHz", {{80, 18, -15}}, 1000, 0.0, 0.5},
        {"+15 dB at 15 kHz, at the centre", {{15000, 18, 15}}, 15000, 15.0, 0.3},
        {"five flat bands change nothing", kFiveBandsFlat, 1000, 0.0, 0.01},
        {"five flat bands, low tone", kFiveBandsFlat, 60, 0.0, 0.01},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(bandEffectDb(c.bands, c.toneHz), c.wantDb, c.tolerance);
    }
}

TEST(Equalizer, ChangingAGainWhilePlayingIsHeardWithinOneBuffer) {
    EngineRig rig;
    ASSERT_TRUE(rig.engine->init(-1));
    const StreamHandle h = rig.stream(sine(1000, 0.25, 2.0), "s.wav");
    std::vector<FxHandle> fx;
    for (const auto& b : kFiveBandsFlat) fx.push_back(rig.engine->addEqBand(h, b));
    ASSERT_TRUE(rig.engine->play(h));
    rig.loop.advance(300);
    const double before = rms(rig.heard(rig.heardFrames() - 4410, 4410));

    // As the track bar handler does: read the band, change the gain, write it back.
    EqBandParams p;
    ASSERT_TRUE(rig.engine->eqBand(fx[2], p));
    EXPECT_EQ(p.centre, 1000.0f);
    EXPECT_EQ(p.bandwidth, 18.0f);
    p.gain = 6.0f;
    ASSERT_TRUE(rig.engine->setEqBand(fx[2], p));
    const std::int64_t changed = rig.heardFrames();
    rig.loop.advance(100);
    // 1024 frames (the real device's buffer) after the change it is there.
    EXPECT_NEAR(dB(rms(rig.heard(changed + 1024, 1024)) / before), 6.0, 0.2);
    EXPECT_NEAR(dB(rms(rig.heard(changed + 2048, 2205)) / before), 6.0, 0.2);
    EqBandParams back;
    ASSERT_TRUE(rig.engine->eqBand(fx[2], back));
    EXPECT_EQ(back.gain, 6.0f);
}

TEST(Equalizer, BandsOutOfRangeAreRefusedAndChangeNothing) {
    EngineRig rig;
    ASSERT_TRUE(rig.engine->init(-1));
    const StreamHandle h = rig.stream(sine(1000, 0.25, 0.5), "s.wav");
    const std::vector<EqBandParams> bad = {
        {0, 18, 0}, {-5, 18, 0}, {22050, 18, 0}, {30000, 18, 0}, {1000, 0, 0}, {1000, -1, 0},
        {1000, 60, 0}, {1000, 18, 40}, {std::nanf(""), 18, 0}, {1000, 18, std::nanf("")}, {1000, INFINITY, 0},
    };
    for (const auto& b : bad) EXPECT_EQ(rig.engine->addEqBand(h, b), 0u) << b.centre << " " << b.bandwidth << " " << b.gain;

    const FxHandle fx = rig.engine->addEqBand(h, {4000, 18, -3});
    ASSERT_NE(fx, 0u);
    for (const auto& b : bad) EXPECT_FALSE(rig.engine->setEqBand(fx, b));
    EqBandParams p;
    ASSERT_TRUE(rig.engine->eqBand(fx, p));
    EXPECT_EQ(p.centre, 4000.0f);
    EXPECT_EQ(p.gain, -3.0f);

    // A stream takes a limited number of bands; the next is refused.
    int added = 1;
    while (rig.engine->addEqBand(h, {1000, 18, 0}) != 0) ++added;
    EXPECT_EQ(added, Voice::kMaxBands);
}
