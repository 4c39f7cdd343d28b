// The BMP reader: uncompressed 1, 4, 8, 24 and 32 bits per pixel, the 12-byte core header and
// the longer information headers, colour tables, every pixel opaque.
#include <cstring>

#include "runtime/image/image_decode.h"

namespace {
uint32_t U16(const uint8_t* p) {
    return p[0] | (p[1] << 8);
}
uint32_t U32(const uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiBitfields = 3;

// Position of the lowest set bit and the mask's width, to take one channel out of a 32-bit
// pixel; a channel wider than 8 bits keeps its top 8.
struct Channel {
    int shift = 0;
    int bits = 0;
};
Channel ChannelOf(uint32_t mask) {
    Channel c;
    if (mask == 0) return c;
    while (!(mask & 1u)) {
        mask >>= 1;
        ++c.shift;
    }
    while (mask & 1u) {
        mask >>= 1;
        ++c.bits;
    }
    return c;
}
uint8_t Extract(uint32_t pixel, Channel c) {
    if (c.bits == 0) return 0;
    uint32_t v = (pixel >> c.shift) & ((c.bits >= 32) ? 0xFFFFFFFFu : ((1u << c.bits) - 1));
    if (c.bits >= 8) return static_cast<uint8_t>(v >> (c.bits - 8));
    return static_cast<uint8_t>(v * 255 / ((1u << c.bits) - 1));
}

bool Fail(std::string& why, const char* reason) {
    why = reason;
    return false;
}
}  // namespace

bool DecodeBmp(const uint8_t* data, size_t size, DecodedImage& out, std::string& why) {
    out = DecodedImage{};
    if (size < 26 || data[0] != 'B' || data[1] != 'M') return Fail(why, "not a BMP file");
    const uint32_t pixel_offset = U32(data + 10);
    const uint32_t header_size = U32(data + 14);
    if (header_size != 12 && (header_size < 40 || header_size > 1024))
        return Fail(why, "unknown BMP header size");
    if (14 + static_cast<uint64_t>(header_size) > size) return Fail(why, "BMP header truncated");

    int64_t width, height;
    uint32_t bits, compression = kBiRgb;
    uint64_t table_start = 14 + header_size;
    uint64_t table_entries;
    int entry_size;
    uint32_t masks[3] = {0x00FF0000u, 0x0000FF00u, 0x000000FFu};
    if (header_size == 12) {
        width = U16(data + 18);
        height = U16(data + 20);
        bits = U16(data + 24);
        entry_size = 3;
        table_entries = bits <= 8 ? (1u << bits) : 0;
    } else {
        width = static_cast<int32_t>(U32(data + 18));
        height = static_cast<int32_t>(U32(data + 22));
        bits = U16(data + 28);
        compression = U32(data + 30);
        entry_size = 4;
        if (compression == kBiBitfields) {
            // The three masks sit inside a long header, or right after a 40-byte one.
            const uint64_t at = 14 + 40;
            if (at + 12 > size) return Fail(why, "BMP colour masks truncated");
            for (int i = 0; i < 3; ++i) masks[i] = U32(data + at + 4 * i);
            if (header_size == 40) table_start += 12;
        }
        table_entries = 0;
        if (bits <= 8 && pixel_offset > table_start) {
            table_entries = (pixel_offset - table_start) / 4;
            if (table_entries > (1u << bits)) table_entries = 1u << bits;
        }
    }
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        return Fail(why, "unsupported BMP bit depth");
    if (compression != kBiRgb && !(compression == kBiBitfields && bits == 32))
        return Fail(why, "compressed BMP files are not read");
    // A negative height marks rows stored from the top down.
    const bool top_down = height < 0;
    if (top_down) height = -height;
    if (width <= 0 || height <= 0) return Fail(why, "BMP picture has no pixels");
    if (width > kMaxImageSide || height > kMaxImageSide || width * height > kMaxImagePixels)
        return Fail(why, "BMP picture too large");

    uint8_t palette[256][3] = {};  // colours past the table read as black
    if (bits <= 8) {
        if (table_start + table_entries * entry_size > size)
            return Fail(why, "BMP colour table truncated");
        for (uint64_t i = 0; i < table_entries; ++i) {
            const uint8_t* e = data + table_start + i * entry_size;
            palette[i][0] = e[2];
            palette[i][1] = e[1];
            palette[i][2] = e[0];
        }
    }

    const uint64_t stride = ((static_cast<uint64_t>(width) * bits + 31) / 32) * 4;
    if (pixel_offset < 14 + header_size || pixel_offset > size ||
        stride * height > size - pixel_offset)
        return Fail(why, "BMP pixel data truncated");

    const Channel channels[3] = {ChannelOf(masks[0]), ChannelOf(masks[1]), ChannelOf(masks[2])};
    out.width = static_cast<int>(width);
    out.height = static_cast<int>(height);
    out.rgba.resize(static_cast<size_t>(width * height * 4));
    for (int64_t y = 0; y < height; ++y) {
        const int64_t stored_row = top_down ? y : height - 1 - y;
        const uint8_t* row = data + pixel_offset + stored_row * stride;
        uint8_t* dst = out.rgba.data() + y * width * 4;
        for (int64_t x = 0; x < width; ++x, dst += 4) {
            dst[3] = 255;
            if (bits <= 8) {
                const int per_byte = 8 / bits;
                const uint8_t byte = row[x / per_byte];
                const int shift = 8 - bits * (static_cast<int>(x % per_byte) + 1);
                const int index = (byte >> shift) & ((1 << bits) - 1);
                std::memcpy(dst, palette[index], 3);
            } else if (bits == 24) {
                const uint8_t* p = row + x * 3;
                dst[0] = p[2];
                dst[1] = p[1];
                dst[2] = p[0];
            } else {
                const uint32_t p = U32(row + x * 4);
                for (int c = 0; c < 3; ++c) dst[c] = Extract(p, channels[c]);
            }
        }
    }
    return true;
}
