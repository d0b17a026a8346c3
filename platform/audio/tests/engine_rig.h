#pragma once
// An engine on the virtual output device, driven by a virtual loop, with a
// private folder for the sound files a test writes.

#include "platform/audio/audio_engine.h"
#include "platform/audio/testing/signal.h"
#include "platform/audio/testing/wav_writer.h"
#include "platform/audio/virtual_output.h"
#include "platform/core/virtual_loop.h"
#include "platform/testing/temp_home.h"

#include <memory>
#include <string>
#include <vector>

namespace qb::audiotest {

struct EngineRig {
    explicit EngineRig(std::vector<std::string> names = {"Virtuelle Ausgabe"}, int defaultDevice = 1)
        : dir(qb::testing::makeTempDir("audio")) {
        auto o = std::make_unique<VirtualOutput>(loop, std::move(names), defaultDevice);
        out = o.get();
        engine = std::make_unique<AudioEngine>(std::move(o));
    }

    std::string path(const std::string& name) const { return dir + "/" + name; }

    // Write s as a 16-bit WAV and open it as a stream (0 on failure).
    StreamHandle stream(const Signal& s, const std::string& name) {
        const std::string p = path(name);
        if (!writeWav(p, s)) return 0;
        return engine->createStream(p);
    }

    // Captured output of the default device, frames [from, from+count), one channel.
    std::vector<double> heard(std::int64_t from, std::int64_t count, int ch = 0) const {
        return channel(out->captured(), ch, from, count);
    }
    std::int64_t heardFrames() const { return static_cast<std::int64_t>(out->captured().size() / 2); }

    VirtualLoop loop;
    VirtualOutput* out = nullptr;
    std::unique_ptr<AudioEngine> engine;
    std::string dir;
};

}  // namespace qb::audiotest
