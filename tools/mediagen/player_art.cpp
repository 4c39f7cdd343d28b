#include "player_art.h"

#include "palette.h"

namespace mediagen::art {

using namespace pal;

namespace {
struct Pose {
    int facing = 2;     // 0 up, 1 right, 2 down, 3 left
    int bob = 0;        // pixels up
    int stride = 0;     // -1, 0, 1: which foot is forward
    int lean = 0;       // pixels sideways
    bool arms = false;  // arms raised
    bool blink = false;
    Rgb body = kAlien;
};

void Draw(Canvas& c, int x, int y, const Pose& p) {
    int cx = x + 10 + p.lean, top = y + 5 - p.bob;
    // Shadow on the ground face.
    c.Ellipse(x + 10, y + 22, 6, 1.6, Mix(kSandDark, kInk, 0.3));
    // Feet.
    Rgb foot = kAlienDark;
    int fy = y + 19;
    if (p.facing == 1 || p.facing == 3) {
        int s = p.facing == 1 ? 1 : -1;
        c.Fill(cx - 3 + s * p.stride * 2, fy, 3, 2, foot);
        c.Fill(cx + 1 - s * p.stride * 2, fy, 3, 2, foot);
    } else {
        c.Fill(cx - 5, fy - (p.stride > 0 ? 1 : 0), 4, 2, foot);
        c.Fill(cx + 1, fy - (p.stride < 0 ? 1 : 0), 4, 2, foot);
    }
    // Antenna.
    int ax = cx + (p.facing == 1 ? -2 : p.facing == 3 ? 2 : 0);
    c.Line(cx, top + 2, ax, top - 2, kAlienDark);
    c.ShadedEllipse(ax, top - 3, 1.8, 1.8, kRed);
    // Body: a round blob, lit from the top left.
    c.ShadedEllipse(cx, top + 8, 6.5, 7.5, p.body);
    // Arms.
    Rgb arm = Shade(p.body, 0.75);
    if (p.arms) {
        c.Line(cx - 6, top + 8, cx - 9, top + 3, arm);
        c.Line(cx + 6, top + 8, cx + 9, top + 3, arm);
    } else if (p.facing != 0) {
        c.Fill(cx - 7, top + 9 + (p.stride > 0), 2, 3, arm);
        c.Fill(cx + 6, top + 9 + (p.stride < 0), 2, 3, arm);
    }
    // Eye (none from behind: a little pack instead).
    if (p.facing == 0) {
        c.Fill(cx - 3, top + 7, 6, 5, kWoodDark);
        c.Fill(cx - 2, top + 8, 4, 1, kWood);
    } else {
        int ex = cx + (p.facing == 1 ? 2 : p.facing == 3 ? -2 : 0), ey = top + 6;
        if (p.blink) {
            c.Fill(ex - 2, ey, 5, 1, kInk);
        } else {
            c.Ellipse(ex + 0.5, ey + 0.5, 3, 3, kWhite);
            int px = ex + (p.facing == 1 ? 1 : p.facing == 3 ? -1 : 0);
            c.Fill(px, ey, 1, 2, kInk);
            c.Put(px - (p.facing == 3 ? -1 : 1), ey - 1, kWhite);
        }
        if (p.facing == 2) c.Fill(cx - 1, top + 11, 3, 1, kAlienDark);  // a small smile
    }
    c.Outline(x, y, 20, 28);
}
}  // namespace

void Player(Canvas& c, int x, int y, int frame) {
    Pose p;
    if (frame < 32) {
        p.facing = frame / 8;
        int step = frame % 8;
        p.bob = (step == 2 || step == 3 || step == 6 || step == 7) ? 1 : 0;
        p.stride = step == 0 ? 0 : (step < 4 ? 1 : -1);
    } else if (frame >= 33 && frame <= 35) {
        p.facing = frame == 33 ? 1 : frame == 34 ? 2 : 3;
        p.arms = true;
        p.lean = frame == 33 ? 1 : frame == 35 ? -1 : 0;
    } else if (frame >= 36 && frame <= 38) {
        p.facing = 2;
        p.arms = true;
        p.bob = frame == 36 ? 3 : 1;
        p.lean = frame == 37 ? -1 : frame == 38 ? 1 : 0;
        p.body = Mix(kAlien, kAlienLight, 0.3);
    } else if (frame >= 40 && frame <= 42) {
        p.facing = frame - 39;
        p.blink = true;
    }
    Draw(c, x, y, p);
}

void Partner(Canvas& c, int x, int y, int frame) {
    // Frames 0..3: Zolv's partner walking right; 4..7: their little one walking left.
    const bool kid = frame >= 4;
    const Rgb body = kid ? Rgb{120, 200, 236} : Rgb{236, 130, 176};
    const int dir = kid ? -1 : 1, step = frame & 3;
    const double size = kid ? 0.75 : 1.0;
    int top = y + (kid ? 8 : 4) - ((step & 1) ? 1 : 0);
    int cx = x + 10;
    int stride = step == 1 ? 1 : step == 3 ? -1 : 0;
    c.Fill(cx - 4 + stride, y + 18, 3, 2, Shade(body, 0.6));
    c.Fill(cx + 1 - stride, y + 18, 3, 2, Shade(body, 0.6));
    c.Line(cx, top + 2, cx - 2 * dir, top - 2, Shade(body, 0.6));
    c.ShadedEllipse(cx - 2 * dir, top - 3, 1.6, 1.6, kid ? kGreen : kYellow);
    c.ShadedEllipse(cx, top + 7 * size, 6 * size, 7 * size, body);
    int ex = cx + 2 * dir;
    c.Ellipse(ex + 0.5, top + 5.5 * size, 2.6 * size, 2.6 * size, kWhite);
    c.Fill(ex + (dir > 0 ? 1 : -1), int(top + 5 * size), 1, 2, kInk);
    c.Outline(x, y, 20, 22);
}

}  // namespace mediagen::art
