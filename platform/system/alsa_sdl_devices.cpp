#include "platform/system/alsa_sdl_devices.h"

#include <SDL.h>
#include <alsa/asoundlib.h>
#include <cstdarg>

namespace qb {

namespace {

void quietAlsa(const char*, int, const char*, int, const char*, ...) {}

// Sequencer access that keeps ALSA's messages to itself while it runs.
class SeqClient {
public:
    SeqClient() {
        snd_lib_error_set_handler(quietAlsa);
        if (snd_seq_open(&seq_, "default", SND_SEQ_OPEN_DUPLEX, SND_SEQ_NONBLOCK) < 0) seq_ = nullptr;
    }
    ~SeqClient() {
        if (seq_) snd_seq_close(seq_);
        snd_lib_error_set_handler(nullptr);
    }
    SeqClient(const SeqClient&) = delete;
    SeqClient& operator=(const SeqClient&) = delete;
    snd_seq_t* get() const { return seq_; }

private:
    snd_seq_t* seq_ = nullptr;
};

bool isHardwareInput(const snd_seq_port_info_t* port) {
    const unsigned caps = snd_seq_port_info_get_capability(port);
    const unsigned type = snd_seq_port_info_get_type(port);
    const unsigned wanted = SND_SEQ_PORT_CAP_READ | SND_SEQ_PORT_CAP_SUBS_READ;
    return (caps & wanted) == wanted && !(caps & SND_SEQ_PORT_CAP_NO_EXPORT) &&
           (type & SND_SEQ_PORT_TYPE_HARDWARE) != 0;
}

}  // namespace

int AlsaSdlDevices::midiInputCount() {
    SeqClient client;
    snd_seq_t* seq = client.get();
    if (!seq) return 0;
    snd_seq_client_info_t* cinfo = nullptr;
    snd_seq_port_info_t* pinfo = nullptr;
    snd_seq_client_info_alloca(&cinfo);
    snd_seq_port_info_alloca(&pinfo);
    int count = 0;
    snd_seq_client_info_set_client(cinfo, -1);
    while (snd_seq_query_next_client(seq, cinfo) >= 0) {
        const int id = snd_seq_client_info_get_client(cinfo);
        if (id == SND_SEQ_CLIENT_SYSTEM) continue;
        snd_seq_port_info_set_client(pinfo, id);
        snd_seq_port_info_set_port(pinfo, -1);
        while (snd_seq_query_next_port(seq, pinfo) >= 0) {
            if (isHardwareInput(pinfo)) ++count;
        }
    }
    return count;
}

int AlsaSdlDevices::waveOutputCount() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return 0;
    int count = SDL_GetNumAudioDevices(0);
    if (count < 0) count = 1;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return count;
}

}  // namespace qb
