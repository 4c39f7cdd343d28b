// Picture decoding for backgrounds and fonts: BMP by our own reader, PNG through libpng.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Decoded pixels: RGBA bytes, rows from the top of the picture.
struct DecodedImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;
};

// Pictures wider or taller than this, or with more pixels than the second limit, are refused
// rather than allocated: no background or font of the game comes near them.
constexpr int kMaxImageSide = 16384;
constexpr int64_t kMaxImagePixels = 16 * 1024 * 1024;
// Files larger than this are not read at all (bytes).
constexpr int64_t kMaxImageFileBytes = 256 * 1024 * 1024;

// Each returns false with the reason in `why` and `out` empty when the data is not a picture
// of its kind that can be read safely.
bool DecodeBmp(const uint8_t* data, size_t size, DecodedImage& out, std::string& why);
bool DecodePng(const uint8_t* data, size_t size, DecodedImage& out, std::string& why);

// Reads a file and decodes it as BMP, else as PNG. On failure logs a line naming the file and
// the reason, and returns false with `out` empty.
bool LoadImageFile(const std::string& path, DecodedImage& out);
