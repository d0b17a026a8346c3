#pragma once
// The deck audio engine of Tonello and Tonello_Preview: streams opened from
// files, played, paused, stopped and positioned byte-exactly, each with its
// own volume and peaking equalizer bands, mixed as floating point and played
// on one of the machine's output devices.
//
// Each operation names, beside it, the operation of the BASS interface the
// programs were written against. All calls come from the user-interface
// thread; the output's audio thread only mixes (see mixer.h).
//
// Units: "bytes" are bytes of the decoded 16-bit stereo form at 44,100 Hz
// (4 per frame), so byte and second conversions are exact. Handles are 32-bit,
// 0 means none; stream and band handles are never equal, and a handle is not
// given out again while the engine lives (until the counter wraps).

#include "platform/audio/eq_band.h"
#include "platform/audio/voice.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace qb {

class AudioOutput;
class Mixer;

using StreamHandle = std::uint32_t;
using FxHandle = std::uint32_t;

// Flags of DeviceInfo: the values the programs test for.
inline constexpr std::uint32_t kDeviceEnabled = 0x1;
inline constexpr std::uint32_t kDeviceDefault = 0x2;
inline constexpr std::uint32_t kDeviceInitialised = 0x4;
inline constexpr std::uint32_t kDeviceTypeSpeakers = 0x02000000;  // type bits: an output for listening

struct DeviceInfo {
    std::string name;
    std::uint32_t flags = 0;
};

// Gain of a 16-bit channel volume of the wave-output kind (0 silent ..
// 65535 full, linear), for setOutputGain.
inline float waveVolumeGain(std::uint32_t channelVolume) {
    return static_cast<float>(channelVolume > 65535 ? 65535 : channelVolume) / 65535.0f;
}

class AudioEngine {
public:
    static constexpr int kSampleRate = 44100;

    explicit AudioEngine(std::unique_ptr<AudioOutput> output);
    ~AudioEngine();  // releases every device and stream
    AudioEngine(const AudioEngine&) = delete;
    AudioEngine& operator=(const AudioEngine&) = delete;

    // --- devices ---
    // BASS_Init: open device (-1 = default output, 1.. = outputDeviceCount()
    // devices) at freq (only 44,100 is offered). It becomes the current device,
    // on which new streams play. False when it cannot be opened, is open
    // already, or freq is another rate.
    bool init(int device, int freq = kSampleRate);
    // BASS_GetDeviceInfo: name and flags of device 1..outputDeviceCount();
    // false for any other number.
    bool deviceInfo(int device, DeviceInfo& info) const;
    // Number of output devices (the highest valid device number).
    int outputDeviceCount() const;
    // BASS_Free: release the device initialised last (that is still open) and
    // every stream on it; the device opened before it becomes current again.
    // False when no device is open.
    bool free();

    // --- streams ---
    // BASS_StreamCreateFile (whole file, pre-scan): read and decode the whole
    // file now (MP3 or WAV by content; other rates converted to 44,100 Hz).
    // 0 when no device is open or the file cannot be opened or decoded.
    StreamHandle createStream(const std::string& path);
    // BASS_StreamFree.
    bool freeStream(StreamHandle h);
    // BASS_ChannelPlay (restart = false): play from the current position.
    bool play(StreamHandle h);
    // BASS_ChannelStop: silent at once; the position stays.
    bool stop(StreamHandle h);
    // BASS_ChannelPause: false when the stream is not playing.
    bool pause(StreamHandle h);
    // BASS_ChannelIsActive: a stream that reached its end is Stopped.
    StreamState state(StreamHandle h) const;

    // BASS_ChannelGetLength (bytes); -1 for an unknown handle.
    std::int64_t lengthBytes(StreamHandle h) const;
    // BASS_ChannelGetPosition (bytes); -1 for an unknown handle.
    std::int64_t positionBytes(StreamHandle h) const;
    // BASS_ChannelSetPosition (bytes): continue from pos (rounded down to a
    // whole frame). False when pos is outside 0..length.
    bool setPositionBytes(StreamHandle h, std::int64_t pos);
    // BASS_ChannelBytes2Seconds; -1 for an unknown handle.
    double bytesToSeconds(StreamHandle h, std::int64_t bytes) const;
    // BASS_ChannelSeconds2Bytes: whole frames (a value a hair below a frame
    // boundary, as a round trip through seconds gives, counts as on it);
    // negative or not-a-number seconds give 0; -1 for an unknown handle.
    std::int64_t secondsToBytes(StreamHandle h, double seconds) const;
    // BASS_ChannelSetAttribute (volume): 0.0 silent .. 1.0 full, clamped;
    // heard within 5 ms, ramped so that it does not click.
    bool setVolume(StreamHandle h, float volume);
    // BASS_ChannelGetAttribute (volume); -1 for an unknown handle.
    float volume(StreamHandle h) const;

    // --- equalizer ---
    // BASS_ChannelSetFX (parametric equalizer): add a peaking band. 0 when the
    // stream is unknown, the band is out of range (see peaking_filter.h) or
    // the stream has Voice::kMaxBands bands already.
    FxHandle addEqBand(StreamHandle h, const EqBandParams& params = {});
    // BASS_FXGetParameters.
    bool eqBand(FxHandle fx, EqBandParams& params) const;
    // BASS_FXSetParameters: heard from the next mixed block on. False (and
    // nothing changes) for an unknown handle or a band out of range.
    bool setEqBand(FxHandle fx, const EqBandParams& params);

    // --- program output ---
    // The program's own output gain on top of the mix, per channel, linear
    // 0..1 (the wave output volume of the program), for every device.
    void setOutputGain(float left, float right);
    float outputGainLeft() const { return gainL_; }
    float outputGainRight() const { return gainR_; }

private:
    struct Device {
        int requested;  // as passed to init (-1 or a number)
        int number;     // resolved device number, 0 when the default is unknown
        std::unique_ptr<Mixer> mixer;
    };
    struct Stream {
        Voice* voice;
        Mixer* mixer;
        std::vector<FxHandle> bands;
    };
    struct Band {
        StreamHandle stream;
        int index;
    };
    std::uint32_t newHandle();
    Voice* voiceOf(StreamHandle h) const;
    void dropStream(std::map<StreamHandle, Stream>::iterator it);

    std::unique_ptr<AudioOutput> output_;
    std::vector<Device> devices_;
    std::map<StreamHandle, Stream> streams_;
    std::map<FxHandle, Band> bands_;
    std::uint32_t next_ = 1;
    float gainL_ = 1.0f, gainR_ = 1.0f;
};

}  // namespace qb
