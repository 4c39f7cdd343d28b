#include "icon_art.h"

#include <zlib.h>

#include <cstdint>

#include "canvas.h"
#include "palette.h"
#include "player_art.h"

namespace mediagen {
namespace {

constexpr int kArt = 32;  // the drawing, before scaling

// Zolv facing the viewer, standing on a round ice tile; the key colour is transparent.
Canvas IconArt() {
    Canvas c(kArt, kArt);
    c.ShadedEllipse(15.5, 17.5, 15.0, 13.5, Rgb{120, 190, 230});
    c.Ellipse(15.5, 17.5, 11.0, 9.5, Rgb{170, 220, 245});
    art::Player(c, 6, 1, 16);
    return c;
}

void Put32(std::string& out, uint32_t v) {
    for (int s = 24; s >= 0; s -= 8) out.push_back(static_cast<char>((v >> s) & 0xff));
}

void Chunk(std::string& out, const char* type, const std::string& data) {
    Put32(out, static_cast<uint32_t>(data.size()));
    std::string body = std::string(type, 4) + data;
    out += body;
    Put32(out, static_cast<uint32_t>(
                   crc32(0, reinterpret_cast<const Bytef*>(body.data()), uInt(body.size()))));
}

}  // namespace

std::string IconPng(int size) {
    const Canvas art = IconArt();
    // Each icon pixel averages a 4 x 4 grid of samples of the drawing, weighted by coverage.
    std::string rows;
    for (int y = 0; y < size; ++y) {
        rows.push_back('\0');  // no filter
        for (int x = 0; x < size; ++x) {
            double r = 0, g = 0, b = 0, a = 0;
            for (int sy = 0; sy < 4; ++sy)
                for (int sx = 0; sx < 4; ++sx) {
                    const int ax = int((x + (sx + 0.5) / 4) * kArt / size);
                    const int ay = int((y + (sy + 0.5) / 4) * kArt / size);
                    if (art.IsKey(ax, ay)) continue;
                    const Rgb p = art.Get(ax, ay);
                    r += p.r, g += p.g, b += p.b, a += 1;
                }
            const auto level = [&](double v) { return static_cast<char>(a ? v / a + 0.5 : 0); };
            rows += {level(r), level(g), level(b), static_cast<char>(a * 255 / 16 + 0.5)};
        }
    }
    std::string header;
    Put32(header, uint32_t(size));
    Put32(header, uint32_t(size));
    header += {8, 6, 0, 0, 0};  // 8 bits, RGBA, deflate, standard filters, not interlaced
    uLongf packed_size = compressBound(uLong(rows.size()));
    std::string packed(packed_size, '\0');
    compress2(reinterpret_cast<Bytef*>(packed.data()), &packed_size,
              reinterpret_cast<const Bytef*>(rows.data()), uLong(rows.size()), 9);
    packed.resize(packed_size);
    std::string png = "\x89PNG\r\n\x1a\n";
    Chunk(png, "IHDR", header);
    Chunk(png, "IDAT", packed);
    Chunk(png, "IEND", "");
    return png;
}

}  // namespace mediagen
