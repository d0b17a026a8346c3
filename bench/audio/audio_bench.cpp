// Speed of the deck engine, in one run:
//
//   audio_bench [minutes=5]
//
// 1. Mixing 4 playing streams with 5 equalizer bands each on one core:
//    frames per second and the multiple of real time.
// 2. Creating a stream (read, scan, decode) from a 192 kbit/s MP3 of the given
//    length, made by lame from a generated WAV.
// 3. The same decode by `lame --decode` of the same file, and the ratio.
// Each time is the best of three rounds. Files live in a temporary folder that
// is removed at the end.
#include "platform/audio/audio_engine.h"
#include "platform/audio/mixer.h"
#include "platform/audio/testing/lame.h"
#include "platform/audio/testing/wav_writer.h"
#include "platform/audio/virtual_output.h"
#include "platform/core/virtual_loop.h"

#include <QCoreApplication>
#include <QProcess>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <numbers>
#include <random>
#include <unistd.h>

using namespace qb;
using Clock = std::chrono::steady_clock;

namespace {

double bestSeconds(int rounds, const std::function<void()>& fn) {
    double best = 1e300;
    for (int i = 0; i < rounds; ++i) {
        const auto t0 = Clock::now();
        fn();
        best = std::min(best, std::chrono::duration<double>(Clock::now() - t0).count());
    }
    return best;
}

// Music-like sound: a few tones that wander, and some noise.
float musicSample(std::int64_t i, int c, std::mt19937& rng) {
    static std::uniform_real_distribution<float> noise(-0.05f, 0.05f);
    const double t = static_cast<double>(i) / 44100.0;
    const double f = 110.0 * (1 + static_cast<int>(t * 2) % 5);
    return static_cast<float>(0.3 * std::sin(2 * std::numbers::pi * f * t * (1 + 0.5 * c)) +
                              0.15 * std::sin(2 * std::numbers::pi * 2500.0 * t + std::sin(t))) +
           noise(rng);
}

void benchMix() {
    std::mt19937 rng(1);
    Mixer mixer;
    std::vector<Voice*> voices;
    const std::int64_t frames = 30 * 44100;
    for (int v = 0; v < 4; ++v) {
        Pcm pcm;
        pcm.samples.resize(static_cast<std::size_t>(frames) * 2);
        for (std::int64_t i = 0; i < frames; ++i)
            for (int c = 0; c < 2; ++c) pcm.samples[static_cast<std::size_t>(2 * i + c)] =
                static_cast<std::int16_t>(musicSample(i + v * 1000, c, rng) * 20000.0f);
        Voice* voice = mixer.add(std::make_unique<Voice>(std::move(pcm)));
        const float gains[5] = {4, -3, 2, -6, 5};
        const float centres[5] = {80, 250, 1000, 4000, 15000};
        for (int b = 0; b < 5; ++b) voice->addBand({centres[b], 18.0f, gains[b]});
        voice->setVolume(0.7f);
        voice->setState(StreamState::Playing);
        voices.push_back(voice);
    }
    mixer.setOutputGain(0.9f, 0.9f);
    std::vector<std::int16_t> out(2 * 1024);
    const std::int64_t total = 20 * 44100;  // 20 s of sound per round (stays inside the 30 s)
    const double s = bestSeconds(3, [&] {
        for (Voice* v : voices) v->seek(0);
        for (std::int64_t done = 0; done < total; done += 1024) mixer.pull(out.data(), 1024);
    });
    const double fps = static_cast<double>(total) / s;
    std::printf("mix 4 streams x 5 bands: %.0f frames/s on one core = %.0f x real time (%.2f ms per 1024-frame buffer)\n",
                fps, fps / 44100.0, 1024.0 / fps * 1000.0);
}

void benchCreate(int minutes, const std::string& dir) {
    const std::string wav = dir + "/long.wav";
    const std::string mp3 = dir + "/long.mp3";
    std::mt19937 rng(2);
    const auto sig = audiotest::makeSignal(44100, 2, std::int64_t{minutes} * 60 * 44100,
                                           [&](std::int64_t i, int c) { return musicSample(i, c, rng); });
    if (!audiotest::writeWav(wav, sig)) {
        std::printf("cannot write %s\n", wav.c_str());
        return;
    }
    const auto e0 = Clock::now();
    if (!audiotest::runLame({"-b", "192"}, wav, mp3)) {
        std::printf("lame failed\n");
        return;
    }
    std::printf("(encoding %d min at 192 kbit/s with lame: %.1f s, %.1f MB)\n", minutes,
                std::chrono::duration<double>(Clock::now() - e0).count(),
                static_cast<double>(std::filesystem::file_size(mp3)) / 1e6);

    VirtualLoop loop;
    AudioEngine engine(std::make_unique<VirtualOutput>(loop));
    engine.init(-1);
    std::int64_t length = 0;
    const double create = bestSeconds(3, [&] {
        const StreamHandle h = engine.createStream(mp3);
        length = engine.lengthBytes(h);
        engine.freeStream(h);
    });
    std::printf("create stream (read + scan + decode) of a %d min 192 kbit/s MP3: %.0f ms, %.1f MB decoded, %s\n",
                minutes, create * 1000.0, static_cast<double>(length) / 1e6,
                length == sig.frames() * 4 ? "length exact" : "LENGTH WRONG");

    const std::string decoded = dir + "/lame_decoded.wav";
    const double lame = bestSeconds(3, [&] {
        QProcess p;
        p.start("lame", {"--quiet", "--decode", QString::fromStdString(mp3), QString::fromStdString(decoded)});
        p.waitForFinished(600000);
    });
    std::printf("lame --decode of the same file: %.0f ms; engine is %.1f x as fast\n", lame * 1000.0, lame / create);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int minutes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const auto dir = std::filesystem::temp_directory_path() / ("qb_audio_bench." + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    benchMix();
    if (audiotest::haveLame()) benchCreate(minutes, dir.string());
    else std::printf("lame not found: stream creation not measured\n");
    std::filesystem::remove_all(dir);
    return 0;
}
