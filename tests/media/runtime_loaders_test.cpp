// The shipped pictures and sounds go through the runtime's own decoders, and the pixels the
// runtime reads are the ones the media tests check.
#include <gtest/gtest.h>

#include <filesystem>

#include "media_data.h"
#include "runtime/audio/wave_reader.h"
#include "runtime/image/image_decode.h"
#include "support/scratch_files.h"

namespace fs = std::filesystem;

TEST(RuntimeLoaders, EveryPictureDecodesToThePixelsWeDrew) {
    int pictures = 0;
    for (const auto& e : fs::recursive_directory_iterator(MediaDir())) {
        if (e.path().extension() != ".bmp") continue;
        ++pictures;
        std::string bytes = ReadWholeFile(e.path().string());
        DecodedImage img;
        std::string why;
        ASSERT_TRUE(
            DecodeBmp(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), img, why))
            << e.path() << ": " << why;
        Image ours;
        ASSERT_TRUE(ReadBmp24(e.path().string(), ours));
        ASSERT_EQ(img.width, ours.w);
        ASSERT_EQ(img.height, ours.h);
        for (int y = 0; y < ours.h; ++y)
            for (int x = 0; x < ours.w; ++x) {
                size_t i = (size_t(y) * ours.w + x);
                ASSERT_EQ(img.rgba[i * 4], ours.rgb[i * 3]) << e.path() << " at " << x << "," << y;
                ASSERT_EQ(img.rgba[i * 4 + 1], ours.rgb[i * 3 + 1]);
                ASSERT_EQ(img.rgba[i * 4 + 2], ours.rgb[i * 3 + 2]);
            }
    }
    EXPECT_GE(pictures, 5);
}

TEST(RuntimeLoaders, EverySoundReadsAsPcm) {
    int sounds = 0;
    for (const auto& e : fs::directory_iterator(MediaDir() + "/Media")) {
        if (e.path().extension() != ".wav") continue;
        ++sounds;
        std::string bytes = ReadWholeFile(e.path().string());
        WaveData w;
        std::string why;
        ASSERT_TRUE(
            ReadWave(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), &w, &why))
            << e.path() << ": " << why;
        EXPECT_EQ(w.format.samples_per_second, 22050);
        EXPECT_EQ(w.format.bits_per_sample, 16);
        EXPECT_GT(w.size, 0u);
    }
    EXPECT_EQ(sounds, 14);
}
