#include "platform/audio/sdl_output.h"

#include "platform/audio/mixer.h"
#include "platform/audio/pcm.h"

#include <SDL.h>

namespace qb {

namespace {
void pullFromMixer(void* user, Uint8* stream, int len) {
    static_cast<Mixer*>(user)->pull(reinterpret_cast<std::int16_t*>(stream), len / kBytesPerFrame);
}
}  // namespace

SdlOutput::SdlOutput() { available_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0; }

SdlOutput::~SdlOutput() {
    while (!open_.empty()) close(*open_.begin()->first);
    if (available_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

std::vector<std::string> SdlOutput::deviceNames() {
    std::vector<std::string> names;
    if (!available_) return names;
    const int n = SDL_GetNumAudioDevices(0);
    for (int i = 0; i < n; ++i) {
        const char* name = SDL_GetAudioDeviceName(i, 0);
        names.emplace_back(name ? name : "");
    }
    return names;
}

int SdlOutput::defaultDevice() {
    if (!available_) return 0;
    char* name = nullptr;
    SDL_AudioSpec spec;
    if (SDL_GetDefaultAudioInfo(&name, &spec, 0) != 0 || !name) return 0;
    const std::string def = name;
    SDL_free(name);
    const auto names = deviceNames();
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == def) return static_cast<int>(i) + 1;
    return 0;
}

bool SdlOutput::open(int device, Mixer& mixer) {
    if (!available_ || open_.count(&mixer)) return false;
    std::string name;
    if (device != -1) {
        const auto names = deviceNames();
        if (device < 1 || device > static_cast<int>(names.size())) return false;
        name = names[static_cast<std::size_t>(device - 1)];
    }
    SDL_AudioSpec want{};
    want.freq = kEngineRate;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = kBufferFrames;
    want.callback = pullFromMixer;
    want.userdata = &mixer;
    SDL_AudioSpec have{};
    // No changes allowed: SDL converts if the device wants another format.
    const SDL_AudioDeviceID id = SDL_OpenAudioDevice(device == -1 ? nullptr : name.c_str(), 0, &want, &have, 0);
    if (id == 0) return false;
    open_[&mixer] = id;
    SDL_PauseAudioDevice(id, 0);
    return true;
}

void SdlOutput::close(Mixer& mixer) {
    auto it = open_.find(&mixer);
    if (it == open_.end()) return;
    SDL_CloseAudioDevice(it->second);  // waits for a running callback
    open_.erase(it);
}

}  // namespace qb
