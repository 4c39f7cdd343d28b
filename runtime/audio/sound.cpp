#include "runtime/audio/sound.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

#include "runtime/audio/mixer.h"
#include "runtime/audio/wave_reader.h"
#include "runtime/base/log.h"
#include "runtime/base/whole_file.h"
#include "runtime/platform/audio.h"
#include "runtime/values/media_lookup.h"

namespace {
constexpr int kSlotTable = 2048;
constexpr int kLastCommandSlot = 127;
constexpr int kMaxBuffers = 4;
// Effect sounds are short; a bigger file is not one of ours.
constexpr long kMaxFileBytes = 64L * 1024 * 1024;

struct SoundSlot {
    int count = 0;  // buffers held, 0 = empty
    int current = 0;
    std::array<int, kMaxBuffers> buffers{-1, -1, -1, -1};  // mixer buffer ids
};

struct SoundDevice {
    Mixer mixer;
    bool open = false;
    SoundOutput output = SoundOutput::kDevice;
    std::vector<SoundSlot> slots = std::vector<SoundSlot>(kSlotTable);
};

std::unique_ptr<SoundDevice> g_sound;
std::string (*g_resolve)(const std::string&) = nullptr;

// Slot numbers the commands accept: 128 and above act on 127; negative ones on nothing.
SoundSlot* CommandSlot(int slot) {
    if (!g_sound || slot < 0) return nullptr;
    return &g_sound->slots[static_cast<size_t>(std::min(slot, kLastCommandSlot))];
}

void StopAndRewind(const SoundSlot& s) {
    for (int i = 0; i < s.count; ++i) {
        g_sound->mixer.Stop(s.buffers[i]);
        g_sound->mixer.SetPosition(s.buffers[i], 0);
    }
}

void Empty(SoundSlot& s) {
    StopAndRewind(s);
    for (int i = 0; i < s.count; ++i) g_sound->mixer.ReleaseBuffer(s.buffers[i]);
    s = SoundSlot{};
}

// Reads and converts the file into a shared sample block at the device format.
SampleBlock LoadSamples(const std::string& path, std::string* why) {
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(path, bytes, why, kMaxFileBytes)) return nullptr;
    WaveData wave;
    if (!ReadWave(bytes.data(), bytes.size(), &wave, why)) return nullptr;
    auto samples = std::make_shared<std::vector<int16_t>>();
    if (!PlatformConvertToDevice(wave.format, wave.data, wave.size, samples.get())) {
        *why = "cannot be converted to the device format";
        return nullptr;
    }
    return samples;
}
}  // namespace

void SoundCreate() {
    if (!g_sound) g_sound = std::make_unique<SoundDevice>();
}

bool SoundInitDevice(SoundOutput output) {
    SoundCreate();
    if (g_sound->open) return true;
    g_sound->output = output;
    if (output == SoundOutput::kDevice) {
        const AudioRender render = [](void* user, int16_t* out, int frames) {
            static_cast<Mixer*>(user)->Render(out, frames);
        };
        if (!PlatformAudioOpen(render, &g_sound->mixer)) {
            AppendLog("No Sound Device");
            return false;
        }
    }
    g_sound->open = true;
    return true;
}

bool SoundDeviceOpen() {
    return g_sound && g_sound->open;
}

void SoundShutdown() {
    if (!g_sound) return;
    if (g_sound->output == SoundOutput::kDevice) PlatformAudioClose();
    for (SoundSlot& s : g_sound->slots) Empty(s);
    g_sound.reset();
}

void SetSoundFileResolver(std::string (*resolve)(const std::string& name)) {
    g_resolve = resolve;
}

int LoadSoundSlot(const std::string& file, int slot, int buffers) {
    SoundSlot* s = CommandSlot(slot);
    if (!s) return 0;
    std::string path = g_resolve ? g_resolve(file) : ResolveMediaName(file);
    if (path.empty()) path = file;
    Empty(*s);
    if (!g_sound->open) return 0;

    std::string why;
    SampleBlock samples = LoadSamples(path, &why);
    if (!samples) {
        AppendLog("Sound not loaded: " + file + " (" + why + ")");
        return 0;
    }
    const int count = std::clamp(buffers, 1, kMaxBuffers);
    s->buffers[0] = g_sound->mixer.CreateBuffer(std::move(samples));
    for (int i = 1; i < count; ++i) s->buffers[i] = g_sound->mixer.DuplicateBuffer(s->buffers[0]);
    s->count = count;
    return 1;
}

int PlaySoundSlot(int slot, double pan, double volume) {
    SoundSlot* s = CommandSlot(slot);
    if (!s || s->count == 0 || !g_sound->open) return -1;
    slot = std::min(slot, kLastCommandSlot);
    pan = std::isnan(pan) ? 0.0 : std::clamp(pan, -1.0, 1.0);
    const int percent =
        std::isnan(volume) ? 0 : static_cast<int>(std::clamp(volume * 100.0, 0.0, 100.0));

    // A copy still playing is left alone when it is the only one; with more copies the next
    // one is taken, restarted from the beginning if it is still playing too.
    Mixer& m = g_sound->mixer;
    if (m.IsPlaying(s->buffers[s->current])) {
        if (s->count == 1) return -1;
        s->current = (s->current + 1) % s->count;
        const int next = s->buffers[s->current];
        if (m.IsPlaying(next)) {
            m.Stop(next);
            m.SetPosition(next, 0);
        }
    }
    const int id = s->buffers[s->current];
    m.SetVolume(id, percent * 100 - 10000);
    m.SetPan(id, static_cast<int>(pan * 10000.0));
    if (!m.Play(id)) return -1;
    return slot * 256 + s->current;
}

void StopAllSounds() {
    if (!g_sound) return;
    for (int i = 0; i <= kLastCommandSlot; ++i) StopAndRewind(g_sound->slots[i]);
}

int SoundPlaying(int channel) {
    if (!g_sound || channel < 0) return 0;
    const int slot = channel / 256;
    const int buffer = channel % 256;
    if (slot >= kSlotTable) return 0;
    const SoundSlot& s = g_sound->slots[static_cast<size_t>(slot)];
    if (buffer >= s.count) return 0;
    return g_sound->mixer.IsPlaying(s.buffers[buffer]) ? 1 : 0;
}

void SoundRender(int16_t* out, int frames) {
    if (frames <= 0) return;
    if (!g_sound || !g_sound->open || g_sound->output != SoundOutput::kPulled) {
        std::fill_n(out, static_cast<size_t>(frames) * 2, int16_t{0});
        return;
    }
    g_sound->mixer.Render(out, frames);
}

int SoundSlotBuffers(int slot) {
    if (!g_sound || slot < 0 || slot >= kSlotTable) return 0;
    return g_sound->slots[static_cast<size_t>(slot)].count;
}
