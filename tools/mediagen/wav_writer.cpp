#include "wav_writer.h"

#include <algorithm>
#include <cmath>

#include "canvas.h"
#include "file_out.h"

namespace mediagen {

std::string EncodeWav(const std::vector<double>& samples) {
    const unsigned data = unsigned(samples.size()) * 2;
    std::string s = "RIFF";
    Put32(s, 36 + data);
    s += "WAVEfmt ";
    Put32(s, 16);
    Put16(s, 1);  // PCM
    Put16(s, 1);  // mono
    Put32(s, kRate);
    Put32(s, kRate * 2);
    Put16(s, 2);
    Put16(s, 16);
    s += "data";
    Put32(s, data);
    for (double v : samples) {
        long q = std::lround(std::clamp(v, -1.0, 1.0) * 32767);
        Put16(s, unsigned(q) & 0xFFFF);
    }
    return s;
}

std::vector<double> Render(const std::vector<Voice>& voices, unsigned seed) {
    double end = 0;
    for (const auto& v : voices) end = std::max(end, v.start + v.length);
    std::vector<double> out(size_t(end * kRate) + 1, 0.0);
    Dice dice(seed);
    for (const auto& v : voices) {
        double phase = 0, held = 0;
        size_t n = size_t(v.length * kRate);
        size_t first = size_t(v.start * kRate);
        for (size_t i = 0; i < n && first + i < out.size(); ++i) {
            double t = double(i) / kRate, u = double(i) / n;
            double f = v.f0 * std::pow(v.f1 / v.f0, u);
            if (v.vibrato > 0) f *= 1 + 0.03 * std::sin(2 * M_PI * v.vibrato * t);
            phase += f / kRate;
            double p = phase - std::floor(phase), x;
            switch (v.wave) {
                case 1:
                    x = p < 0.5 ? 0.6 : -0.6;
                    break;
                case 2:
                    x = 4 * std::abs(p - 0.5) - 1;
                    break;
                case 3:
                    // Noise held for one period of f: lower f gives a rougher rumble.
                    if (p < f / kRate || i == 0) held = dice.Unit() * 2 - 1;
                    x = held;
                    break;
                default:
                    x = std::sin(2 * M_PI * p);
            }
            double env = std::min(1.0, t / std::max(v.attack, 1e-4)) * std::pow(1 - u, 1.6);
            out[first + i] += x * env * v.volume;
        }
    }
    return out;
}

}  // namespace mediagen
