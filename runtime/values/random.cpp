#include "runtime/values/random.h"

#include <cmath>

namespace {
IsaacGenerator g_generator;

struct MixWords {
    uint32_t a, b, c, d, e, f, g, h;
};

void Mix(MixWords& m) {
    m.a ^= m.b << 11;
    m.d += m.a;
    m.b += m.c;
    m.b ^= m.c >> 2;
    m.e += m.b;
    m.c += m.d;
    m.c ^= m.d << 8;
    m.f += m.c;
    m.d += m.e;
    m.d ^= m.e >> 16;
    m.g += m.d;
    m.e += m.f;
    m.e ^= m.f << 10;
    m.h += m.e;
    m.f += m.g;
    m.f ^= m.g >> 4;
    m.a += m.f;
    m.g += m.h;
    m.g ^= m.h << 8;
    m.b += m.g;
    m.h += m.a;
    m.h ^= m.a >> 9;
    m.c += m.h;
    m.a += m.b;
}

void AddWords(MixWords& m, const uint32_t* w) {
    m.a += w[0];
    m.b += w[1];
    m.c += w[2];
    m.d += w[3];
    m.e += w[4];
    m.f += w[5];
    m.g += w[6];
    m.h += w[7];
}

void StoreWords(const MixWords& m, uint32_t* w) {
    w[0] = m.a;
    w[1] = m.b;
    w[2] = m.c;
    w[3] = m.d;
    w[4] = m.e;
    w[5] = m.f;
    w[6] = m.g;
    w[7] = m.h;
}
}  // namespace

void IsaacGenerator::Init(const std::array<uint32_t, kWords>& seed_words) {
    accumulator_ = last_result_ = counter_ = 0;
    MixWords m{0x9E3779B9, 0x9E3779B9, 0x9E3779B9, 0x9E3779B9,
               0x9E3779B9, 0x9E3779B9, 0x9E3779B9, 0x9E3779B9};
    for (int i = 0; i < 4; ++i) Mix(m);
    for (int i = 0; i < kWords; i += 8) {
        AddWords(m, &seed_words[i]);
        Mix(m);
        StoreWords(m, &state_[i]);
    }
    // The second pass spreads every seed word over the whole state.
    for (int i = 0; i < kWords; i += 8) {
        AddWords(m, &state_[i]);
        Mix(m);
        StoreWords(m, &state_[i]);
    }
    Round();
}

void IsaacGenerator::Round() {
    ++counter_;
    last_result_ += counter_;
    for (int i = 0; i < kWords; ++i) {
        const uint32_t x = state_[i];
        switch (i % 4) {
            case 0:
                accumulator_ ^= accumulator_ << 13;
                break;
            case 1:
                accumulator_ ^= accumulator_ >> 6;
                break;
            case 2:
                accumulator_ ^= accumulator_ << 2;
                break;
            default:
                accumulator_ ^= accumulator_ >> 16;
                break;
        }
        accumulator_ += state_[(i + 128) % kWords];
        const uint32_t y = state_[(x >> 2) % kWords] + accumulator_ + last_result_;
        state_[i] = y;
        last_result_ = state_[(y >> 10) % kWords] + x;
        results_[i] = last_result_;
    }
}

void SeedRandom(uint32_t seed) {
    // The seed enters the first mixing word of every pass.
    std::array<uint32_t, IsaacGenerator::kWords> words{};
    for (int i = 0; i < IsaacGenerator::kWords; i += 8) words[i] = seed;
    g_generator.Init(words);
}

IsaacGenerator RandomGeneratorCopy() {
    return g_generator;
}
void RestoreRandomGenerator(const IsaacGenerator& copy) {
    g_generator = copy;
}

double Random(double n) {
    if (!(n >= 1.0)) return 0;
    // Past the 32-bit range every output already fits; the cap keeps the truncation defined.
    const uint64_t limit = n >= 4294967295.0 ? 4294967295ULL : static_cast<uint64_t>(std::trunc(n));
    g_generator.Round();
    return static_cast<double>(g_generator.result(0) % (limit + 1));
}
