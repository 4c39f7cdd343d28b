// The effect sounds, one per slot the game plays: short, bright and kept soft enough to be
// heard often.
#include "media_set.h"
#include "wav_writer.h"

namespace mediagen {

namespace {
std::vector<Voice> Notes(std::initializer_list<double> freqs, double step, double len, int wave,
                         double vol) {
    std::vector<Voice> v;
    double t = 0;
    for (double f : freqs) {
        v.push_back({t, len, f, f, vol, wave});
        t += step;
    }
    return v;
}
}  // namespace

std::vector<Sound> Sounds() {
    struct Def {
        int slot;
        const char* name;
        std::vector<Voice> voices;
    };
    std::vector<Def> defs = {
        // 2: a cabin turns: a short ratchet.
        {2,
         "cabi",
         {{0, 0.05, 900, 700, 0.35, 3},
          {0.06, 0.05, 900, 700, 0.35, 3},
          {0, 0.12, 220, 200, 0.3, 1}}},
        // 3: ice breaks and the piece sinks.
        {3, "ghia", {{0, 0.25, 3000, 800, 0.45, 3}, {0.05, 0.35, 400, 120, 0.4, 0}}},
        // 4: a switch clicks and machinery moves.
        {4,
         "leva",
         {{0, 0.04, 1800, 1600, 0.4, 1},
          {0.05, 0.3, 90, 60, 0.35, 1},
          {0.05, 0.3, 400, 300, 0.25, 3}}},
        // 5: the last egg or chick: the exit opens.
        {5, "ulti", Notes({523, 659, 784, 1047}, 0.08, 0.18, 2, 0.45)},
        // 6: an egg is picked up.
        {6, "uovo", {{0, 0.12, 660, 990, 0.45, 2}}},
        // 7: idling on a slide: a soft whirr.
        {7, "scfe", {{0, 0.3, 300, 320, 0.2, 2, 0.01, 12}}},
        // 8: a chick follows: two chirps.
        {8, "pulc", {{0, 0.07, 2400, 3200, 0.35, 0}, {0.1, 0.07, 2400, 3400, 0.35, 0}}},
        // 9: onto a slide: a quick swoosh.
        {9, "scen", {{0, 0.22, 4000, 700, 0.3, 3}, {0, 0.2, 300, 600, 0.2, 0}}},
        // 10: level end: a little fanfare.
        {10, "fine", Notes({392, 523, 659, 784, 659, 784}, 0.11, 0.2, 1, 0.3)},
        // 11: the star: a sparkle.
        {11, "spcl", Notes({1568, 2093, 2637, 3136}, 0.05, 0.15, 0, 0.35)},
        // 12: failure or a refused name: a falling buzz.
        {12, "erro", {{0, 0.45, 330, 110, 0.35, 1}}},
        // 13 to 15: the final scene: saucer hum, beam and take-off.
        {13, "fin1", {{0, 1.2, 110, 116, 0.3, 2, 0.05, 5}, {0, 1.2, 220, 232, 0.15, 0, 0.05, 5}}},
        {14, "fin2", {{0, 0.8, 600, 1800, 0.3, 0, 0.01, 20}, {0, 0.8, 2000, 3000, 0.1, 3}}},
        {15, "fin3", {{0, 1.2, 200, 2400, 0.35, 2}, {0.2, 1.0, 100, 1200, 0.2, 1}}},
    };
    std::vector<Sound> out;
    for (auto& d : defs)
        out.push_back({d.slot, d.name, EncodeWav(Render(d.voices, 1000u + unsigned(d.slot)))});
    return out;
}

}  // namespace mediagen
