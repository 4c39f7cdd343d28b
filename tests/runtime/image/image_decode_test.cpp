// The BMP and PNG readers on real files of every kind they take, and on crafted bad ones.
#include "runtime/image/image_decode.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "runtime/base/log.h"
#include "runtime/base/whole_file.h"
#include "support/scratch_files.h"
#include "support/test_env.h"

namespace {
using Bytes = std::vector<uint8_t>;

std::string Fixture(const std::string& name) {
    return std::string(ZOLV_SOURCE_DIR) + "/tests/runtime/image/fixtures/" + name;
}

Bytes ReadBytes(const std::string& path) {
    Bytes bytes;
    ReadWholeFile(path, bytes);
    return bytes;
}

bool Decode(const Bytes& b, DecodedImage& out, std::string& why) {
    return DecodeBmp(b.data(), b.size(), out, why) || DecodePng(b.data(), b.size(), out, why);
}

void Put16(Bytes& b, size_t at, uint32_t v) {
    b[at] = v & 0xFF;
    b[at + 1] = (v >> 8) & 0xFF;
}
void Put32(Bytes& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = (v >> (8 * i)) & 0xFF;
}

// Every file of the fixture folder decodes to the pixels ImageMagick reads from it.
TEST(ImageDecode, EveryKindOfFileGivesThePixelsImageMagickReads) {
    int checked = 0;
    for (const auto& entry : std::filesystem::directory_iterator(Fixture(""))) {
        const std::string path = entry.path().string();
        if (!entry.is_regular_file() || entry.path().extension() == ".rgba") continue;
        SCOPED_TRACE(path);
        const Bytes file = ReadBytes(path);
        std::string stem = path.substr(0, path.rfind('.'));
        const Bytes want = ReadBytes(stem + ".rgba");
        DecodedImage img;
        std::string why;
        ASSERT_TRUE(Decode(file, img, why)) << why;
        ASSERT_EQ(size_t(img.width) * img.height * 4, want.size());
        // 16-bit channels reduced to 8 may round either way: one level apart is the same value.
        const int tolerance = path.find("16.png") != std::string::npos ? 1 : 0;
        size_t differing = 0;
        for (size_t i = 0; i < want.size(); ++i)
            differing += std::abs(img.rgba[i] - want[i]) > tolerance;
        EXPECT_EQ(differing, 0u);
        ++checked;
    }
    EXPECT_GE(checked, 20);
}

TEST(ImageDecode, TopDownBmpIsNotShownUpsideDown) {
    Bytes file = ReadBytes(Fixture("bmp_info_24bit.bmp"));
    DecodedImage bottom_up, top_down;
    std::string why;
    ASSERT_TRUE(DecodeBmp(file.data(), file.size(), bottom_up, why));
    // Same picture stored the other way: negative height, rows in the opposite order.
    const uint32_t offset = file[10] | (file[11] << 8);
    const size_t stride = (7 * 3 + 3) / 4 * 4;
    Bytes flipped = file;
    for (int row = 0; row < 5; ++row)
        std::memcpy(&flipped[offset + row * stride], &file[offset + (4 - row) * stride], stride);
    Put32(flipped, 22, uint32_t(-5));
    ASSERT_TRUE(DecodeBmp(flipped.data(), flipped.size(), top_down, why)) << why;
    EXPECT_EQ(top_down.height, 5);
    EXPECT_TRUE(top_down.rgba == bottom_up.rgba);
}

// A 40-byte-header BMP of w x h at `bits` with `table` colours (BGRX) and raw pixel bytes.
Bytes MakeBmp(int w, int h, int bits, const Bytes& table, const Bytes& pixels) {
    Bytes b(54 + table.size());
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 10, uint32_t(b.size()));
    Put32(b, 14, 40);
    Put32(b, 18, uint32_t(w));
    Put32(b, 22, uint32_t(h));
    Put16(b, 26, 1);
    Put16(b, 28, bits);
    std::copy(table.begin(), table.end(), b.begin() + 54);
    b.insert(b.end(), pixels.begin(), pixels.end());
    Put32(b, 2, uint32_t(b.size()));
    return b;
}

TEST(ImageDecode, ColourIndicesPastTheTableReadAsBlackAndAllPixelsAreOpaque) {
    const Bytes table = {10, 20, 30, 0, 40, 50, 60, 0};
    DecodedImage img;
    std::string why;
    const Bytes b = MakeBmp(3, 1, 8, table, {1, 200, 0, 0});
    ASSERT_TRUE(DecodeBmp(b.data(), b.size(), img, why)) << why;
    EXPECT_EQ(img.rgba, (Bytes{60, 50, 40, 255, 0, 0, 0, 255, 30, 20, 10, 255}));

    const Bytes b32 = MakeBmp(1, 1, 32, {}, {1, 2, 3, 0});  // stored alpha 0
    ASSERT_TRUE(DecodeBmp(b32.data(), b32.size(), img, why)) << why;
    EXPECT_EQ(img.rgba, (Bytes{3, 2, 1, 255}));
}

