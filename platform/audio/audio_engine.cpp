#include "platform/audio/audio_engine.h"

#include "platform/audio/audio_output.h"
#include "platform/audio/decode_file.h"
#include "platform/audio/mixer.h"
#include "platform/audio/peaking_filter.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace qb {

AudioEngine::AudioEngine(std::unique_ptr<AudioOutput> output) : output_(std::move(output)) {}

AudioEngine::~AudioEngine() {
    while (free()) {
    }
}

bool AudioEngine::init(int device, int freq) {
    if (freq != kSampleRate || !output_) return false;
    if (device != -1 && (device < 1 || device > outputDeviceCount())) return false;
    const int number = device == -1 ? output_->defaultDevice() : device;
    for (const Device& d : devices_) {
        if (d.requested == device || (number != 0 && d.number == number)) return false;
    }
    auto mixer = std::make_unique<Mixer>();
    mixer->setOutputGain(gainL_, gainR_);
    if (!output_->open(device, *mixer)) return false;
    devices_.push_back(Device{device, number, std::move(mixer)});
    return true;
}

int AudioEngine::outputDeviceCount() const {
    return output_ ? static_cast<int>(output_->deviceNames().size()) : 0;
}

bool AudioEngine::deviceInfo(int device, DeviceInfo& info) const {
    if (!output_) return false;
    const auto names = output_->deviceNames();
    if (device < 1 || device > static_cast<int>(names.size())) return false;
    info.name = names[static_cast<std::size_t>(device - 1)];
    info.flags = kDeviceEnabled | kDeviceTypeSpeakers;
    if (output_->defaultDevice() == device) info.flags |= kDeviceDefault;
    for (const Device& d : devices_)
        if (d.number == device) info.flags |= kDeviceInitialised;
    return true;
}

bool AudioEngine::free() {
    if (devices_.empty()) return false;
    Mixer* mixer = devices_.back().mixer.get();
    for (auto it = streams_.begin(); it != streams_.end();) {
        auto cur = it++;
        if (cur->second.mixer == mixer) dropStream(cur);
    }
    output_->close(*mixer);
    devices_.pop_back();  // deletes the mixer and the voices it still holds
    return true;
}

std::uint32_t AudioEngine::newHandle() {
    for (;;) {
        const std::uint32_t h = next_++;
        if (h != 0 && !streams_.count(h) && !bands_.count(h)) return h;
    }
}

Voice* AudioEngine::voiceOf(StreamHandle h) const {
    auto it = streams_.find(h);
    return it == streams_.end() ? nullptr : it->second.voice;
}

void AudioEngine::dropStream(std::map<StreamHandle, Stream>::iterator it) {
    for (FxHandle fx : it->second.bands) bands_.erase(fx);
    it->second.mixer->remove(it->second.voice);
    streams_.erase(it);
}

StreamHandle AudioEngine::createStream(const std::string& path) {
    if (devices_.empty()) return 0;
    Pcm pcm;
    if (!decodeFile(path, pcm)) return 0;
    Mixer* mixer = devices_.back().mixer.get();
    Voice* voice = mixer->add(std::make_unique<Voice>(std::move(pcm)));
    if (!voice) return 0;
    const StreamHandle h = newHandle();
    streams_[h] = Stream{voice, mixer, {}};
    return h;
}

bool AudioEngine::freeStream(StreamHandle h) {
    auto it = streams_.find(h);
    if (it == streams_.end()) return false;
    dropStream(it);
    return true;
}

bool AudioEngine::play(StreamHandle h) {
    Voice* v = voiceOf(h);
    if (!v) return false;
    v->setState(StreamState::Playing);
    return true;
}

bool AudioEngine::stop(StreamHandle h) {
    Voice* v = voiceOf(h);
    if (!v) return false;
    v->setState(StreamState::Stopped);
    return true;
}

bool AudioEngine::pause(StreamHandle h) {
    Voice* v = voiceOf(h);
    if (!v || v->state() != StreamState::Playing) return false;
    v->setState(StreamState::Paused);
    return true;
}

StreamState AudioEngine::state(StreamHandle h) const {
    Voice* v = voiceOf(h);
    return v ? v->state() : StreamState::Stopped;
}

std::int64_t AudioEngine::lengthBytes(StreamHandle h) const {
    Voice* v = voiceOf(h);
    return v ? v->frames() * kBytesPerFrame : -1;
}

std::int64_t AudioEngine::positionBytes(StreamHandle h) const {
    Voice* v = voiceOf(h);
    return v ? v->position() * kBytesPerFrame : -1;
}

bool AudioEngine::setPositionBytes(StreamHandle h, std::int64_t pos) {
    Voice* v = voiceOf(h);
    if (!v || pos < 0 || pos > v->frames() * kBytesPerFrame) return false;
    v->seek(pos / kBytesPerFrame);
    return true;
}

double AudioEngine::bytesToSeconds(StreamHandle h, std::int64_t bytes) const {
    if (!voiceOf(h)) return -1.0;
    return static_cast<double>(bytes) / (kBytesPerFrame * kSampleRate);
}

std::int64_t AudioEngine::secondsToBytes(StreamHandle h, double seconds) const {
    if (!voiceOf(h)) return -1;
    if (!(seconds > 0.0)) return 0;
    const double frames = std::floor(seconds * kSampleRate + 1e-6);
    constexpr std::int64_t kMaxFrames = std::numeric_limits<std::int64_t>::max() / kBytesPerFrame;
    if (frames >= static_cast<double>(kMaxFrames)) return kMaxFrames * kBytesPerFrame;
    return static_cast<std::int64_t>(frames) * kBytesPerFrame;
}

bool AudioEngine::setVolume(StreamHandle h, float volume) {
    Voice* v = voiceOf(h);
    if (!v || std::isnan(volume)) return false;
    v->setVolume(std::clamp(volume, 0.0f, 1.0f));
    return true;
}

float AudioEngine::volume(StreamHandle h) const {
    Voice* v = voiceOf(h);
    return v ? v->volume() : -1.0f;
}

FxHandle AudioEngine::addEqBand(StreamHandle h, const EqBandParams& params) {
    auto it = streams_.find(h);
    if (it == streams_.end() || !bandIsValid(params, kSampleRate)) return 0;
    const int index = it->second.voice->addBand(params);
    if (index < 0) return 0;
    const FxHandle fx = newHandle();
    bands_[fx] = Band{h, index};
    it->second.bands.push_back(fx);
    return fx;
}

bool AudioEngine::eqBand(FxHandle fx, EqBandParams& params) const {
    auto it = bands_.find(fx);
    if (it == bands_.end()) return false;
    params = voiceOf(it->second.stream)->band(it->second.index);
    return true;
}

bool AudioEngine::setEqBand(FxHandle fx, const EqBandParams& params) {
    auto it = bands_.find(fx);
    if (it == bands_.end() || !bandIsValid(params, kSampleRate)) return false;
    voiceOf(it->second.stream)->setBand(it->second.index, params);
    return true;
}

void AudioEngine::setOutputGain(float left, float right) {
    auto clean = [](float g) { return std::isfinite(g) ? std::clamp(g, 0.0f, 1.0f) : 0.0f; };
    gainL_ = clean(left);
    gainR_ = clean(right);
    for (Device& d : devices_) d.mixer->setOutputGain(gainL_, gainR_);
}

}  // namespace qb
