#include "runtime/audio/mixer.h"

#include <algorithm>
#include <cmath>

namespace {
// DirectSound-style range, hundredths of a decibel.
constexpr int kSilence = -10000;
}  // namespace

double GainFromVolume(int volume) {
    if (volume <= kSilence) return 0.0;
    if (volume >= 0) return 1.0;
    return std::pow(10.0, volume / 2000.0);
}

void GainsFromPan(int pan, double* left, double* right) {
    pan = std::clamp(pan, kSilence, -kSilence);
    *left = pan > 0 ? GainFromVolume(-pan) : 1.0;
    *right = pan < 0 ? GainFromVolume(pan) : 1.0;
}

bool Mixer::Valid(int id) const {
    return id >= 0 && id < static_cast<int>(buffers_.size()) && buffers_[id].used;
}

void Mixer::UpdateGains(Buffer& b) {
    double left = 1, right = 1;
    GainsFromPan(b.pan, &left, &right);
    const double level = GainFromVolume(b.volume);
    b.gain_left = static_cast<float>(level * left);
    b.gain_right = static_cast<float>(level * right);
}

int Mixer::CreateBuffer(SampleBlock samples) {
    std::lock_guard lock(mutex_);
    Buffer b;
    b.used = true;
    b.samples = samples ? std::move(samples) : std::make_shared<const std::vector<int16_t>>();
    UpdateGains(b);
    for (size_t i = 0; i < buffers_.size(); ++i) {
        if (!buffers_[i].used) {
            buffers_[i] = std::move(b);
            return static_cast<int>(i);
        }
    }
    buffers_.push_back(std::move(b));
    return static_cast<int>(buffers_.size() - 1);
}

int Mixer::DuplicateBuffer(int id) {
    SampleBlock samples;
    {
        std::lock_guard lock(mutex_);
        if (!Valid(id)) return -1;
        samples = buffers_[id].samples;
    }
    return CreateBuffer(std::move(samples));
}

void Mixer::ReleaseBuffer(int id) {
    std::lock_guard lock(mutex_);
    if (Valid(id)) buffers_[id] = Buffer{};
}

bool Mixer::Play(int id) {
    std::lock_guard lock(mutex_);
    if (!Valid(id)) return false;
    buffers_[id].playing = true;
    return true;
}

bool Mixer::Stop(int id) {
    std::lock_guard lock(mutex_);
    if (!Valid(id)) return false;
    buffers_[id].playing = false;
    return true;
}

bool Mixer::SetPosition(int id, int64_t frame) {
    std::lock_guard lock(mutex_);
    if (!Valid(id)) return false;
    Buffer& b = buffers_[id];
    const auto frames = static_cast<int64_t>(b.samples->size() / 2);
    b.position = std::clamp<int64_t>(frame, 0, frames);
    return true;
}

bool Mixer::SetVolume(int id, int volume) {
    std::lock_guard lock(mutex_);
    if (!Valid(id)) return false;
    buffers_[id].volume = std::clamp(volume, kSilence, 0);
    UpdateGains(buffers_[id]);
    return true;
}

bool Mixer::SetPan(int id, int pan) {
    std::lock_guard lock(mutex_);
    if (!Valid(id)) return false;
    buffers_[id].pan = std::clamp(pan, kSilence, -kSilence);
    UpdateGains(buffers_[id]);
    return true;
}

bool Mixer::IsPlaying(int id) const {
    std::lock_guard lock(mutex_);
    return Valid(id) && buffers_[id].playing;
}

int64_t Mixer::Position(int id) const {
    std::lock_guard lock(mutex_);
    return Valid(id) ? buffers_[id].position : 0;
}

int Mixer::BufferCount() const {
    std::lock_guard lock(mutex_);
    return static_cast<int>(
        std::count_if(buffers_.begin(), buffers_.end(), [](const Buffer& b) { return b.used; }));
}

void Mixer::Render(int16_t* out, int frames) {
    if (frames <= 0) return;
    std::lock_guard lock(mutex_);
    const auto values = static_cast<size_t>(frames) * 2;
    // The accumulator only grows when a caller asks for a longer block than ever before; the
    // audio callback always asks for the same length, so after its first call it never does.
    if (accumulator_.size() < values) accumulator_.resize(values);
    std::fill_n(accumulator_.begin(), values, 0);
    for (Buffer& b : buffers_) {
        if (!b.used || !b.playing) continue;
        const std::vector<int16_t>& s = *b.samples;
        const auto total = static_cast<int64_t>(s.size() / 2);
        const int64_t count = std::min<int64_t>(frames, total - b.position);
        const int16_t* src = s.data() + b.position * 2;
        for (int64_t i = 0; i < count; ++i) {
            accumulator_[i * 2] += static_cast<int32_t>(std::lround(src[i * 2] * b.gain_left));
            accumulator_[i * 2 + 1] +=
                static_cast<int32_t>(std::lround(src[i * 2 + 1] * b.gain_right));
        }
        b.position += std::max<int64_t>(count, 0);
        // A sound played to its end stops and rewinds, so the next play starts it again.
        if (b.position >= total) {
            b.playing = false;
            b.position = 0;
        }
    }
    for (size_t i = 0; i < values; ++i)
        out[i] = static_cast<int16_t>(std::clamp<int32_t>(accumulator_[i], -32768, 32767));
}