TEST(ImageDecode, BadBmpFilesAreRefusedWithAReason) {
    const Bytes good = MakeBmp(2, 2, 24, {}, Bytes(16, 0x55));
    DecodedImage img;
    std::string why;
    ASSERT_TRUE(DecodeBmp(good.data(), good.size(), img, why));
    struct Case {
        const char* what;
        Bytes file;
    };
    std::vector<Case> cases;
    Bytes b = good;
    Put16(b, 28, 16);
    cases.push_back({"16 bits per pixel", b});
    b = good;
    Put32(b, 30, 1);
    cases.push_back({"run-length compressed", b});
    b = good;
    Put32(b, 14, 13);
    cases.push_back({"odd header size", b});
    b = good;
    Put32(b, 18, 100000);
    cases.push_back({"absurd width", b});
    b = good;
    Put32(b, 18, 0x7FFFFFFF);
    Put32(b, 22, 0x80000000u);  // the most negative height
    cases.push_back({"absurd width and height", b});
    b = good;
    Put32(b, 18, 0);
    cases.push_back({"no width", b});
    b = good;
    Put32(b, 10, 0xFFFFFFF0u);
    cases.push_back({"pixel data past the end", b});
    b = MakeBmp(2, 1, 8, Bytes(8, 1), {0, 0, 0, 0});
    Put32(b, 10, 1000);
    cases.push_back({"colour table past the end", b});
    for (const Case& c : cases) {
        EXPECT_FALSE(DecodeBmp(c.file.data(), c.file.size(), img, why)) << c.what;
        EXPECT_FALSE(why.empty()) << c.what;
        EXPECT_TRUE(img.rgba.empty()) << c.what;
    }
}

// Every cut-short copy of every fixture is refused (the sanitizer build checks no read goes
// past the end).
TEST(ImageDecode, TruncatedFilesAreRefused) {
    for (const char* name :
         {"bmp_core_8bit.bmp", "bmp_info_1bit.bmp", "bmp_info_4bit.bmp", "bmp_v5_32bit.bmp",
          "png_rgba16.png", "png_palette_trns.png", "png_rgb_interlaced.png"}) {
        const Bytes file = ReadBytes(Fixture(name));
        for (size_t n = 0; n < file.size(); ++n) {
            const Bytes cut(file.begin(), file.begin() + n);
            DecodedImage img;
            std::string why;
            EXPECT_FALSE(Decode(cut, img, why)) << name << " cut to " << n << " bytes";
        }
    }
}

// Sets a PNG chunk's CRC right after changing its contents.
void FixChunkCrc(Bytes& png, size_t chunk_start) {
    const uint32_t length = (png[chunk_start] << 24) | (png[chunk_start + 1] << 16) |
                            (png[chunk_start + 2] << 8) | png[chunk_start + 3];
    const uLong crc = crc32(0, png.data() + chunk_start + 4, length + 4);
    const size_t at = chunk_start + 8 + length;
    for (int i = 0; i < 4; ++i) png[at + i] = (crc >> (24 - 8 * i)) & 0xFF;
}

// A 7 x 5 picture, valid up to a text chunk after the image data that declares about 1.6 GB.
// It is refused at once, before the decoder allocates anything for that chunk.
TEST(ImageDecode, AChunkLongerThanTheFileIsRefusedAtOnce) {
    const Bytes hostile = ReadBytes(Fixture("hostile/png-huge-text-chunk.png"));
    ASSERT_EQ(hostile.size(), 265u);
    DecodedImage img;
    std::string why;
    const auto t0 = std::chrono::steady_clock::now();
    EXPECT_FALSE(DecodePng(hostile.data(), hostile.size(), img, why));
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - t0)
            .count();
    EXPECT_EQ(why, "PNG chunk longer than the file, or no end chunk");
    EXPECT_LT(ms, 200);
    EXPECT_TRUE(img.rgba.empty());

    // Whatever follows the end chunk is not read; a file ending early is still refused.
    Bytes good = ReadBytes(Fixture("png_rgb.png"));
    Bytes trailing = good;
    trailing.insert(trailing.end(), {0xFF, 0xFF, 0xFF, 0xF0, 't', 'E', 'X', 't'});
    EXPECT_TRUE(DecodePng(trailing.data(), trailing.size(), img, why)) << why;
    good.resize(good.size() - 6);
    EXPECT_FALSE(DecodePng(good.data(), good.size(), img, why));
}

TEST(ImageDecode, BadPngFilesAreRefusedWithAReason) {
    const Bytes good = ReadBytes(Fixture("png_rgb.png"));
    DecodedImage img;
    std::string why;
    ASSERT_TRUE(DecodePng(good.data(), good.size(), img, why));

    Bytes huge = good;  // IHDR starts at byte 8; width at 16, height at 20
    for (int i = 0; i < 4; ++i) huge[16 + i] = huge[20 + i] = (i == 1) ? 0x01 : 0;  // 65536
    FixChunkCrc(huge, 8);
    EXPECT_FALSE(DecodePng(huge.data(), huge.size(), img, why));
    EXPECT_FALSE(why.empty());

    Bytes bad_crc = good;
    bad_crc[29] ^= 0xFF;
    EXPECT_FALSE(DecodePng(bad_crc.data(), bad_crc.size(), img, why));

    Bytes bad_data = good;
    for (size_t i = 45; i < bad_data.size() - 20; ++i) bad_data[i] ^= 0x5A;
    EXPECT_FALSE(DecodePng(bad_data.data(), bad_data.size(), img, why));
    EXPECT_TRUE(img.rgba.empty());
}

TEST(ImageDecode, LoadImageFileLogsWhyAFileWasRefused) {
    UsePrivateTempFolder();
    const std::string folder = MakeScratchFolder("images");
    const std::string path = folder + "cut.bmp";
    Bytes file = ReadBytes(Fixture("bmp_info_24bit.bmp"));
    file.resize(60);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<char*>(file.data()), 60);
    DecodedImage img;
    EXPECT_FALSE(LoadImageFile(path, img));
    EXPECT_FALSE(LoadImageFile(folder + "missing.png", img));
    std::ifstream log(LogFilePath(), std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(log)), {});
    EXPECT_NE(text.find("Image not loaded: " + path + ": BMP pixel data truncated\r\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("missing.png: cannot be opened"), std::string::npos) << text;
    EXPECT_TRUE(LoadImageFile(Fixture("png_palette.png"), img));
}
}  // namespace
