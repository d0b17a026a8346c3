#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/system/alsa_sdl_devices.h"
#include "platform/system/fixed_devices.h"

namespace qb {
namespace {

TEST(AlsaSdlDevices, NoSequencerMeansNoMidiInputsAndNoNoise) {
    if (std::filesystem::exists("/dev/snd/seq")) GTEST_SKIP() << "this machine has an ALSA sequencer";
    AlsaSdlDevices devices;
    ::testing::internal::CaptureStderr();
    const int first = devices.midiInputCount();
    const int second = devices.midiInputCount();
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, 0);
}

TEST(AlsaSdlDevices, CountsTheOutputsOfTheAudioDriver) {
    // SDL's dummy driver has exactly one output.
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    AlsaSdlDevices devices;
    EXPECT_EQ(devices.waveOutputCount(), 1);
    EXPECT_EQ(devices.waveOutputCount(), 1);  // counting again after the subsystem was shut
}

TEST(FixedDevices, GivesWhatTheTestSets) {
    FixedDevices d(1, 2);
    EXPECT_EQ(d.midiInputCount(), 1);
    EXPECT_EQ(d.waveOutputCount(), 2);
    d.setWaveOutputs(0);
    EXPECT_EQ(d.waveOutputCount(), 0);
}

}  // namespace
}  // namespace qb
