// The runtime's random numbers: one ISAAC generator (32-bit words, 256-word state), seeded
// from the clock at start-up. Every draw runs a whole round and hands out its first result.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

class IsaacGenerator {
  public:
    static constexpr int kWords = 256;

    // The generator's own initialisation: the eight mixing words start at the golden ratio,
    // `seed_words` enter them pass by pass, the state is filled in two passes, then one round
    // fills the results.
    void Init(const std::array<uint32_t, kWords>& seed_words);
    // One full round over the state, writing all 256 result words.
    void Round();
    uint32_t result(int i) const { return results_[static_cast<size_t>(i) % kWords]; }

  private:
    std::array<uint32_t, kWords> state_{};
    std::array<uint32_t, kWords> results_{};
    uint32_t accumulator_ = 0;
    uint32_t last_result_ = 0;
    uint32_t counter_ = 0;
};

// The runtime's generator as it stands, and putting it back (a run that plays several checks
// starts each from the same draws).
IsaacGenerator RandomGeneratorCopy();
void RestoreRandomGenerator(const IsaacGenerator& copy);

// Seeds the runtime's generator (start-up passes the millisecond clock, truncated).
void SeedRandom(uint32_t seed);

// An integer from 0 to n inclusive; n is truncated toward zero. n of 0 or less gives 0 without
// drawing.
double Random(double n);
