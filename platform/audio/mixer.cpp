#include "platform/audio/mixer.h"

#include "platform/audio/pcm_builder.h"

#include <algorithm>
#include <cmath>

namespace qb {

Mixer::~Mixer() {
    for (auto& s : slots_) delete s.exchange(nullptr);
}

Voice* Mixer::add(std::unique_ptr<Voice> voice) {
    collect();
    for (auto& s : slots_) {
        if (s.load() == nullptr) {
            Voice* v = voice.release();
            s.store(v);
            return v;
        }
    }
    return nullptr;
}

void Mixer::remove(Voice* voice) {
    for (auto& s : slots_) {
        if (s.load() == voice) {
            s.store(nullptr);
            // A pull that started before the store may still use the voice;
            // one that starts after it cannot see it.
            retired_.emplace_back(std::unique_ptr<Voice>(voice), epoch_.load());
            break;
        }
    }
    collect();
}

void Mixer::collect() {
    const std::uint64_t now = epoch_.load();
    std::erase_if(retired_, [now](const auto& r) { return (r.second & 1) == 0 || r.second != now; });
}

void Mixer::setOutputGain(float left, float right) {
    auto clean = [](float g) { return std::isfinite(g) ? std::clamp(g, 0.0f, 1.0f) : 0.0f; };
    gainL_.store(clean(left));
    gainR_.store(clean(right));
}

void Mixer::pull(std::int16_t* out, int frames) {
    epoch_.fetch_add(1);  // odd: a pull is running
    const float targetL = gainL_.load();
    const float targetR = gainR_.load();
    constexpr float step = 1.0f / Voice::kRampFrames;
    if (!pulled_) {
        curL_ = targetL;
        curR_ = targetR;
        pulled_ = true;
    }
    while (frames > 0) {
        const int n = std::min(frames, Voice::kBlockFrames);
        std::fill(mix_.begin(), mix_.begin() + 2 * n, 0.0f);
        for (auto& s : slots_) {
            if (Voice* v = s.load()) v->render(mix_.data(), n);
        }
        for (int i = 0; i < n; ++i) {
            curL_ = curL_ < targetL ? std::min(targetL, curL_ + step) : std::max(targetL, curL_ - step);
            curR_ = curR_ < targetR ? std::min(targetR, curR_ + step) : std::max(targetR, curR_ - step);
            out[2 * i] = floatToS16(mix_[static_cast<std::size_t>(2 * i)] * curL_);
            out[2 * i + 1] = floatToS16(mix_[static_cast<std::size_t>(2 * i + 1)] * curR_);
        }
        out += 2 * n;
        frames -= n;
    }
    epoch_.fetch_add(1);  // even: no pull running
}

}  // namespace qb
