// End to end through a real sound server: a private PulseAudio server with
// two null sinks; the engine plays a tone on one of them through SDL2, and
// the sinks' monitors are recorded with parec and measured.
#include "platform/audio/audio_engine.h"
#include "platform/audio/sdl_output.h"
#include "platform/audio/testing/signal.h"
#include "platform/audio/testing/wav_writer.h"
#include "platform/testing/temp_home.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

using namespace qb;
using namespace qb::audiotest;

namespace {

class Recorder {
public:
    Recorder(const QString& sink, const QProcessEnvironment& env) {
        p_.setProcessEnvironment(env);
        p_.start("parec", {"-d", sink + ".monitor", "--raw", "--format=s16le", "--rate=44100", "--channels=2",
                           "--latency-msec=20"});
    }
    ~Recorder() {
        p_.kill();
        p_.waitForFinished(3000);
    }
    bool started() { return p_.waitForStarted(5000); }
    void read() {
        p_.waitForReadyRead(5);
        const QByteArray b = p_.readAllStandardOutput();
        bytes_.append(b);
        const std::size_t whole = static_cast<std::size_t>(bytes_.size()) / 4 * 4;
        const auto* s = reinterpret_cast<const std::int16_t*>(bytes_.constData());
        samples.insert(samples.end(), s, s + whole / 2);
        bytes_.remove(0, static_cast<qsizetype>(whole));
    }
    std::vector<std::int16_t> samples;

private:
    QProcess p_;
    QByteArray bytes_;
};

class EnvOverride {
public:
    EnvOverride(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        had_ = std::getenv(name) != nullptr;
        setenv(name, value.c_str(), 1);
    }
    ~EnvOverride() {
        if (had_) setenv(name_, old_.c_str(), 1);
        else unsetenv(name_);
    }

private:
    const char* name_;
    std::string old_;
    bool had_ = false;
};

}  // namespace

TEST(PulseEndToEnd, AToneOnOneSinkIsHeardThereAndOnlyThere) {
    if (QStandardPaths::findExecutable("pulseaudio").isEmpty() || QStandardPaths::findExecutable("parec").isEmpty())
        GTEST_SKIP() << "pulseaudio and parec are not installed";

    const std::string dir = qb::testing::makeTempDir("pa");
    const std::string socket = dir + "/native";
    ASSERT_LT(socket.size(), 100u) << "socket path too long for a Unix socket";
    {
        std::ofstream conf(dir + "/pa.conf");
        conf << "load-module module-native-protocol-unix auth-anonymous=1 socket=" << socket << "\n"
             << "load-module module-null-sink sink_name=qb_eins sink_properties=device.description=QbEins\n"
             << "load-module module-null-sink sink_name=qb_zwei sink_properties=device.description=QbZwei\n";
    }
    std::filesystem::create_directories(dir + "/rt");
    std::filesystem::create_directories(dir + "/state");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", QString::fromStdString(dir));
    env.insert("PULSE_RUNTIME_PATH", QString::fromStdString(dir + "/rt"));
    env.insert("PULSE_STATE_PATH", QString::fromStdString(dir + "/state"));
    env.insert("PULSE_SERVER", QString::fromStdString("unix:" + socket));

    QProcess server;
    server.setProcessEnvironment(env);
    server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // Running as root needs --system=false to stay a private per-user server.
    server.start("pulseaudio", {"--daemonize=no", "--exit-idle-time=-1", "-n", "-F", QString::fromStdString(dir + "/pa.conf"),
                                "--system=false", "--disallow-exit", "--use-pid-file=no", "--disable-shm=yes",
                                "--log-level=error", "--log-target=stderr"});
    ASSERT_TRUE(server.waitForStarted(5000));
    struct Stopper {
        QProcess& p;
        ~Stopper() {
            p.terminate();
            if (!p.waitForFinished(3000)) {
                p.kill();
                p.waitForFinished(3000);
            }
        }
    } stopper{server};
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(15);
    while (!std::filesystem::exists(socket) && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ASSERT_TRUE(std::filesystem::exists(socket)) << "the sound server did not come up";

    EnvOverride driver("SDL_AUDIODRIVER", "pulseaudio");
    EnvOverride pulse("PULSE_SERVER", "unix:" + socket);
    EnvOverride runtime("PULSE_RUNTIME_PATH", dir + "/rt");

    AudioEngine engine(std::make_unique<SdlOutput>());
    int eins = 0, zwei = 0;
    for (int n = 1; n <= engine.outputDeviceCount(); ++n) {
        DeviceInfo info;
        ASSERT_TRUE(engine.deviceInfo(n, info));
        if (info.name == "QbEins") eins = n;
        if (info.name == "QbZwei") zwei = n;
        EXPECT_TRUE(info.flags & kDeviceEnabled);
    }
    ASSERT_NE(eins, 0) << "sink QbEins not among the devices";
    ASSERT_NE(zwei, 0) << "sink QbZwei not among the devices";

    Recorder one("qb_eins", env), two("qb_zwei", env);
    ASSERT_TRUE(one.started());
    ASSERT_TRUE(two.started());

    ASSERT_TRUE(engine.init(eins));
    DeviceInfo info;
    ASSERT_TRUE(engine.deviceInfo(eins, info));
    EXPECT_TRUE(info.flags & kDeviceInitialised);
    const std::string wav = dir + "/tone.wav";
    ASSERT_TRUE(writeWav(wav, sine(1000, 0.5, 8.0)));
    const StreamHandle h = engine.createStream(wav);
    ASSERT_NE(h, 0u);
    ASSERT_TRUE(engine.setVolume(h, 0.5f));
    ASSERT_TRUE(engine.play(h));

    // A null sink takes a while to pass the first sound: wait for it.
    constexpr std::int64_t kWindow = 22050;
    std::int64_t soundAt = -1;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < deadline) {
        one.read();
        two.read();
        const auto left = channel(one.samples, 0, 0, static_cast<std::int64_t>(one.samples.size() / 2));
        if (soundAt < 0) soundAt = firstAbove(left, 0.05);
        if (soundAt >= 0 && static_cast<std::int64_t>(left.size()) >= soundAt + 4410 + kWindow) break;
    }
    ASSERT_GE(soundAt, 0) << "no sound reached the sink";
    const auto heard = channel(one.samples, 0, soundAt + 4410, kWindow);
    ASSERT_EQ(static_cast<std::int64_t>(heard.size()), kWindow);
    EXPECT_NEAR(zeroCrossingHz(heard), 1000.0, 2.0);
    EXPECT_NEAR(dB(rms(heard) / (0.25 / std::sqrt(2.0))), 0.0, 0.5);
    EXPECT_LT(peak(channel(two.samples, 0, 0, static_cast<std::int64_t>(two.samples.size() / 2))), 0.001)
        << "the other sink stays silent";
    EXPECT_GT(engine.positionBytes(h), 0);
    EXPECT_TRUE(engine.free());
}
