// The engine on SDL2's own devices: the `dummy` driver stands for a machine
// without a sound card (SDL_AUDIODRIVER=dummy in every test run).
#include "platform/audio/audio_engine.h"
#include "platform/audio/sdl_output.h"
#include "platform/audio/testing/wav_writer.h"
#include "platform/testing/temp_home.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

using namespace qb;
using namespace qb::audiotest;

namespace {
// Sets an environment variable for one scope.
class EnvOverride {
public:
    EnvOverride(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        setenv(name, value, 1);
    }
    ~EnvOverride() {
        if (old_.empty()) unsetenv(name_);
        else setenv(name_, old_.c_str(), 1);
    }

private:
    const char* name_;
    std::string old_;
};
}  // namespace

TEST(SdlOutput, PlaysInRealTimeOnTheDummyDriver) {
    EnvOverride driver("SDL_AUDIODRIVER", "dummy");
    AudioEngine engine(std::make_unique<SdlOutput>());
    ASSERT_TRUE(engine.init(-1));
    const std::string p = qb::testing::makeTempDir("sdl") + "/s.wav";
    ASSERT_TRUE(writeWav(p, sine(1000, 0.5, 0.5)));
    const StreamHandle h = engine.createStream(p);
    ASSERT_NE(h, 0u);
    ASSERT_TRUE(engine.play(h));
    const auto start = std::chrono::steady_clock::now();
    std::int64_t last = 0;
    bool monotonic = true;
    while (engine.state(h) == StreamState::Playing && std::chrono::steady_clock::now() - start < std::chrono::seconds(10)) {
        const std::int64_t pos = engine.positionBytes(h);
        monotonic = monotonic && pos >= last && pos % 4 == 0 && pos <= engine.lengthBytes(h);
        last = pos;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_TRUE(monotonic);
    EXPECT_EQ(engine.state(h), StreamState::Stopped);
    EXPECT_EQ(engine.positionBytes(h), engine.lengthBytes(h));
    // It took about the half second the sound lasts, not an instant.
    EXPECT_GT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(300));
    EXPECT_TRUE(engine.freeStream(h));
    EXPECT_TRUE(engine.free());
}

TEST(SdlOutput, NoUsableDriverMeansInitFails) {
    EnvOverride driver("SDL_AUDIODRIVER", "no-such-driver");
    auto out = std::make_unique<SdlOutput>();
    EXPECT_FALSE(out->available());
    AudioEngine engine(std::move(out));
    EXPECT_EQ(engine.outputDeviceCount(), 0);
    EXPECT_FALSE(engine.init(-1));
    EXPECT_FALSE(engine.init(1));
    const std::string p = qb::testing::makeTempDir("sdl") + "/s.wav";
    ASSERT_TRUE(writeWav(p, sine(1000, 0.5, 0.1)));
    EXPECT_EQ(engine.createStream(p), 0u);
}
