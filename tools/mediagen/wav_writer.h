// 16-bit PCM wave files at 22050 samples per second, and the little synthesiser behind the
// game's effect sounds.
#pragma once

#include <string>
#include <vector>

namespace mediagen {

inline constexpr int kRate = 22050;  // samples per second

// Samples in -1..1, mono; clipped and written as 16-bit little-endian PCM.
std::string EncodeWav(const std::vector<double>& samples);

// A voice: a tone gliding from f0 to f1 hertz over its length, with an attack-decay envelope.
struct Voice {
    double start = 0;  // seconds
    double length = 0.1;
    double f0 = 440, f1 = 440;
    double volume = 0.5;
    int wave = 0;  // 0 sine, 1 square, 2 triangle, 3 noise
    double attack = 0.005;
    double vibrato = 0;  // hertz of a ±3% wobble
};
std::vector<double> Render(const std::vector<Voice>& voices, unsigned seed);

}  // namespace mediagen
