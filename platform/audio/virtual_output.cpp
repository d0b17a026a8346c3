#include "platform/audio/virtual_output.h"

#include "platform/audio/mixer.h"
#include "platform/audio/pcm.h"
#include "platform/core/virtual_loop.h"

namespace qb {

namespace {
std::int64_t framesAt(std::int64_t ms) { return ms * kEngineRate / 1000; }
}  // namespace

VirtualOutput::VirtualOutput(VirtualLoop& loop, std::vector<std::string> names, int defaultDevice)
    : loop_(loop), names_(std::move(names)), default_(defaultDevice) {}

VirtualOutput::~VirtualOutput() {
    while (!open_.empty()) close(*open_.begin()->first);
}

bool VirtualOutput::open(int device, Mixer& mixer) {
    const int d = resolve(device);
    if (d < 1 || d > static_cast<int>(names_.size()) || refused_.count(d) || open_.count(&mixer)) return false;
    captured_[d].clear();
    Mixer* m = &mixer;
    const int ticker = loop_.addTicker([this, m, d](std::int64_t fromMs, std::int64_t toMs) {
        const std::int64_t n = framesAt(toMs) - framesAt(fromMs);
        if (n <= 0) return;
        auto& buf = captured_[d];
        const std::size_t at = buf.size();
        buf.resize(at + static_cast<std::size_t>(n) * 2);
        m->pull(buf.data() + at, static_cast<int>(n));
    });
    open_[&mixer] = Open{d, ticker};
    return true;
}

void VirtualOutput::close(Mixer& mixer) {
    auto it = open_.find(&mixer);
    if (it == open_.end()) return;
    loop_.removeTicker(it->second.ticker);
    open_.erase(it);
}

const std::vector<std::int16_t>& VirtualOutput::captured(int device) const {
    static const std::vector<std::int16_t> none;
    auto it = captured_.find(resolve(device));
    return it == captured_.end() ? none : it->second;
}

void VirtualOutput::clearCaptured() {
    for (auto& [d, buf] : captured_) buf.clear();
}

bool VirtualOutput::isOpen(int device) const {
    const int d = resolve(device);
    for (const auto& [m, o] : open_)
        if (o.device == d) return true;
    return false;
}

}  // namespace qb
