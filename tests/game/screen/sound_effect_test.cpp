// Effects placed by the player's screen position, heard through the real mixer (pulled
// output, so no audio device is needed), and the idle-effect rule.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "game/screen/screen_helpers.h"
#include "game/state/game_state.h"
#include "runtime/audio/sound.h"
#include "runtime/values/random.h"
#include "support/wave_file.h"

namespace {

constexpr int kSlot = 5;
constexpr int kFrames = 512;

// Left and right peak levels of the next kFrames of output.
struct Levels {
    int left = 0;
    int right = 0;
    std::vector<int16_t> samples;
};
Levels Render() {
    Levels out;
    out.samples.assign(kFrames * 2, 0);
    SoundRender(out.samples.data(), kFrames);
    for (int i = 0; i < kFrames; ++i) {
        out.left = std::max(out.left, std::abs(static_cast<int>(out.samples[2 * i])));
        out.right = std::max(out.right, std::abs(static_cast<int>(out.samples[2 * i + 1])));
    }
    return out;
}

class SoundEffect : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        SoundCreate();
        ASSERT_TRUE(SoundInitDevice(SoundOutput::kPulled));
        std::vector<int16_t> square(4000);
        for (size_t i = 0; i < square.size(); ++i) square[i] = (i / 20) % 2 ? 12000 : -12000;
        const std::string file = WriteTestFile("effect_square.wav", MakeWave({}, Pcm16(square)));
        ASSERT_EQ(LoadSoundSlot(file, kSlot, 1), 1);
    }
    void SetUp() override {
        game::ResetGameState();
        game::suoni = 1;
        game::stereo = 1;
        game::volumebase = 1.5;
        StopAllSounds();
        Render();
    }
    // What the effect sounds like played straight, for comparison.
    static Levels Direct(double pan, double volume) {
        StopAllSounds();
        PlaySoundSlot(kSlot, pan, volume);
        return Render();
    }
    static Levels Effect(double zxp, double zyp) {
        game::zxp = zxp;
        game::zyp = zyp;
        game::SuonaEFFETTO(kSlot, 0);
        return Render();
    }
};

TEST_F(SoundEffect, CentredAtFullVolumeAtTheMiddleOfTheBoard) {
    const game::EffectPlacement placed = game::PlaceEffect(150, 180, 1.5, 1);
    EXPECT_EQ(placed.pan, 0);
    EXPECT_EQ(placed.volume, 1.5);

    const Levels heard = Effect(150, 180);
    EXPECT_GE(game::a, 0);
    EXPECT_EQ(game::distanza, 0);
    EXPECT_GT(heard.left, 1000);
    EXPECT_EQ(heard.left, heard.right);
    EXPECT_EQ(heard.samples, Direct(0, 1.5).samples);
}

TEST_F(SoundEffect, PannedAndFadedAwayFromTheMiddle) {
    game::volumebase = 1;
    const Levels right = Effect(300, 180);
    EXPECT_GT(right.right, 4 * right.left + 1);

    const Levels far = Effect(150, 0);  // half a volume unit quieter
    EXPECT_EQ(game::distanza, 0.5);
    EXPECT_EQ(far.left, far.right);
    EXPECT_LT(far.left, Direct(0, 1).left);
    EXPECT_EQ(far.samples, Direct(0, 0.5).samples);
}

TEST_F(SoundEffect, MonoIgnoresPosition) {
    game::stereo = 0;
    game::volumebase = 1;
    const Levels heard = Effect(0, 0);
    EXPECT_EQ(heard.samples, Direct(0, 1).samples);
}

TEST_F(SoundEffect, SilentWhenSoundIsOff) {
    game::suoni = 0;
    game::a = -99;
    const Levels heard = Effect(150, 180);
    EXPECT_EQ(game::a, -99);
    EXPECT_EQ(heard.left, 0);
}

TEST_F(SoundEffect, IdleEffectsPlayAboutOnceInLfpsPlusOne) {
    SeedRandom(12345);
    game::lfps = 3;
    int played = 0;
    const int calls = 800;
    for (int i = 0; i < calls; ++i) {
        game::a = -99;
        game::SuonaEFFETTO(kSlot, 1);
        if (game::a != -99) ++played;
    }
    // Expected 200; far outside this band only if the rule is wrong.
    EXPECT_GT(played, 140);
    EXPECT_LT(played, 260);

    game::lfps = 0;
    game::a = -99;
    game::SuonaEFFETTO(kSlot, 1);
    EXPECT_NE(game::a, -99) << "with lfps 0 every idle effect plays";
}

TEST(TextLayout, CentredAndRightAlignedStarts) {
    EXPECT_EQ(game::TextStartX(888, 4, 10), 135);
    EXPECT_EQ(game::TextStartX(999, 4, 10), 266);
    EXPECT_EQ(game::TextStartX(40, 4, 10), 40);
    EXPECT_EQ(game::TextStartX(888, 0, 16), 152);
}

}  // namespace
