// The mixer with a real second thread pulling, as the sound card's thread
// does, while the user-interface side adds, changes and removes voices.
#include "platform/audio/mixer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using namespace qb;

namespace {
std::unique_ptr<Voice> constantVoice(std::int16_t value, std::int64_t frames) {
    Pcm pcm;
    pcm.samples.assign(static_cast<std::size_t>(frames) * 2, value);
    return std::make_unique<Voice>(std::move(pcm));
}
}  // namespace

TEST(Mixer, ATableFullOfVoicesRefusesTheNextOne) {
    Mixer m;
    for (int i = 0; i < Mixer::kMaxVoices; ++i) ASSERT_NE(m.add(constantVoice(1, 10)), nullptr);
    EXPECT_EQ(m.add(constantVoice(1, 10)), nullptr);
}

TEST(Mixer, RemovedVoicesAreFreedOnlyAfterTheRunningPull) {
    // Run under the address sanitizer this catches a voice deleted while the
    // audio thread still reads it.
    Mixer m;
    std::atomic<bool> done{false};
    std::atomic<long> pulls{0};
    std::atomic<bool> wrong{false};
    std::thread audio([&] {
        std::int16_t buf[2 * 512];
        while (!done.load()) {
            m.pull(buf, 512);
            for (std::int16_t s : buf)
                if (s < 0 || s > 300) wrong.store(true);  // at most three voices of 100
            pulls.fetch_add(1);
        }
    });
    for (int round = 0; round < 400; ++round) {
        Voice* a = m.add(constantVoice(100, 100000));
        Voice* b = m.add(constantVoice(100, 100000));
        ASSERT_NE(a, nullptr);
        ASSERT_NE(b, nullptr);
        a->setState(StreamState::Playing);
        b->setState(StreamState::Playing);
        a->addBand({1000, 18, 0});
        a->setVolume(0.5f);
        const long seen = pulls.load();
        while (pulls.load() < seen + 2) std::this_thread::yield();
        m.remove(a);
        b->seek(5);
        m.remove(b);
    }
    done.store(true);
    audio.join();
    m.collect();
    EXPECT_EQ(m.retiredCount(), 0u);
    EXPECT_FALSE(wrong.load());
}

TEST(Mixer, SilenceWithoutVoicesAndUnityGainIsBitExact) {
    Mixer m;
    std::int16_t out[2 * 1000];
    m.pull(out, 1000);
    for (std::int16_t s : out) ASSERT_EQ(s, 0);
    Pcm pcm;
    for (int i = 0; i < 2000; ++i) pcm.samples.push_back(static_cast<std::int16_t>(i * 37 - 32768));
    Voice* v = m.add(std::make_unique<Voice>(pcm));
    v->setState(StreamState::Playing);
    m.pull(out, 1000);
    for (int i = 2 * Voice::kRampFrames; i < 2000; ++i) ASSERT_EQ(out[i], pcm.samples[static_cast<std::size_t>(i)]) << i;
}
