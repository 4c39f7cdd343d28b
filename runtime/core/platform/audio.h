// The audio device (22050 Hz, stereo, 16 bit) and conversion of sounds to its format.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

class Mixer;
struct WaveFormat;

constexpr int kDeviceRate = 22050;
constexpr int kDeviceChannels = 2;

// Opens the default output device and starts pulling mixed frames from `mixer` on the audio
// thread. False when no device opens (there is then no sound).
bool PlatformAudioOpen(Mixer* mixer);
void PlatformAudioClose();
bool PlatformAudioIsOpen();

// Converts PCM samples of `format` to interleaved 16-bit stereo at the device rate. False
// when the conversion cannot be set up.
bool PlatformConvertToDevice(const WaveFormat& format, const uint8_t* data, size_t size,
                             std::vector<int16_t>* out);
