// The audio device (22050 Hz, stereo, 16 bit) and conversion of sounds to its format.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// The layout of PCM samples in a sound file.
struct WaveFormat {
    int channels = 0;  // 1 or 2
    int samples_per_second = 0;
    int bits_per_sample = 0;  // 8 (unsigned) or 16 (signed, little-endian)
    int block_align = 0;      // bytes per frame
};

// Fills `frames` frames of interleaved 16-bit stereo at `out`; called on the audio thread.
using AudioRender = void (*)(void* user, int16_t* out, int frames);

constexpr int kDeviceRate = 22050;
constexpr int kDeviceChannels = 2;

// Opens the default output device and starts pulling frames from `render` on the audio
// thread. False when no device opens (there is then no sound). In a browser the device opens
// at the first key or click instead (PlatformAudioUserGesture), as browsers allow a page's
// sound to start only then.
bool PlatformAudioOpen(AudioRender render, void* user);
// A key pressed or a button clicked: in a browser, the device asked for before opens now.
void PlatformAudioUserGesture();
void PlatformAudioClose();
bool PlatformAudioIsOpen();

// Converts PCM samples of `format` to interleaved 16-bit stereo at the device rate. False
// when the conversion cannot be set up.
bool PlatformConvertToDevice(const WaveFormat& format, const uint8_t* data, size_t size,
                             std::vector<int16_t>* out);
