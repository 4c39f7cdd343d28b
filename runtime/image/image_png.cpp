// The PNG reader, through libpng: every colour type and depth comes out as 8-bit RGBA.
#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>

#include "runtime/image/image_decode.h"

namespace {
// libpng reports errors by longjmp; the functions holding setjmp below keep only plain locals,
// so nothing with a destructor is skipped.
struct PngSource {
    const uint8_t* data;
    size_t size;
    size_t pos;
    char message[128];
};

void OnError(png_structp png, png_const_charp text) {
    auto* src = static_cast<PngSource*>(png_get_error_ptr(png));
    std::snprintf(src->message, sizeof src->message, "%s", text ? text : "PNG error");
    png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

void OnRead(png_structp png, png_bytep dst, png_size_t length) {
    auto* src = static_cast<PngSource*>(png_get_io_ptr(png));
    if (length > src->size - src->pos) png_error(png, "PNG data truncated");
    std::memcpy(dst, src->data + src->pos, length);
    src->pos += length;
}

// Reads the header and sets the conversions to 8-bit RGBA. False on a libpng error.
bool ReadHeader(png_structp png, png_infop info, png_uint_32* width, png_uint_32* height) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_info(png, info);
    int depth, colour, interlace;
    png_get_IHDR(png, info, width, height, &depth, &colour, &interlace, nullptr, nullptr);
    if (colour == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
    if (colour == PNG_COLOR_TYPE_GRAY && depth < 8) png_set_expand_gray_1_2_4_to_8(png);
    if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
    if (depth == 16) png_set_scale_16(png);
    if (colour == PNG_COLOR_TYPE_GRAY || colour == PNG_COLOR_TYPE_GRAY_ALPHA)
        png_set_gray_to_rgb(png);
    if (!(colour & PNG_COLOR_MASK_ALPHA)) png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    return png_get_rowbytes(png, info) == static_cast<size_t>(*width) * 4;
}

bool ReadRows(png_structp png, png_bytepp rows) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_image(png, rows);
    // Nothing after the image data is read: the chunks there carry no pixels.
    return true;
}

uint32_t BigEndian32(const uint8_t* p) {
    return uint32_t{p[0]} << 24 | uint32_t{p[1]} << 16 | uint32_t{p[2]} << 8 | p[3];
}

// Walks the chunk list of the whole file before the decoder sees it. Returns the size up to
// the end of the end chunk, or 0 when a chunk declares more bytes than the file has left (a
// decoder trusting such a length would allocate it before finding out) or there is no end
// chunk (a cut file).
size_t CheckedChunkEnd(const uint8_t* data, size_t size) {
    size_t pos = 8;
    while (size - pos >= 12) {
        const uint32_t length = BigEndian32(data + pos);
        if (length > size - pos - 12) return 0;
        const bool end = std::memcmp(data + pos + 4, "IEND", 4) == 0;
        pos += 12 + size_t{length};
        if (end) return pos;
    }
    return 0;
}
}  // namespace

bool DecodePng(const uint8_t* data, size_t size, DecodedImage& out, std::string& why) {
    out = DecodedImage{};
    if (size < 8 || png_sig_cmp(data, 0, 8) != 0) {
        why = "not a PNG file";
        return false;
    }
    const size_t checked = CheckedChunkEnd(data, size);
    if (checked == 0) {
        why = "PNG chunk longer than the file, or no end chunk";
        return false;
    }
    PngSource src{data, checked, 0, "PNG error"};
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &src, &OnError, &OnWarning);
    if (!png) {
        why = "no memory for the PNG reader";
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        why = "no memory for the PNG reader";
        return false;
    }
    png_set_read_fn(png, &src, &OnRead);
    png_set_user_limits(png, kMaxImageSide, kMaxImageSide);
    png_set_chunk_malloc_max(png, 8 * 1024 * 1024);

    png_uint_32 width = 0, height = 0;
    bool ok = ReadHeader(png, info, &width, &height);
    if (ok &&
        (width == 0 || height == 0 || static_cast<int64_t>(width) * height > kMaxImagePixels)) {
        std::snprintf(src.message, sizeof src.message, "PNG picture too large");
        ok = false;
    }
    if (ok) {
        out.width = static_cast<int>(width);
        out.height = static_cast<int>(height);
        out.rgba.resize(static_cast<size_t>(width) * height * 4);
        std::vector<png_bytep> rows(height);
        for (png_uint_32 y = 0; y < height; ++y) rows[y] = out.rgba.data() + y * width * 4;
        ok = ReadRows(png, rows.data());
    }
    png_destroy_read_struct(&png, &info, nullptr);
    if (!ok) {
        why = src.message;
        out = DecodedImage{};
    }
    return ok;
}
