#include "preview.h"

#include <algorithm>
#include <map>

#include "font_art.h"

namespace mediagen {

namespace {
const Canvas* SheetOf(const Sheets& s, const std::string& name) {
    for (const auto& [n, c] : s.images)
        if (n == name) return &c;
    return nullptr;
}

void DrawSprite(Canvas& dst, const Sheets& s, int sprite, int x, int y) {
    for (const auto& cut : s.cuts)
        if (cut.sprite == sprite) {
            if (const Canvas* src = SheetOf(s, cut.sheet))
                dst.Blit(*src, cut.x, cut.y, cut.w, cut.h, x, y);
            return;
        }
}

// Piece entries from the directive lines: rotation characters, first sprite, kind letters.
struct Entry {
    int sprite = -1;
    char k1 = ' ', k2 = ' ';
};
std::map<char, Entry> Entries(const Sheets& s) {
    std::map<char, Entry> out;
    int next = 1;
    for (const auto& l : s.lines) {
        std::string cmd = l.substr(1, 5);
        if (cmd == "PEZZO") {
            out[l[7]] = {next, l[12], l[13]};
            ++next;
        } else if (cmd == "PEZZI") {
            next += std::stoi(l.substr(12, 2));
        }
    }
    return out;
}
}  // namespace

Canvas ContactSheet(const Sheets& s) {
    const int width = 640;
    int x = 4, y = 4, rowH = 0;
    std::vector<std::pair<int, int>> places;
    for (const auto& c : s.cuts) {
        int w = std::max(c.w, 18), h = c.h + 12;
        if (x + w > width - 4) x = 4, y += rowH + 4, rowH = 0;
        places.push_back({x, y});
        x += w + 4;
        rowH = std::max(rowH, h);
    }
    Canvas out(width, y + rowH + 8);
    out.Fill(0, 0, out.width(), out.height(), {60, 64, 72});
    for (size_t i = 0; i < s.cuts.size(); ++i) {
        const auto& c = s.cuts[i];
        auto [px, py] = places[i];
        out.Fill(px, py, c.w, c.h, {96, 100, 110});
        DrawSprite(out, s, c.sprite, px, py);
        std::string num = std::to_string(c.sprite);
        art::Text(out, px, py + c.h + 1, num.c_str(), 1, {255, 255, 160}, {255, 220, 120}, false);
    }
    return out;
}

Canvas TextSamples(const Sheets& s) {
    // Texts at the scales and advances the game writes them, nearest-neighbour scaled.
    int font = -1;
    for (const auto& c : s.cuts)
        if (c.sheet == "segn" && c.w == 20 && c.h == 32) {
            font = c.sprite;
            break;
        }
    Canvas glyphs(20, 32 * 95);
    for (int i = 0; i < 95; ++i) DrawSprite(glyphs, s, font + i, 0, 32 * i);
    Canvas out(320, 240);
    out.Fill(0, 0, 320, 240, {16, 20, 44});
    struct Sample {
        const char* text;
        double scale;
        int advance;
    };
    const Sample samples[] = {
        {"EGGS:3+2   LEVEL:12", 0.75, 8},
        {"TIME:01.05  SCORE:-15  STEPS:42", 0.5, 8},
        {"Collect every egg and every chick,", 0.6, 8},
        {"One egg collected: 25 points.", 0.8, 9},
        {"TIME IS UP!", 2, 24},
        {"RECORD STEPS!!!", 1.5, 20},
        {"PLAY", 1, 38},
        {"...ALL CHICKS SAFE!!!", 1, 14},
    };
    int y = 2;
    for (const auto& smp : samples) {
        int x = 2;
        for (const char* p = smp.text; *p; ++p, x += smp.advance) {
            int g = *p - 32;
            int w = int(20 * smp.scale), h = int(32 * smp.scale);
            for (int j = 0; j < h; ++j)
                for (int i = 0; i < w; ++i) {
                    Rgb c = glyphs.Get(int(i / smp.scale), 32 * g + int(j / smp.scale));
                    if (!(c == kKey)) out.Put(x + i, y + j, c);
                }
        }
        y += int(32 * smp.scale) + 2;
    }
    return out;
}

Canvas LevelPicture(const Sheets& s, const std::string& map) {
    auto entries = Entries(s);
    Canvas out(320, 240);
    out.Fill(0, 0, 320, 240, {16, 20, 44});
    const int bx = 0, by = 28;  // the fixed board's origin on the 320 x 240 screen
    int floorSprite = entries['#'].sprite;
    int playerSprite = entries['%'].sprite;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            char ch = map[y * 16 + x];
            bool start = ch == '%';
            if (start) ch = '#';
            Entry e = entries[ch];
            int diff = 0;
            bool floor = false;
            double alpha = 1;
            if (e.k2 == 'P') diff = -8, floor = true;
            if (e.k1 == 'B') diff = -20, floor = true, alpha = 0.8;
            if (e.k1 == 'M') {
                diff = -16;
                if (e.k2 == 'X' || e.k2 == 'Y') diff = -10, floor = true;
            }
            if (e.k2 == 'U') diff = -12, floor = true;
            if (e.k1 == 'I') floor = true;
            if (e.k1 == 'X') alpha = 0.5, floor = true;
            int zx = bx + x * 20, zy = by + y * 12;
            if (floor) DrawSprite(out, s, floorSprite, zx, zy);
            if (alpha < 1) {
                Canvas tmp(20, 40);
                DrawSprite(tmp, s, e.sprite, 0, 0);
                for (int j = 0; j < 40; ++j)
                    for (int i = 0; i < 20; ++i)
                        if (!tmp.IsKey(i, j))
                            out.Put(zx + i, zy + diff + j,
                                    Mix(out.Get(zx + i, zy + diff + j), tmp.Get(i, j), alpha));
            } else {
                DrawSprite(out, s, e.sprite, zx, zy + diff);
            }
            if (e.k1 == 'C') {  // glass panes round the cabin, as the board drawing lays them
                static const char* kPanes = "1650123002340654014026350650010002300040";
                int glass = entries['Y'].sprite;
                for (int k = 0; k < 4; ++k) {
                    int lc = kPanes[(e.k2 - '0') * 4 + k] - '0';
                    if (lc > 0) {
                        Canvas tmp(20, 28);
                        DrawSprite(tmp, s, glass + lc - 1, 0, 0);
                        for (int j = 0; j < 28; ++j)
                            for (int i = 0; i < 20; ++i)
                                if (!tmp.IsKey(i, j))
                                    out.Put(zx + i, zy - 13 + j,
                                            Mix(out.Get(zx + i, zy - 13 + j), tmp.Get(i, j), 0.45));
                    }
                }
            }
            if (start) DrawSprite(out, s, playerSprite + 16, zx, zy - 14);
        }
    return out;
}

}  // namespace mediagen
