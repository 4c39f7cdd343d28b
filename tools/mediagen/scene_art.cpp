#include "scene_art.h"

#include <cmath>

#include "board_art.h"
#include "font_art.h"
#include "palette.h"
#include "player_art.h"

namespace mediagen::art {

using namespace pal;

void Indicator(Canvas& c, int x, int y, int index) {
    if (index == 0) {  // a small wall block: walls are shown
        c.Fill(x + 12, y + 6, 16, 8, kStoneLight);
        c.Fill(x + 12, y + 14, 16, 10, kStone);
        c.Fill(x + 12, y + 18, 16, 1, kStoneDark);
        c.Fill(x + 20, y + 14, 1, 4, kStoneDark);
        c.Outline(x, y, 40, 28);
    } else if (index == 1) {  // the round frame laid over wall and arrow
        for (int a = 0; a < 360; a += 3) {
            double r = a * M_PI / 180;
            c.Put(x + 20 + int(std::lround(17 * std::cos(r))),
                  y + 14 + int(std::lround(12 * std::sin(r))), kMetalLight);
        }
    } else {  // arrows up, right, down, left
        int d = index - 2;
        std::vector<std::pair<double, double>> pts;
        double cx = x + 20, cy = y + 14;
        const double shape[7][2] = {{0, -10}, {8, -2},  {3, -2}, {3, 9},
                                    {-3, 9},  {-3, -2}, {-8, -2}};
        for (auto& s : shape) {
            double px = s[0], py = s[1];
            for (int k = 0; k < d; ++k) {
                double t = px;
                px = -py;
                py = t;
            }
            pts.push_back({cx + px * 1.2, cy + py});
        }
        c.Polygon(pts, kYellow);
        c.Outline(x, y, 40, 28);
    }
}

void TitleLetter(Canvas& c, int x, int y, int w, int h, char letter) {
    // Letters are drawn from polygons in a 10 x 16 design grid, then given a bevel and a rim.
    auto P = [&](std::vector<std::pair<double, double>> pts, Rgb col) {
        for (auto& p : pts)
            p = {x + 3 + p.first * (w - 8) / 10.0, y + 3 + p.second * (h - 8) / 16.0};
        c.Polygon(pts, col);
    };
    Rgb col = letter == 'Z' ? kAlien : letter == 'O' ? kYellow : letter == 'L' ? kRed : kBlue;
    Rgb light = Shade(col, 1.35), dark = Shade(col, 0.55);
    auto shape = [&](Rgb cc, double dx, double dy) {
        auto S = [&](std::vector<std::pair<double, double>> v) {
            for (auto& p : v) p.first += dx, p.second += dy;
            P(v, cc);
        };
        switch (letter) {
            case 'Z':
                S({{0, 0},
                   {10, 0},
                   {10, 3},
                   {3.5, 13},
                   {10, 13},
                   {10, 16},
                   {0, 16},
                   {0, 13},
                   {6.5, 3},
                   {0, 3}});
                break;
            case 'O':
                for (int k = 0; k < 2; ++k) {
                }
                S({{3, 0}, {7, 0}, {10, 3}, {10, 13}, {7, 16}, {3, 16}, {0, 13}, {0, 3}});
                break;
            case 'L':
                S({{0, 0}, {3.2, 0}, {3.2, 12.5}, {10, 12.5}, {10, 16}, {0, 16}});
                break;
            case 'V':
                S({{0, 0}, {3.2, 0}, {5, 11}, {6.8, 0}, {10, 0}, {6.6, 16}, {3.4, 16}});
                break;
        }
    };
    shape(dark, 0.35, 0.3);
    shape(col, 0, 0);
    if (letter == 'O') P({{3.3, 3.2}, {6.7, 3.2}, {6.7, 12.8}, {3.3, 12.8}}, kKey);
    // Highlight along the top-left edges.
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            Rgb p = c.Get(x + i, y + j);
            if (p == col && (c.Get(x + i - 2, y + j) == kKey || c.Get(x + i, y + j - 2) == kKey))
                c.Put(x + i, y + j, light);
        }
    c.Outline(x, y, w, h);
}

