// The wave reader on good and crafted bad files, and the conversion to the device format.
#include "runtime/audio/wave_reader.h"

#include <gtest/gtest.h>

#include <cstring>

#include "runtime/audio/sound.h"
#include "runtime/platform/audio.h"
#include "support/test_env.h"
#include "support/wave_file.h"

namespace {
bool Reads(const std::vector<uint8_t>& file, WaveData* out = nullptr, std::string* why = nullptr) {
    WaveData data;
    std::string reason;
    const bool ok = ReadWave(file.data(), file.size(), out ? out : &data, why ? why : &reason);
    return ok;
}

void Put32At(std::vector<uint8_t>& v, size_t at, uint32_t x) {
    for (int i = 0; i < 4; ++i) v[at + static_cast<size_t>(i)] = static_cast<uint8_t>(x >> (8 * i));
}

TEST(WaveReader, ReadsPcmOfEachKind) {
    WaveData w;
    // `w.data` points into the file's bytes, so each file is kept while it is checked.
    const auto file8 = MakeWave({.channels = 1, .rate = 11025, .bits = 8}, {0, 128, 255});
    ASSERT_TRUE(Reads(file8, &w));
    EXPECT_EQ(w.format.channels, 1);
    EXPECT_EQ(w.format.samples_per_second, 11025);
    EXPECT_EQ(w.format.bits_per_sample, 8);
    EXPECT_EQ(w.size, 3u);
    EXPECT_EQ(w.data[2], 255);

    const auto file16 = MakeWave({.channels = 2, .rate = 44100, .bits = 16}, Pcm16({1, -1, 2}));
    ASSERT_TRUE(Reads(file16, &w));
    EXPECT_EQ(w.format.block_align, 4);
    EXPECT_EQ(w.size, 4u);  // the half frame at the end is dropped

    ASSERT_TRUE(Reads(MakeWave({.format_tag = 0xFFFE, .channels = 2}, Pcm16({5, 6})), &w));
    EXPECT_EQ(w.format.channels, 2);
}

TEST(WaveReader, RefusesWhatIsNotPcm) {
    std::string why;
    EXPECT_FALSE(Reads(MakeWave({.format_tag = 3, .bits = 16}, Pcm16({0, 0})), nullptr, &why));
    EXPECT_NE(why.find("not PCM"), std::string::npos);
    EXPECT_FALSE(Reads(MakeWave({.format_tag = 2}, Pcm16({0, 0}))));  // ADPCM
    EXPECT_FALSE(Reads(MakeWave({.format_tag = 0xFFFE, .extensible_subformat = 3}, Pcm16({0}))));
    EXPECT_FALSE(Reads(MakeWave({.bits = 24, .block_align = 3}, {0, 0, 0})));
    EXPECT_FALSE(Reads(MakeWave({.bits = 32}, {0, 0, 0, 0})));
    EXPECT_FALSE(Reads(MakeWave({.channels = 0}, Pcm16({0}))));
    EXPECT_FALSE(Reads(MakeWave({.channels = 6}, Pcm16({0, 0, 0, 0, 0, 0}))));
    EXPECT_FALSE(Reads(MakeWave({.block_align = 7}, Pcm16({0}))));
    EXPECT_FALSE(Reads(MakeWave({.rate = 0}, Pcm16({0}))));
}

TEST(WaveReader, RefusesBrokenFilesWithoutReadingPastThem) {
    const auto good = MakeWave({}, Pcm16({1, 2, 3, 4}));
    ASSERT_TRUE(Reads(good));
    // Every shorter prefix is refused (the data chunk is then cut short or missing).
    for (size_t n = 0; n < good.size(); ++n) {
        const std::vector<uint8_t> cut(good.begin(), good.begin() + static_cast<long>(n));
        EXPECT_FALSE(Reads(cut)) << n;
    }
    auto bad = good;
    std::memcpy(bad.data(), "RIFX", 4);
    EXPECT_FALSE(Reads(bad));
    bad = good;
    std::memcpy(bad.data() + 8, "AVI ", 4);
    EXPECT_FALSE(Reads(bad));
    bad = good;
    std::memcpy(bad.data() + 12, "junk", 4);  // no "fmt " chunk left to find
    EXPECT_FALSE(Reads(bad));
    bad = good;
    Put32At(bad, 16, 0xFFFFFFFFu);  // "fmt " claims 4 GB
    EXPECT_FALSE(Reads(bad));
    bad = good;
    Put32At(bad, 40, 0xFFFFFFF0u);  // "data" claims more than the file holds
    EXPECT_FALSE(Reads(bad));
}

TEST(WaveReader, SkipsOtherChunksWithTheirPadByte) {
    auto file = MakeWave({}, Pcm16({7, 8}));
    // Put an odd-sized "LIST" chunk (3 bytes and a pad byte) before "fmt ".
    const std::vector<uint8_t> list = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
    file.insert(file.begin() + 12, list.begin(), list.end());
    WaveData w;
    ASSERT_TRUE(Reads(file, &w));
    ASSERT_EQ(w.size, 4u);
    EXPECT_EQ(w.data[0], 7);
}

TEST(WaveConversion, EightBitMonoAtHalfRateBecomesSixteenBitStereo) {
    const std::vector<uint8_t> bytes(1000, 255);
    WaveData w;
    const auto file = MakeWave({.channels = 1, .rate = 11025, .bits = 8}, bytes);
    ASSERT_TRUE(Reads(file, &w));
    std::vector<int16_t> out;
    ASSERT_TRUE(PlatformConvertToDevice(w.format, w.data, w.size, &out));
    const size_t frames = out.size() / 2;
    EXPECT_EQ(frames, 2000u);
    // 255 is the top of the unsigned 8-bit range; away from the edges it stays there, also
    // near the end (the resampler must not keep the end back).
    EXPECT_NEAR(out[frames], 32512, 200);
    EXPECT_EQ(out[frames], out[frames + 1]);
    EXPECT_NEAR(out[(frames - 30) * 2], 32512, 200);
}

TEST(WaveConversion, DoubleRateStereoHalvesTheLength) {
    std::vector<int16_t> s(4000);
    for (size_t i = 0; i < s.size(); i += 2) {
        s[i] = 1000;
        s[i + 1] = -1000;
    }
    WaveData w;
    const auto file = MakeWave({.channels = 2, .rate = 44100}, Pcm16(s));
    ASSERT_TRUE(Reads(file, &w));
    std::vector<int16_t> out;
    ASSERT_TRUE(PlatformConvertToDevice(w.format, w.data, w.size, &out));
    EXPECT_EQ(out.size() / 2, 1000u);
    EXPECT_NEAR(out[1000], 1000, 20);
    EXPECT_NEAR(out[1001], -1000, 20);
}

TEST(WaveLoading, AFloatFileLeavesTheSlotEmptyWithALogLine) {
    UsePrivateTempFolder();
    SoundCreate();
    ASSERT_TRUE(SoundInitDevice(SoundOutput::kPulled));
    const auto path = WriteTestFile(
        "float.wav", MakeWave({.format_tag = 3, .bits = 32}, std::vector<uint8_t>(64, 0x3F)));
    EXPECT_EQ(LoadSoundSlot(path, 6, 2), 0);
    EXPECT_EQ(SoundSlotBuffers(6), 0);
    EXPECT_EQ(PlaySoundSlot(6, 0, 1), -1);
    SoundShutdown();
    const auto log = ReadLogEntries();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_NE(log[0].find("float.wav"), std::string::npos);
    EXPECT_NE(log[0].find("not PCM"), std::string::npos);
}
}  // namespace
