#include "board_art.h"

#include <cmath>

#include "palette.h"

namespace mediagen::art {

using namespace pal;

namespace {
// The 20 x 12 ground face at row g with its 4-row front edge below.
void Slab(Canvas& c, int x, int y, int g, Rgb top, Rgb light, Rgb dark, Rgb edge, uint32_t seed) {
    c.Fill(x, y + g, 20, 12, top);
    Dice d(seed);
    for (int k = 0; k < 7; ++k) {
        int px = x + 2 + d.Below(16), py = y + g + 2 + d.Below(8);
        c.Put(px, py, (k & 1) ? light : dark);
    }
    c.Fill(x, y + g, 20, 1, light);
    c.Fill(x, y + g, 1, 12, light);
    c.Fill(x + 19, y + g + 1, 1, 11, Mix(top, dark, 0.5));
    c.Fill(x + 1, y + g + 11, 19, 1, dark);
    c.Fill(x, y + g + 12, 20, 4, edge);
    c.Fill(x, y + g + 12, 20, 1, Mix(edge, dark, 0.5));
    c.Fill(x, y + g + 15, 20, 1, kInk);
}
}  // namespace

void Floor(Canvas& c, int x, int y, int g) {
    Slab(c, x, y, g, kSand, kSandLight, kSandDark, kSandEdge, 7);
    // Tile joint across the middle gives the board a paved look.
    c.Fill(x + 10, y + g + 1, 1, 5, Mix(kSand, kSandDark, 0.6));
    c.Fill(x + 4, y + g + 6, 1, 5, Mix(kSand, kSandDark, 0.6));
    c.Fill(x + 1, y + g + 6, 18, 1, Mix(kSand, kSandDark, 0.45));
}

void Water(Canvas& c, int x, int y) {
    // Flat and quiet: the same sprite fills every empty cell, so strong marks would form a grid.
    c.Fill(x, y, 20, 16, kWater);
    Rgb ripple = Mix(kWater, kWaterLight, 0.35), trough = Mix(kWater, kWaterDeep, 0.5);
    c.Fill(x + 3, y + 3, 4, 1, ripple);
    c.Fill(x + 4, y + 4, 3, 1, trough);
    c.Fill(x + 13, y + 8, 3, 1, ripple);
    c.Fill(x + 13, y + 9, 2, 1, trough);
}

void Hole(Canvas& c, int x, int y) {
    Water(c, x, y);
    // Broken ice round the rim.
    c.Fill(x, y, 20, 2, kIceDark);
    c.Fill(x, y, 2, 12, kIceDark);
    c.Fill(x + 18, y, 2, 12, kIceDark);
    c.Put(x + 5, y + 2, kIce);
    c.Put(x + 14, y + 2, kIce);
    c.Put(x + 2, y + 7, kIce);
    c.Fill(x, y + 15, 20, 1, kInk);
}

void TakenMark(Canvas& c, int x, int y) {
    Floor(c, x, y);
    c.Ellipse(x + 10, y + 6, 4, 2.2, kSandDark);
    c.Ellipse(x + 10, y + 5.6, 3, 1.4, Mix(kSand, kSandDark, 0.4));
}

void Shells(Canvas& c, int x, int y) {
    Floor(c, x, y);
    c.Polygon({{x + 4, y + 6}, {x + 8, y + 4}, {x + 9, y + 8}}, kCream);
    c.Polygon({{x + 12, y + 7}, {x + 16, y + 5}, {x + 15, y + 9}}, kCreamDark);
    c.Put(x + 6, y + 8, kCreamDark);
    c.Put(x + 11, y + 3, kCream);
}

void Flowers(Canvas& c, int x, int y, int variant) {
    Floor(c, x, y);
    Dice d(variant ? 41 : 17);
    Rgb petals = variant ? kViolet : kRed;
    for (int k = 0; k < 4; ++k) {
        int px = x + 3 + d.Below(13), py = y + 2 + d.Below(7);
        c.Put(px, py + 1, kLeafDark);
        c.Put(px, py + 2, kLeafDark);
        c.Put(px - 1, py, petals);
        c.Put(px + 1, py, petals);
        c.Put(px, py - 1, Shade(petals, 1.3));
        c.Put(px, py, kYellow);
    }
}

void Star(Canvas& c, int x, int y) {
    const double cx = x + 10, cy = y + 9;
    std::vector<std::pair<double, double>> pts;
    for (int k = 0; k < 10; ++k) {
        double a = -M_PI / 2 + k * M_PI / 5, r = (k & 1) ? 3.2 : 7.5;
        pts.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    c.Polygon(pts, kGold);
    c.Put(x + 8, y + 6, kFlameHot);
    c.Put(x + 9, y + 5, kFlameHot);
    c.Put(x + 12, y + 12, kYellowDark);
    c.Outline(x, y, 20, 20);
    c.Ellipse(x + 10, y + 19, 4, 1.3, kSandDark);  // its shadow on the floor
}

void Ice(Canvas& c, int x, int y, int frame) {
    Water(c, x, y);
    double sink = frame <= 1 ? 0 : (frame - 1) / 6.0;  // 0 whole, 1 gone
    int inset = int(std::lround(sink * 7));
    int top = y + inset / 2 + (frame == 1 ? 1 : 0);
    int h = 12 - inset;
    if (h > 0) {
        Rgb face = Mix(kIce, kWater, sink * 0.7);
        c.Fill(x + inset, top, 20 - 2 * inset, h, face);
        c.Fill(x + inset, top, 20 - 2 * inset, 1, kIceLight);
        c.Fill(x + inset, top, 1, h, kIceLight);
        if (frame >= 2) {  // cracks spread as it breaks
            c.Line(x + 10, top, x + 8 + frame / 2, top + h - 1, kIceDark);
            if (frame >= 4) c.Line(x + inset, top + h / 2, x + 19 - inset, top + h / 3, kIceDark);
        } else {
            c.Put(x + 6, top + 4, kIceLight);
            c.Put(x + 13, top + 7, kIceDark);
        }
        c.Fill(x + inset, top + h, 20 - 2 * inset, std::max(0, 4 - inset), kIceDark);
    }
    c.Fill(x, y + 15, 20, 1, kInk);
}

void Slide(Canvas& c, int x, int y, int dir, int frame) {
    Slab(c, x, y, 0, kMetal, kMetalLight, kMetalDark, kMetalDark, 3);
    // Two chevrons that travel one quarter of the cell per frame.
    for (int k = 0; k < 2; ++k) {
        double t = std::fmod(k * 0.5 + frame * 0.125, 1.0);
        Rgb col = Mix(kYellow, kOrange, t);
        for (int w = 0; w < 2; ++w) {
            if (dir == 0 || dir == 2) {
                int row = dir == 0 ? int(y + 10 - t * 10) + w : int(y + 1 + t * 10) - w;
                int sgn = dir == 0 ? 1 : -1;
                for (int i = -5; i <= 5; ++i) c.Put(x + 10 + i, row + sgn * (std::abs(i) / 2), col);
            } else {
                int colx = dir == 1 ? int(x + 2 + t * 16) - w : int(x + 17 - t * 16) + w;
                int sgn = dir == 1 ? -1 : 1;
                for (int j = -3; j <= 3; ++j)
                    c.Put(colx + sgn * std::abs(j) * 2 / 1, y + 6 + j, col);
            }
        }
    }
    c.Fill(x, y + 15, 20, 1, kInk);
}

void Exit(Canvas& c, int x, int y, int state) {
    Floor(c, x, y);
    Rgb ring = state ? kLeafLight : kGreen;
    c.Ellipse(x + 10, y + 6, 9, 5, kInk);
    c.Ellipse(x + 10, y + 6, 8, 4.2, ring);
    c.Ellipse(x + 10, y + 6, 5.5, 2.8, state ? kGreen : kLeafDark);
    c.Ellipse(x + 10, y + 6, 2.5, 1.3, state ? kFlameHot : kLeafLight);
    c.Put(x + 5, y + 4, kWhite);
}

void Switch(Canvas& c, int x, int y, Rgb colour) {
    c.Ellipse(x + 10, y + 7, 7, 4, kInk);
    c.Ellipse(x + 10, y + 6.5, 6, 3.2, kMetal);
    c.Ellipse(x + 10, y + 6, 4.2, 2.2, kMetalLight);
    c.ShadedEllipse(x + 10, y + 4.5, 3, 2.6, colour);
    c.Outline(x + 6, y + 1, 9, 3);
}

void BarrierDown(Canvas& c, int x, int y, Rgb colour) {
    Floor(c, x, y);
    c.Fill(x + 1, y + 4, 18, 4, kInk);
    c.Fill(x + 2, y + 5, 16, 2, Shade(colour, 0.7));
    for (int i = 3; i < 18; i += 4) c.Put(x + i, y + 5, Shade(colour, 1.2));
}

void GateOpen(Canvas& c, int x, int y) {
    Floor(c, x, y);
    c.Fill(x + 1, y + 1, 2, 10, kWoodDark);
    c.Fill(x + 17, y + 1, 2, 10, kWoodDark);
    c.Fill(x + 3, y + 8, 14, 2, kWood);
    c.Fill(x + 3, y + 10, 14, 1, kWoodDark);
}

void CabinBase(Canvas& c, int x, int y, int kind) {
    Slab(c, x, y, 0, kMetal, kMetalLight, kMetalDark, kMetalDark, 5);
    c.Ellipse(x + 10, y + 6, 7, 4, kMetalDark);
    c.Ellipse(x + 10, y + 5.5, 6, 3.3, kMetalLight);
    c.Ellipse(x + 10, y + 6, 2, 1.2, kMetalDark);
    // Closed sides as blue rims: top, right, bottom, left.
    static const char* kSides[10] = {"1001", "1100", "0110", "0011", "1010",
                                     "0101", "0001", "1000", "0100", "0010"};
    const char* s = kSides[kind];
    Rgb rim = kBlue, rimLight = Shade(kBlue, 1.4);
    if (s[0] == '1') c.Fill(x, y, 20, 2, rim), c.Fill(x, y, 20, 1, rimLight);
    if (s[1] == '1') c.Fill(x + 18, y, 2, 12, rim);
    if (s[2] == '1') c.Fill(x, y + 10, 20, 2, rim);
    if (s[3] == '1') c.Fill(x, y, 2, 12, rim), c.Fill(x, y, 1, 12, rimLight);
    // A small arrow shows the way the cabin turns: clockwise.
    c.Put(x + 13, y + 3, kYellow);
    c.Put(x + 14, y + 4, kYellow);
    c.Put(x + 13, y + 5, kYellow);
}

void Wall(Canvas& c, int x, int y, int variant) {
    // Top face rows 0..11, front face rows 12..27 (its foot meets the next row's floor).
    c.Fill(x, y, 20, 12, kStoneLight);
    c.Fill(x, y, 20, 1, kWhite);
    c.Fill(x, y, 1, 12, Shade(kStoneLight, 1.1));
    c.Fill(x + 19, y, 1, 12, kStone);
    c.Put(x + 6, y + 4, kStone);
    c.Put(x + 13, y + 8, kStone);
    c.Fill(x, y + 12, 20, 16, kStone);
    c.Fill(x, y + 12, 20, 1, kStoneDeep);
    // Brick courses.
    for (int row = 0; row < 4; ++row) {
        int yy = y + 13 + row * 4;
        c.Fill(x, yy + 3, 20, 1, kStoneDark);
        for (int bx = (row & 1) ? 5 : 0; bx < 20; bx += 10) c.Fill(x + bx, yy, 1, 3, kStoneDark);
        c.Fill(x + ((row & 1) ? 6 : 1), yy, 3, 1, Shade(kStone, 1.15));
    }
    c.Fill(x + 19, y + 12, 1, 16, kStoneDeep);
    if (variant == 1) {  // a lit window
        c.Fill(x + 6, y + 15, 8, 8, kInk);
        c.Fill(x + 7, y + 16, 6, 6, kFlame);
        c.Fill(x + 7, y + 16, 3, 3, kFlameHot);
        c.Fill(x + 9, y + 16, 1, 6, kWoodDark);
        c.Fill(x + 7, y + 18, 6, 1, kWoodDark);
    } else if (variant == 2) {  // moss on the top and down the front
        Dice d(23);
        for (int k = 0; k < 14; ++k)
            c.Put(x + d.Below(20), y + 9 + d.Below(8), k & 1 ? kLeaf : kLeafDark);
        c.Fill(x + 2, y + 10, 6, 3, kLeafDark);
        c.Fill(x + 3, y + 10, 4, 1, kLeaf);
    }
    c.Fill(x, y + 27, 20, 1, kInk);
}

void Brazier(Canvas& c, int x, int y, int frame) {
    // A stone post (top at row 10) with a fire bowl on it; the floor is drawn beneath by the game.
    c.Fill(x + 6, y + 11, 8, 10, kStone);
    c.Fill(x + 6, y + 11, 1, 10, kStoneLight);
    c.Fill(x + 13, y + 11, 1, 10, kStoneDark);
    c.Fill(x + 4, y + 8, 12, 3, kMetalDark);
    c.Fill(x + 4, y + 8, 12, 1, kMetal);
    static const int kH[3] = {8, 6, 7};
    int h = kH[frame % 3];
    int lean = frame == 1 ? 1 : (frame == 2 ? -1 : 0);
    c.Polygon({{x + 5.0, y + 8.0}, {x + 15.0, y + 8.0}, {x + 10.0 + lean, y + 8.0 - h}}, kEmber);
    c.Polygon({{x + 7.0, y + 8.0}, {x + 13.0, y + 8.0}, {x + 10.0 + lean, y + 9.0 - h}}, kFlame);
    c.Fill(x + 9, y + 6, 2, 2, kFlameHot);
    c.Outline(x, y, 20, 28);
}

void GlassBlock(Canvas& c, int x, int y) {
    Rgb face = {150, 214, 232}, front = {96, 168, 206};
    c.Fill(x, y, 20, 12, face);
    c.Fill(x, y + 12, 20, 20, front);
    c.Frame(x, y, 20, 12, kIceLight);
    c.Frame(x, y + 12, 20, 20, Mix(front, kIceLight, 0.5));
    c.Line(x + 3, y + 14, x + 8, y + 19, kIceLight);
    c.Line(x + 3, y + 17, x + 6, y + 20, kIceLight);
    c.Line(x + 4, y + 2, x + 8, y + 2, kWhite);
    c.Fill(x, y + 31, 20, 1, kInk);
}

void BarrierUp(Canvas& c, int x, int y, Rgb colour) {
    // Sprite drawn 12 up: a coloured block standing on the cell, ground face from row 12.
    Rgb light = Shade(colour, 1.35), dark = Shade(colour, 0.6);
    c.Fill(x + 1, y + 4, 18, 5, light);
    c.Fill(x + 1, y + 9, 18, 12, colour);
    for (int i = 0; i < 18; i += 6) c.Fill(x + 1 + i, y + 11, 3, 8, dark);
    c.Fill(x + 1, y + 20, 18, 1, dark);
    c.Fill(x + 1, y + 4, 1, 17, light);
    c.Outline(x, y, 20, 28);
}

void GateClosed(Canvas& c, int x, int y) {
    c.Fill(x + 1, y + 2, 2, 19, kWoodDark);
    c.Fill(x + 17, y + 2, 2, 19, kWoodDark);
    for (int i = 0; i < 4; ++i) c.Fill(x + 4 + i * 3, y + 5, 2, 15, kWood);
    c.Fill(x + 3, y + 7, 14, 2, kWoodDark);
    c.Fill(x + 3, y + 15, 14, 2, kWoodDark);
    c.Fill(x + 1, y + 2, 2, 1, kSandLight);
    c.Fill(x + 17, y + 2, 2, 1, kSandLight);
    c.Outline(x, y, 20, 28);
}

void Rock(Canvas& c, int x, int y) {
    c.ShadedEllipse(x + 10, y + 15, 8.5, 6.5, kStone);
    c.ShadedEllipse(x + 7, y + 12, 4, 3.5, kStoneLight);
    c.Outline(x, y, 20, 28);
}

void Egg(Canvas& c, int x, int y) {
    c.Ellipse(x + 10, y + 15, 5, 1.5, kSandDark);
    c.ShadedEllipse(x + 10, y + 9, 5, 6.5, kCream);
    c.Put(x + 8, y + 6, {120, 170, 220});
    c.Put(x + 12, y + 10, {120, 170, 220});
    c.Put(x + 9, y + 12, {120, 170, 220});
    c.Outline(x, y, 20, 28);
}

void Chick(Canvas& c, int x, int y, int pose) {
    // Poses 0..3 stand in place; 4..7 walk to the right with the legs swapping.
    int bob = (pose == 5 || pose == 7) ? 1 : 0;
    int yy = y + bob;
    c.Ellipse(x + 10, y + 15, 5, 1.4, kSandDark);
    c.ShadedEllipse(x + 10, yy + 10, 5.5, 4.5, kYellow);
    c.ShadedEllipse(x + 12, yy + 5, 3.5, 3.2, kYellow);
    int eye = pose == 2 ? 11 : 13;
    c.Put(x + eye, yy + 4, kInk);
    c.Fill(x + eye + 2, yy + 5, 2, 1, kOrange);
    c.Put(x + 7, yy + 9, kYellowDark);
    c.Fill(x + 6, yy + 10, 3, 1, kYellowDark);
    int legA = (pose >= 4 && (pose & 1)) ? 1 : 0;
    c.Fill(x + 8 - legA, yy + 14, 1, 2, kOrange);
    c.Fill(x + 12 + legA, yy + 14, 1, 2, kOrange);
    if (pose == 3) c.Fill(x + 5, yy + 7, 2, 2, Shade(kYellow, 1.2));  // a flap
    c.Outline(x, y, 20, 28);
}

void Gem(Canvas& c, int x, int y) {
    c.Ellipse(x + 10, y + 19, 4, 1.3, kSandDark);
    c.Polygon({{x + 10.0, y + 3.0}, {x + 16.0, y + 9.0}, {x + 10.0, y + 16.0}, {x + 4.0, y + 9.0}},
              kRed);
    c.Polygon({{x + 10.0, y + 3.0}, {x + 10.0, y + 9.0}, {x + 4.0, y + 9.0}}, Shade(kRed, 1.4));
    c.Polygon({{x + 10.0, y + 16.0}, {x + 16.0, y + 9.0}, {x + 10.0, y + 9.0}}, Shade(kRed, 0.7));
    c.Put(x + 8, y + 6, kWhite);
    c.Outline(x, y, 20, 28);
}

void Bush(Canvas& c, int x, int y, int frame) {
    int sway = frame == 1 ? -1 : (frame == 2 ? 1 : 0);
    c.Fill(x + 9, y + 13, 2, 4, kWoodDark);
    c.ShadedEllipse(x + 10 + sway, y + 9, 7.5, 6, kLeaf);
    c.ShadedEllipse(x + 7 + sway, y + 6, 3.5, 3, kLeafLight);
    c.Put(x + 12 + sway, y + 8, kRed);
    c.Put(x + 8 + sway, y + 11, kRed);
    c.Outline(x, y, 20, 28);
}

void Hen(Canvas& c, int x, int y, int frame) {
    // The chicks' mother: frame 0 sits, 1 turns her head, 2 flaps.
    c.Ellipse(x + 10, y + 17, 7, 1.6, kSandDark);
    c.ShadedEllipse(x + 9, y + 11, 7, 5.5, kWhite);
    int hx = frame == 1 ? 6 : 13;
    c.ShadedEllipse(x + hx, y + 5, 3, 3, kWhite);
    c.Fill(x + hx - 1, y + 1, 2, 2, kRed);
    c.Put(x + hx + (frame == 1 ? -1 : 1), y + 5, kInk);
    c.Fill(x + (frame == 1 ? hx - 4 : hx + 2), y + 6, 2, 1, kOrange);
    if (frame == 2)
        c.Polygon({{x + 3.0, y + 9.0}, {x + 9.0, y + 8.0}, {x + 5.0, y + 3.0}}, kCream);
    else
        c.Fill(x + 5, y + 10, 6, 2, kCreamDark);
    c.Outline(x, y, 20, 28);
}

void CabinPane(Canvas& c, int x, int y, int pane) {
    // Panes stand on the cell's edges (ground face rows 13..24) and rise 13 pixels.
    Rgb glass = {178, 228, 250}, rim = {90, 140, 200};
    auto panel = [&](int px, int py, int w, int h) {
        c.Fill(px, py, w, h, glass);
        c.Frame(px, py, w, h, rim);
    };
    switch (pane) {
        case 1:
            panel(x, y, 20, 14);
            c.Line(x + 3, y + 3, x + 7, y + 9, kWhite);
            break;
        case 4:
            panel(x, y + 12, 20, 14);
            c.Line(x + 3, y + 15, x + 7, y + 21, kWhite);
            break;
        case 2:
            panel(x + 17, y, 3, 20);
            break;
        case 3:
            panel(x + 17, y + 6, 3, 20);
            break;
        case 5:
            panel(x, y + 6, 3, 20);
            break;
        case 6:
            panel(x, y, 3, 20);
            break;
    }
}

}  // namespace mediagen::art