void Saucer(Canvas& c, int x, int y, int frame) {
    // The disc only: the dome is the separate part the final scene draws on top and opens.
    c.ShadedEllipse(x + 31, y + 18, 29, 7, kMetal);
    c.Fill(x + 6, y + 18, 50, 1, kMetalLight);
    c.Ellipse(x + 31, y + 13, 12, 2.5, kMetalDark);
    for (int k = 0; k < 6; ++k) {
        bool on = (k + frame) % 4 == 0;
        c.Ellipse(x + 10 + k * 8.4, y + 21, 2, 1.5, on ? kFlameHot : kOrange);
    }
    c.Outline(x, y, 62, 30);
}

void SaucerPart(Canvas& c, int x, int y, int frame) {
    // The glass dome, drawn 20 right of the disc and 7 above it: 0 shut, 1 lifted open.
    int lift = frame ? 5 : 0;
    for (int j = 0; j < 17; ++j)
        for (int i = 0; i < 22; ++i) {
            double u = (i + 0.5 - 11) / 10, v = (j + 0.5 - 17 + lift) / 12;
            if (u * u + v * v <= 1 && j < 17 - lift) {
                bool shine = u < -0.2 && v < -0.4 && v > -0.8;
                c.Put(x + i, y + j, shine ? pal::kWhite : Rgb{150, 210, 236});
            }
        }
    if (frame) {
        c.Fill(x + 3, y + 13, 16, 4, kFlameHot);  // light spilling from the open hatch
        c.Fill(x + 9, y + 13, 4, 2, kAlien);
    }
    c.Outline(x, y, 22, 17);
}

void Ray(Canvas& c, int x, int y, int index) {
    int half = 8 + index * 3;
    for (int j = 0; j < 14; ++j) {
        int w = half + j * (20 - half) / 14;
        for (int i = -w; i <= w; ++i) {
            bool stripe = ((j + index * 3 + (i + 40) / 4) % 5) == 0;
            c.Put(x + 22 + i, y + j, stripe ? kFlameHot : Mix(kYellow, kWhite, 0.4 + 0.1 * index));
        }
    }
}

Canvas TitlePicture() {
    Canvas c(320, 240);
    c.Gradient(0, 0, 320, 172, {12, 16, 48}, {70, 50, 120});
    Dice d(1234);
    for (int k = 0; k < 90; ++k) {
        int sx = d.Below(320), sy = d.Below(140);
        c.Put(sx, sy, k % 7 ? Rgb{200, 200, 230} : kWhite);
    }
    // The menu draws the four title letters over the top of this picture, so the sky stays
    // clear there; the scene sits below them.
    c.ShadedEllipse(26, 146, 9, 9, {230, 210, 160});  // a pale moon
    c.Gradient(0, 165, 320, 75, kLeaf, kLeafDark);
    c.Ellipse(70, 172, 110, 16, kLeaf);
    c.Ellipse(260, 174, 120, 14, Shade(kLeaf, 0.9));
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 8; ++col) Floor(c, 60 + col * 20, 192 + row * 12);
    c.Fill(60, 228, 160, 4, kSandEdge);
    Egg(c, 80, 176);
    Egg(c, 170, 188);
    Chick(c, 120, 188, 5);
    Chick(c, 192, 176, 0);
    Player(c, 130, 174, 16);
    Gem(c, 100, 184);
    const int ux = 236, uy = 130;
    Saucer(c, ux, uy, 0);
    SaucerPart(c, ux + 20, uy - 7, 1);
    for (int r = 0; r < 4; ++r) Ray(c, ux + 9, uy + 26 + r * 14, r);  // the beam reaches the ground
    return c;
}

}  // namespace mediagen::art
