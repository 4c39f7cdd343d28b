// Font slots, font loading and text drawing.
#include "runtime/gfx/fonts.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "runtime/base/log.h"
#include "runtime/gfx/font_builtin.h"
#include "runtime/gfx/gl_draw.h"
#include "runtime/image/image_decode.h"
#include "runtime/values/media_lookup.h"
#include "runtime/values/text_value.h"

namespace {
struct FontLayout {
    int cell_width = 0, cell_height = 0, characters = 128;
};

// 16 columns always; a picture taller than wide has 16 rows (256 characters), else 8.
FontLayout LayoutOf(const SpriteImage& s) {
    FontLayout l;
    l.cell_width = s.image_width >> 4;
    const int rows = s.image_width < s.image_height ? 16 : 8;
    l.cell_height = s.image_height / rows;
    l.characters = rows * 16;
    return l;
}

SpriteImage& FontSprite(int f) {
    return SpriteAt(OpenGLDirezaze::kFontSpriteBase + f);
}
}  // namespace

void SetFont(int f) {
    if (OpenGLDirezaze* g = Gfx()) g->current_font = std::clamp(f, 0, 31);
}

int CurrentFont() {
    return Gfx() ? Gfx()->current_font : 0;
}

void LoadFont(std::string_view file, int f) {
    OpenGLDirezaze* g = Gfx();
    if (!g) return;
    SetFont(f);
    SpriteImage& s = FontSprite(g->current_font);
    const std::string path = ResolveMediaName(std::string(file));
    // An empty name asks for the built-in font and is no failure.
    if (path.empty() && !file.empty())
        AppendLog("Image not loaded: " + std::string(file) + ": not found");
    DecodedImage image;
    if (!path.empty() && LoadImageFile(path, image)) {
        const int key = g->load_key_colour;
        const uint8_t r = key & 0xFF, gr = (key >> 8) & 0xFF, b = (key >> 16) & 0xFF;
        for (size_t i = 0; i < image.rgba.size(); i += 4) {
            uint8_t* p = image.rgba.data() + i;
            if (p[0] == r && p[1] == gr && p[2] == b) p[0] = p[1] = p[2] = p[3] = 0;
        }
        UploadSprite(s, image.rgba.data(), image.width, image.height);
        return;
    }
    const std::vector<uint8_t> builtin = BuiltinFontPixels();
    UploadSprite(s, builtin.data(), kBuiltinFontWidth, kBuiltinFontHeight);
}

void FontCharSize(double& width, double& height) {
    width = height = 0;
    if (!Gfx()) return;
    const FontLayout l = LayoutOf(FontSprite(Gfx()->current_font));
    width = l.cell_width;
    height = l.cell_height;
}

void PrintText(std::string_view text, double x, double y) {
    OpenGLDirezaze* g = Gfx();
    if (!g || text.empty()) return;
    const SpriteImage& s = FontSprite(g->current_font);
    if (!s.texture) return;
    UseTexturing(true);
    const FontLayout l = LayoutOf(s);
    const float u_step = float(s.image_width) / s.texture_width / 16;
    const float th = s.texture_height;
    float left = static_cast<float>(std::ceil(x));
    const float top = static_cast<float>(std::ceil(y));
    const float bottom = top + l.cell_height;
    const QuadFilter filter = SpriteFilter();
    for (unsigned char c : text) {
        const int code = c % l.characters;
        const float u0 = (code % 16) * u_step, u1 = u0 + u_step;
        // Cell rows count from the picture's top; the texture's rows run bottom-up.
        const int row = code / 16;
        const float v_top = (s.image_height - row * l.cell_height) / th;
        const float v_bottom = (s.image_height - (row + 1) * l.cell_height) / th;
        const float right = left + l.cell_width;
        const float quad[16] = {left,  bottom, u0, v_bottom, right, bottom, u1, v_bottom,
                                right, top,    u1, v_top,    left,  top,    u0, v_top};
        BatchQuad(s.texture, filter, QuadKind::kQuad, quad);
        left = right;
    }
}

void PrintNumber(double value, double x, double y) {
    PrintText(NumberToText(value).view(), x, y);
}
