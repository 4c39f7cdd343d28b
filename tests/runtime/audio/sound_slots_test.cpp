// The sound commands on the mixer's rendered output (no device: the test pulls the samples).
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "runtime/audio/sound.h"
#include "support/wave_file.h"

namespace {
constexpr int16_t kLevel = 16000;

class SoundSlots : public ::testing::Test {
  protected:
    void SetUp() override {
        SoundCreate();
        ASSERT_TRUE(SoundInitDevice(SoundOutput::kPulled));
    }
    void TearDown() override { SoundShutdown(); }

    // A mono 16-bit file at the device rate, so samples reach the mixer unchanged.
    static std::string WriteMono(const std::string& name, const std::vector<int16_t>& samples) {
        return WriteTestFile(name, MakeWave(WaveLayout{}, Pcm16(samples)));
    }
    static std::string Constant(int frames) {
        return WriteMono("constant.wav", std::vector<int16_t>(static_cast<size_t>(frames), kLevel));
    }
    // Sample i holds the value i, so the output tells where each buffer is.
    static std::string Ramp(int frames) {
        std::vector<int16_t> s(static_cast<size_t>(frames));
        for (int i = 0; i < frames; ++i) s[static_cast<size_t>(i)] = static_cast<int16_t>(i);
        return WriteMono("ramp.wav", s);
    }
    static std::vector<int16_t> Render(int frames) {
        std::vector<int16_t> out(static_cast<size_t>(frames) * 2);
        SoundRender(out.data(), frames);
        return out;
    }
};

TEST_F(SoundSlots, SameRateMonoReachesBothChannelsUnchanged) {
    ASSERT_EQ(LoadSoundSlot(Ramp(500), 3, 1), 1);
    ASSERT_EQ(PlaySoundSlot(3, 0, 1), 3 * 256);
    const auto out = Render(500);
    for (int i = 0; i < 500; ++i) {
        ASSERT_EQ(out[static_cast<size_t>(i) * 2], i);
        ASSERT_EQ(out[static_cast<size_t>(i) * 2 + 1], i);
    }
}

TEST_F(SoundSlots, VolumeIsHundredthsOfADecibelBelowFullLevel) {
    ASSERT_EQ(LoadSoundSlot(Constant(1000), 1, 4), 1);
    // 0.5 is 50 %: -5000, i.e. -50 dB, a gain of 10^-2.5.
    PlaySoundSlot(1, 0, 0.5);
    auto out = Render(10);
    EXPECT_NEAR(out[0], kLevel * std::pow(10.0, -2.5), 1.0);
    EXPECT_NEAR(20 * std::log10(out[1] / double(kLevel)), -50.0, 0.2);
    StopAllSounds();

    for (double full : {1.0, 2.0, 1e9}) {
        PlaySoundSlot(1, 0, full);
        out = Render(10);
        EXPECT_EQ(out[0], kLevel) << full;
        EXPECT_EQ(out[1], kLevel) << full;
        StopAllSounds();
    }
    for (double none : {0.0, -1.0, std::nan("")}) {
        PlaySoundSlot(1, 0, none);
        out = Render(10);
        EXPECT_EQ(out[0], 0) << none;
        EXPECT_EQ(out[1], 0) << none;
        StopAllSounds();
    }
}

TEST_F(SoundSlots, PanAttenuatesTheOppositeChannel) {
    ASSERT_EQ(LoadSoundSlot(Constant(1000), 1, 1), 1);
    PlaySoundSlot(1, -1, 1);
    const auto left = Render(10);
    StopAllSounds();
    PlaySoundSlot(1, -3, 1);  // limited to -1
    const auto far_left = Render(10);
    StopAllSounds();
    EXPECT_EQ(left[0], kLevel);
    EXPECT_EQ(left[1], 0);
    EXPECT_EQ(far_left, left);

    PlaySoundSlot(1, 0.5, 1);  // right: the left channel 50 dB down
    const auto half_right = Render(10);
    EXPECT_NEAR(half_right[0], kLevel * std::pow(10.0, -2.5), 1.0);
    EXPECT_EQ(half_right[1], kLevel);
}

TEST_F(SoundSlots, OneBufferStillPlayingRefusesASecondPlayUndisturbed) {
    ASSERT_EQ(LoadSoundSlot(Ramp(300), 5, 1), 1);
    ASSERT_EQ(PlaySoundSlot(5, 0, 1), 5 * 256);
    auto out = Render(100);
    EXPECT_EQ(PlaySoundSlot(5, 0, 1), -1);
    out = Render(100);
    EXPECT_EQ(out[0], 100);  // carried on where it was
    EXPECT_EQ(SoundPlaying(5 * 256), 1);
    Render(100);
    EXPECT_EQ(SoundPlaying(5 * 256), 0);
    // Finished: the next play starts it again from the beginning.
    EXPECT_EQ(PlaySoundSlot(5, 0, 1), 5 * 256);
    out = Render(2);
    EXPECT_EQ(out[2], 1);
}

TEST_F(SoundSlots, ThreeBuffersPlayedFourTimesRestartBufferZero) {
    ASSERT_EQ(LoadSoundSlot(Ramp(1000), 7, 3), 1);
    EXPECT_EQ(PlaySoundSlot(7, 0, 1), 7 * 256 + 0);
    Render(100);
    EXPECT_EQ(PlaySoundSlot(7, 0, 1), 7 * 256 + 1);
    Render(100);
    EXPECT_EQ(PlaySoundSlot(7, 0, 1), 7 * 256 + 2);
    Render(100);
    EXPECT_EQ(PlaySoundSlot(7, 0, 1), 7 * 256 + 0);
    // Buffer 0 from the start, buffer 1 at frame 200, buffer 2 at frame 100.
    const auto out = Render(1);
    EXPECT_EQ(out[0], 0 + 200 + 100);
    for (int b = 0; b < 3; ++b) EXPECT_EQ(SoundPlaying(7 * 256 + b), 1);
    EXPECT_EQ(SoundPlaying(7 * 256 + 3), 0);
}

TEST_F(SoundSlots, SlotNumbersAndBufferCountsAreLimited) {
    const std::string file = Constant(100);
    EXPECT_EQ(LoadSoundSlot(file, 10, 0), 1);
    EXPECT_EQ(SoundSlotBuffers(10), 1);
    EXPECT_EQ(LoadSoundSlot(file, 11, 9), 1);
    EXPECT_EQ(SoundSlotBuffers(11), 4);
    EXPECT_EQ(LoadSoundSlot(file, 300, 2), 1);
    EXPECT_EQ(SoundSlotBuffers(127), 2);
    EXPECT_EQ(SoundSlotBuffers(300), 0);
    EXPECT_EQ(PlaySoundSlot(300, 0, 1), 127 * 256);
    EXPECT_EQ(PlaySoundSlot(300, 0, 1), 127 * 256 + 1);
    // Negative slots and channels reach nothing.
    EXPECT_EQ(LoadSoundSlot(file, -1, 1), 0);
    EXPECT_EQ(PlaySoundSlot(-1, 0, 1), -1);
    EXPECT_EQ(SoundPlaying(-5), 0);
    EXPECT_EQ(SoundPlaying(2048 * 256), 0);
    EXPECT_EQ(SoundPlaying(1 << 30), 0);
}

TEST_F(SoundSlots, StopAllSoundsStopsAndRewinds) {
    ASSERT_EQ(LoadSoundSlot(Ramp(1000), 2, 1), 1);
    PlaySoundSlot(2, 0, 1);
    Render(50);
    StopAllSounds();
    EXPECT_EQ(SoundPlaying(2 * 256), 0);
    EXPECT_EQ(Render(5)[0], 0);
    PlaySoundSlot(2, 0, 1);
    EXPECT_EQ(Render(5)[2], 1);
}

TEST_F(SoundSlots, ReloadingReplacesAndAFailedLoadEmptiesTheSlot) {
    ASSERT_EQ(LoadSoundSlot(Constant(100), 4, 2), 1);
    EXPECT_EQ(LoadSoundSlot("no/such/file.wav", 4, 2), 0);
    EXPECT_EQ(SoundSlotBuffers(4), 0);
    EXPECT_EQ(PlaySoundSlot(4, 0, 1), -1);
    EXPECT_EQ(PlaySoundSlot(9, 0, 1), -1);  // never loaded
}

TEST_F(SoundSlots, OverlappingCopiesAddUpAndSaturate) {
    ASSERT_EQ(LoadSoundSlot(Constant(1000), 1, 4), 1);
    for (int i = 0; i < 3; ++i) PlaySoundSlot(1, 0, 1);
    EXPECT_EQ(Render(1)[0], 32767);  // 3 x 16000 clipped, not wrapped round
}

TEST(SoundWithoutDevice, EverythingFailsQuietly) {
    SoundCreate();
    const std::string file = WriteTestFile("quiet.wav", MakeWave(WaveLayout{}, Pcm16({1, 2, 3})));
    EXPECT_EQ(LoadSoundSlot(file, 1, 1), 0);
    EXPECT_EQ(PlaySoundSlot(1, 0, 1), -1);
    EXPECT_EQ(SoundPlaying(256), 0);
    StopAllSounds();
    std::vector<int16_t> out(8, 99);
    SoundRender(out.data(), 4);
    EXPECT_EQ(out, std::vector<int16_t>(8, 0));
    SoundShutdown();
}

TEST(SoundDevice, OpensOnTheDummyDriverOrFailsQuietly) {
    SoundCreate();
    const bool open = SoundInitDevice(SoundOutput::kDevice);
    const std::string file = WriteTestFile("device.wav", MakeWave(WaveLayout{}, Pcm16({1, 2, 3})));
    EXPECT_EQ(LoadSoundSlot(file, 1, 1), open ? 1 : 0);
    SoundShutdown();
}
}  // namespace
