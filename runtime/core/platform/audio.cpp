#include "runtime/core/platform/audio.h"

#include <SDL2/SDL.h>

#include <cstring>

#include "runtime/core/mixer.h"
#include "runtime/core/wave_reader.h"

namespace {
SDL_AudioDeviceID g_device = 0;
bool g_started_audio = false;

void Callback(void* user, Uint8* stream, int len) {
    auto* mixer = static_cast<Mixer*>(user);
    const int frames = len / static_cast<int>(sizeof(int16_t) * kDeviceChannels);
    mixer->Render(reinterpret_cast<int16_t*>(stream), frames);
}
}  // namespace

bool PlatformAudioOpen(Mixer* mixer) {
    if (g_device) return true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    g_started_audio = true;
    SDL_AudioSpec want{};
    want.freq = kDeviceRate;
    want.format = AUDIO_S16SYS;
    want.channels = kDeviceChannels;
    // 1024 frames: about 46 ms at 22050 Hz, short enough for effect sounds.
    want.samples = 1024;
    want.callback = &Callback;
    want.userdata = mixer;
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

void PlatformAudioClose() {
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
    ok = ok && SDL_AudioStreamFlush(stream) == 0;
    if (ok) {
        const int available = SDL_AudioStreamAvailable(stream);
        const size_t frame_bytes = sizeof(int16_t) * kDeviceChannels;
        out->resize(static_cast<size_t>(available) / frame_bytes * kDeviceChannels);
        const int want = static_cast<int>(out->size() * sizeof(int16_t));
        const int got = want > 0 ? SDL_AudioStreamGet(stream, out->data(), want) : 0;
        if (got < 0) {
            ok = false;
            out->clear();
        } else {
            out->resize(static_cast<size_t>(got) / sizeof(int16_t) / kDeviceChannels *
                        kDeviceChannels);
        }
    }
    SDL_FreeAudioStream(stream);
    return ok;
}
