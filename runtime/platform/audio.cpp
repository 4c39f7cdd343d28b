#include "runtime/platform/audio.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {
SDL_AudioDeviceID g_device = 0;
AudioRender g_render = nullptr;
void* g_render_user = nullptr;
bool g_started_audio = false;
// Silent frames (at the sound's rate) that push a sound's end through the resampler.
constexpr size_t kResamplerTail = 4096;
#ifdef __EMSCRIPTEN__
// A browser lets a page make sound only once the visitor has pressed a key or clicked (its
// autoplay rule: a sound context made before that is refused, with a warning on the console).
// There the device opens at the first key or click; until then the game runs as with sound.
bool g_gesture_seen = false;
bool g_open_at_gesture = false;
#endif

void Callback(void*, Uint8* stream, int len) {
    const int frames = len / static_cast<int>(sizeof(int16_t) * kDeviceChannels);
    g_render(g_render_user, reinterpret_cast<int16_t*>(stream), frames);
}

bool OpenDevice() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    g_started_audio = true;
    SDL_AudioSpec want{};
    want.freq = kDeviceRate;
    want.format = AUDIO_S16SYS;
    want.channels = kDeviceChannels;
    // 1024 frames: about 46 ms at 22050 Hz, short enough for effect sounds.
    want.samples = 1024;
    want.callback = &Callback;
    // No changes allowed: SDL converts to whatever the hardware wants.
    g_device = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
    if (!g_device) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        g_started_audio = false;
        return false;
    }
    SDL_PauseAudioDevice(g_device, 0);
    return true;
}
}  // namespace

bool PlatformAudioOpen(AudioRender render, void* user) {
    if (g_device) return true;
    g_render = render;
    g_render_user = user;
#ifdef __EMSCRIPTEN__
    if (!g_gesture_seen) {
        g_open_at_gesture = true;
        return true;
    }
#endif
    return OpenDevice();
}

void PlatformAudioUserGesture() {
#ifdef __EMSCRIPTEN__
    g_gesture_seen = true;
    if (!g_open_at_gesture) return;
    g_open_at_gesture = false;
    if (!OpenDevice()) std::fprintf(stderr, "zolv: no sound: %s\n", SDL_GetError());
#endif
}

void PlatformAudioClose() {
#ifdef __EMSCRIPTEN__
    g_open_at_gesture = false;
#endif
    if (g_device) {
        SDL_CloseAudioDevice(g_device);
        g_device = 0;
    }
    if (g_started_audio) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        g_started_audio = false;
    }
}

bool PlatformAudioIsOpen() {
    return g_device != 0;
}

bool PlatformConvertToDevice(const WaveFormat& format, const uint8_t* data, size_t size,
                             std::vector<int16_t>* out) {
    out->clear();
    if (size > static_cast<size_t>(SDL_MAX_SINT32)) return false;
    const SDL_AudioFormat from = format.bits_per_sample == 8 ? AUDIO_U8 : AUDIO_S16LSB;
    SDL_AudioStream* stream =
        SDL_NewAudioStream(from, static_cast<Uint8>(format.channels), format.samples_per_second,
                           AUDIO_S16SYS, kDeviceChannels, kDeviceRate);
    if (!stream) return false;
    bool ok = size == 0 || SDL_AudioStreamPut(stream, data, static_cast<int>(size)) == 0;
    // The resampler keeps back the last few hundred frames even when flushed: feed it
    // silence after the sound and cut its output to the sound's own length afterwards.
    const size_t in_frames = size / static_cast<size_t>(format.block_align);
    const auto out_frames = static_cast<size_t>(
        (static_cast<uint64_t>(in_frames) * kDeviceRate + format.samples_per_second - 1) /
        static_cast<uint64_t>(format.samples_per_second));
    if (format.samples_per_second != kDeviceRate) {
        const uint8_t quiet = format.bits_per_sample == 8 ? 0x80 : 0;
        const std::vector<uint8_t> tail(kResamplerTail * static_cast<size_t>(format.block_align),
                                        quiet);
        ok = ok && SDL_AudioStreamPut(stream, tail.data(), static_cast<int>(tail.size())) == 0;
    }
    ok = ok && SDL_AudioStreamFlush(stream) == 0;
    // A resampling stream hands its output over in pieces: take them until none is left.
    const size_t frame_values = kDeviceChannels;
    std::vector<int16_t> piece(4096 * frame_values);
    while (ok) {
        const int got = SDL_AudioStreamGet(stream, piece.data(),
                                           static_cast<int>(piece.size() * sizeof(int16_t)));
        if (got < 0) ok = false;
        if (got <= 0) break;
        out->insert(out->end(), piece.begin(),
                    piece.begin() + static_cast<long>(static_cast<size_t>(got) / sizeof(int16_t)));
    }
    if (!ok) out->clear();
    out->resize(std::min(out->size() / frame_values, out_frames) * frame_values);
    SDL_FreeAudioStream(stream);
    return ok;
}
