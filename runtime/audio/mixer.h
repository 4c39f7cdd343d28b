// Our own mixer: what the sound commands expect of a sound buffer (play once, stop, rewind,
// status, duplicates sharing one sample block, volume in hundredths of a decibel, pan as
// attenuation of the opposite channel), mixed to 16-bit stereo at the device rate.
//
// Plain C++: the platform audio callback calls Render from its own thread, the game thread
// calls everything else; one mutex keeps them apart. Render does not allocate.
#pragma once
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

// Interleaved 16-bit stereo frames at the device rate, shared by a buffer and its duplicates.
using SampleBlock = std::shared_ptr<const std::vector<int16_t>>;

// Gain of a volume in hundredths of a decibel: 10^(volume / 2000); 0 dB is 1, -10000 and
// below is silence.
double GainFromVolume(int volume);
// Left and right gains of a pan in hundredths of a decibel (-10000 full left .. 10000 full
// right): the channel away from the pan is attenuated by |pan|, the other keeps full level.
void GainsFromPan(int pan, double* left, double* right);

class Mixer {
  public:
    // Creates a stopped buffer at position 0, full level, centred. Returns its id (>= 0).
    int CreateBuffer(SampleBlock samples);
    // A new buffer sharing the samples of `id`; -1 when `id` is not a buffer.
    int DuplicateBuffer(int id);
    void ReleaseBuffer(int id);

    // Starts playing once from the current position; false when `id` is not a buffer.
    bool Play(int id);
    // Stops without moving the position (a later Play carries on from there).
    bool Stop(int id);
    // Position in frames; beyond the end is clamped to the end.
    bool SetPosition(int id, int64_t frame);
    bool SetVolume(int id, int volume);
    bool SetPan(int id, int pan);
    bool IsPlaying(int id) const;
    int64_t Position(int id) const;
    int BufferCount() const;

    // Adds every playing buffer into `out` (2 x frames values, overwritten), saturating at
    // the 16-bit range. A buffer that reaches its end stops and rewinds to 0.
    void Render(int16_t* out, int frames);

  private:
    struct Buffer {
        bool used = false;
        bool playing = false;
        SampleBlock samples;
        int64_t position = 0;  // frames
        int volume = 0;        // hundredths of a decibel
        int pan = 0;
        float gain_left = 1;
        float gain_right = 1;
    };
    bool Valid(int id) const;
    void UpdateGains(Buffer& b);

    mutable std::mutex mutex_;
    std::vector<Buffer> buffers_;
    std::vector<int32_t> accumulator_;
};
