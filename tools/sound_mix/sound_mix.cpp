// Plays a fixed sequence of sounds through LoadSoundSlot and PlaySoundSlot and records what
// the mixer makes of it, so the mix can be listened to and measured (sox FILE -n stat).
//
//   sound_mix OUT.wav            renders the mixer straight into OUT.wav (22050 Hz stereo)
//   sound_mix --device           plays through the audio device in real time; record it with
//                                SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=OUT.raw
//   sound_mix OUT.wav FILE...    instead of the fixed sequence, plays the given wave files one
//                                a second, centred at full level (--device works too)
//
// The sounds are made here: a 440 Hz tone (16 bit, mono, 22050 Hz), a 660 Hz tone (8 bit,
// mono, 11025 Hz) and a 880 Hz tone (16 bit, stereo, 44100 Hz), each half a second at half
// of full scale, written to the temporary folder first.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

#include "runtime/audio/sound.h"
#include "runtime/platform/clock.h"

namespace {
constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;

void Put16(std::vector<uint8_t>& v, int x) {
    v.push_back(static_cast<uint8_t>(x & 0xFF));
    v.push_back(static_cast<uint8_t>((x >> 8) & 0xFF));
}
void Put32(std::vector<uint8_t>& v, uint32_t x) {
    Put16(v, static_cast<int>(x & 0xFFFF));
    Put16(v, static_cast<int>(x >> 16));
}
void PutTag(std::vector<uint8_t>& v, const char* t) {
    for (int i = 0; i < 4; ++i) v.push_back(static_cast<uint8_t>(t[i]));
}

std::vector<uint8_t> WaveFile(int channels, int rate, int bits, const std::vector<uint8_t>& data) {
    const int align = channels * bits / 8;
    std::vector<uint8_t> f;
    PutTag(f, "RIFF");
    Put32(f, static_cast<uint32_t>(36 + data.size()));
    PutTag(f, "WAVE");
    PutTag(f, "fmt ");
    Put32(f, 16);
    Put16(f, 1);
    Put16(f, channels);
    Put32(f, static_cast<uint32_t>(rate));
    Put32(f, static_cast<uint32_t>(rate * align));
    Put16(f, align);
    Put16(f, bits);
    PutTag(f, "data");
    Put32(f, static_cast<uint32_t>(data.size()));
    f.insert(f.end(), data.begin(), data.end());
    return f;
}

std::vector<uint8_t> Tone(double hz, int channels, int rate, int bits) {
    std::vector<uint8_t> d;
    const int frames = rate / 2;
    for (int i = 0; i < frames; ++i) {
        const double s = 0.5 * std::sin(2 * kPi * hz * i / rate);
        for (int c = 0; c < channels; ++c) {
            if (bits == 8)
                d.push_back(static_cast<uint8_t>(std::lround(128 + s * 127)));
            else
                Put16(d, static_cast<int>(std::lround(s * 32767)));
        }
    }
    return WaveFile(channels, rate, bits, d);
}

bool Write(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

struct Cue {
    int at_ms;
    int slot;
    double pan;
    double volume;
};
// Left tone, right tone 50 dB down, centred 8-bit tone, the stereo tone three times
// overlapping (three buffers), then a one-buffer replay refused while it still plays.
const Cue kCues[] = {
    {0, 1, -1.0, 1.0},   {600, 1, 1.0, 0.5},  {1200, 2, 0.0, 1.0}, {1800, 3, 0.0, 1.0},
    {1900, 3, 0.0, 1.0}, {2000, 3, 0.0, 1.0}, {2600, 1, 0.0, 1.0}, {2700, 1, 0.0, 1.0},
};
constexpr int kLengthMs = 3400;
}  // namespace

int main(int argc, char** argv) {
    const bool device = argc > 1 && std::string(argv[1]) == "--device";
    if (argc < 2) {
        std::fprintf(stderr, "usage: sound_mix OUT.wav | sound_mix --device\n");
        return 2;
    }
    const char* tmp = std::getenv("TMPDIR");
    const std::string folder = std::string(tmp && *tmp ? tmp : "/tmp") + "/";
    const std::string files[3] = {folder + "sound_mix_440.wav", folder + "sound_mix_660.wav",
                                  folder + "sound_mix_880.wav"};
    if (!Write(files[0], Tone(440, 1, 22050, 16)) || !Write(files[1], Tone(660, 1, 11025, 8)) ||
        !Write(files[2], Tone(880, 2, 44100, 16))) {
        std::fprintf(stderr, "sound_mix: cannot write the test sounds to %s\n", folder.c_str());
        return 1;
    }

    SoundCreate();
    if (!SoundInitDevice(device ? SoundOutput::kDevice : SoundOutput::kPulled)) {
        std::fprintf(stderr, "sound_mix: no audio device\n");
        return 1;
    }
    std::vector<Cue> cues(std::begin(kCues), std::end(kCues));
    int length_ms = kLengthMs;
    if (argc > 2) {
        // The caller's files, slots 1 to 127, one a second.
        cues.clear();
        for (int i = 2; i < argc && i - 1 <= 127; ++i) {
            if (!LoadSoundSlot(argv[i], i - 1, 1))
                std::fprintf(stderr, "sound_mix: %s not loaded\n", argv[i]);
            cues.push_back({(i - 2) * 1000, i - 1, 0.0, 1.0});
        }
        length_ms = static_cast<int>(cues.size()) * 1000;
    } else {
        const int buffers[3] = {1, 1, 3};
        for (int i = 0; i < 3; ++i) {
            if (!LoadSoundSlot(files[i], i + 1, buffers[i])) {
                std::fprintf(stderr, "sound_mix: %s not loaded\n", files[i].c_str());
                return 1;
            }
        }
    }

    std::vector<int16_t> mix;
    const double start = PlatformNowMs();
    auto advance_to = [&](int ms) {
        if (device) {
            while (PlatformNowMs() - start < ms) PlatformSleepMs(1);
            return;
        }
        const size_t frames = static_cast<size_t>(ms) * kRate / 1000;
        const size_t have = mix.size() / 2;
        if (frames <= have) return;
        mix.resize(frames * 2);
        SoundRender(mix.data() + have * 2, static_cast<int>(frames - have));
    };
    for (const Cue& c : cues) {
        advance_to(c.at_ms);
        const int channel = PlaySoundSlot(c.slot, c.pan, c.volume);
        std::printf("%5d ms  slot %d  pan %+.1f  volume %.1f  -> channel %d\n", c.at_ms, c.slot,
                    c.pan, c.volume, channel);
    }
    advance_to(length_ms);
    SoundShutdown();
    if (device) return 0;

    std::vector<uint8_t> data;
    for (int16_t s : mix) Put16(data, static_cast<uint16_t>(s));
    if (!Write(argv[1], WaveFile(2, kRate, 16, data))) {
        std::fprintf(stderr, "sound_mix: cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("%zu frames written to %s\n", mix.size() / 2, argv[1]);
    return 0;
}
