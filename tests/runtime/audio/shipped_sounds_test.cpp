// Every sound we ship loads into a slot and plays, whole, through the mixer.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "runtime/audio/sound.h"

namespace {
TEST(ShippedSounds, EachLoadsAndPlaysToItsEnd) {
    const std::filesystem::path folder = std::filesystem::path(ZOLV_SOURCE_DIR) / "media/Media";
    if (!std::filesystem::exists(folder)) GTEST_SKIP() << "no media folder";
    SoundCreate();
    ASSERT_TRUE(SoundInitDevice(SoundOutput::kPulled));
    int sounds = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() != ".wav") continue;
        ++sounds;
        const std::string name = entry.path().string();
        ASSERT_EQ(LoadSoundSlot(name, 20, 1), 1) << name;
        ASSERT_EQ(PlaySoundSlot(20, 0, 1), 20 * 256) << name;
        // Render in blocks as the audio device would, until the sound ends (at most 10 s).
        std::vector<int16_t> block(2 * 1024);
        int peak = 0, blocks = 0;
        while (SoundPlaying(20 * 256) && blocks < 220) {
            SoundRender(block.data(), 1024);
            for (int16_t s : block) peak = std::max(peak, std::abs(static_cast<int>(s)));
            ++blocks;
        }
        EXPECT_EQ(SoundPlaying(20 * 256), 0) << name << " never ends";
        EXPECT_GT(peak, 1000) << name << " is (nearly) silent";
    }
    EXPECT_GT(sounds, 0);
    SoundShutdown();
}
}  // namespace
