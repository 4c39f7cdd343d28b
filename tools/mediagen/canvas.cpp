#include "canvas.h"

#include <algorithm>
#include <cmath>

namespace mediagen {

Rgb Mix(Rgb a, Rgb b, double t) {
    auto m = [t](uint8_t x, uint8_t y) {
        return static_cast<uint8_t>(std::lround(x + (y - x) * std::clamp(t, 0.0, 1.0)));
    };
    Rgb c{m(a.r, b.r), m(a.g, b.g), m(a.b, b.b)};
    return c == kKey ? kInk : c;
}

Rgb Shade(Rgb c, double f) {
    auto s = [f](uint8_t x) {
        return static_cast<uint8_t>(std::clamp(std::lround(x * f), 0L, 255L));
    };
    Rgb r{s(c.r), s(c.g), s(c.b)};
    if (f > 1) r = Mix(r, Rgb{255, 255, 255}, (f - 1) * 0.15);
    return r == kKey ? kInk : r;
}

uint32_t Dice::Next() {
    s_ ^= s_ << 13;
    s_ ^= s_ >> 17;
    s_ ^= s_ << 5;
    return s_;
}

Canvas::Canvas(int w, int h) : w_(w), h_(h), cw_(w), ch_(h), px_(size_t(w) * h * 3, 0) {}

void Canvas::SetClip(int x, int y, int w, int h) {
    cx_ = x;
    cy_ = y;
    cw_ = w;
    ch_ = h;
}

void Canvas::ClearClip() {
    SetClip(0, 0, w_, h_);
}

bool Canvas::InClip(int x, int y) const {
    return x >= cx_ && y >= cy_ && x < cx_ + cw_ && y < cy_ + ch_ && x >= 0 && y >= 0 && x < w_ &&
           y < h_;
}

void Canvas::Put(int x, int y, Rgb c) {
    if (!InClip(x, y)) return;
    size_t i = (size_t(y) * w_ + x) * 3;
    px_[i] = c.r;
    px_[i + 1] = c.g;
    px_[i + 2] = c.b;
}

Rgb Canvas::Get(int x, int y) const {
    if (x < 0 || y < 0 || x >= w_ || y >= h_) return kKey;
    size_t i = (size_t(y) * w_ + x) * 3;
    return Rgb{px_[i], px_[i + 1], px_[i + 2]};
}

void Canvas::Fill(int x, int y, int w, int h, Rgb c) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i) Put(i, j, c);
}

void Canvas::Frame(int x, int y, int w, int h, Rgb c) {
    Fill(x, y, w, 1, c);
    Fill(x, y + h - 1, w, 1, c);
    Fill(x, y, 1, h, c);
    Fill(x + w - 1, y, 1, h, c);
}

void Canvas::Line(int x0, int y0, int x1, int y1, Rgb c) {
    int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        Put(x0, y0, c);
        if (x0 == x1 && y0 == y1) break;
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void Canvas::Ellipse(double cx, double cy, double rx, double ry, Rgb c) {
    for (int y = int(std::floor(cy - ry)); y <= int(std::ceil(cy + ry)); ++y)
        for (int x = int(std::floor(cx - rx)); x <= int(std::ceil(cx + rx)); ++x) {
            double u = (x + 0.5 - cx) / rx, v = (y + 0.5 - cy) / ry;
            if (u * u + v * v <= 1.0) Put(x, y, c);
        }
}

void Canvas::ShadedEllipse(double cx, double cy, double rx, double ry, Rgb base) {
    for (int y = int(std::floor(cy - ry)); y <= int(std::ceil(cy + ry)); ++y)
        for (int x = int(std::floor(cx - rx)); x <= int(std::ceil(cx + rx)); ++x) {
            double u = (x + 0.5 - cx) / rx, v = (y + 0.5 - cy) / ry;
            if (u * u + v * v > 1.0) continue;
            // Light comes from the top left: brightness follows the surface normal.
            double lit =
                0.55 * (-u - v) / 1.4142 + 0.45 * std::sqrt(std::max(0.0, 1 - u * u - v * v));
            double f = 0.62 + 0.55 * lit;
            Rgb c = Shade(base, f);
            if (lit > 0.62 && ((x + y) & 1) == 0) c = Shade(base, 1.35);
            Put(x, y, c);
        }
}

void Canvas::Polygon(const std::vector<std::pair<double, double>>& pts, Rgb c) {
    if (pts.size() < 3) return;
    double ymin = pts[0].second, ymax = ymin;
    for (auto& p : pts) ymin = std::min(ymin, p.second), ymax = std::max(ymax, p.second);
    for (int y = int(std::floor(ymin)); y <= int(std::ceil(ymax)); ++y) {
        double sy = y + 0.5;
        std::vector<double> xs;
        for (size_t i = 0; i < pts.size(); ++i) {
            auto a = pts[i], b = pts[(i + 1) % pts.size()];
            if ((a.second <= sy && b.second > sy) || (b.second <= sy && a.second > sy))
                xs.push_back(a.first +
                             (sy - a.second) * (b.first - a.first) / (b.second - a.second));
        }
        std::sort(xs.begin(), xs.end());
        for (size_t i = 0; i + 1 < xs.size(); i += 2)
            for (int x = int(std::ceil(xs[i] - 0.5)); x < int(std::ceil(xs[i + 1] - 0.5)); ++x)
                Put(x, y, c);
    }
}

void Canvas::Gradient(int x, int y, int w, int h, Rgb top, Rgb bottom) {
    static const int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    const int steps = 6;
    for (int j = 0; j < h; ++j) {
        double t = h > 1 ? double(j) / (h - 1) : 0;
        double s = t * steps;
        int lo = int(s);
        double frac = s - lo;
        for (int i = 0; i < w; ++i) {
            int k = lo + ((frac * 16 > kBayer[(y + j) & 3][(x + i) & 3]) ? 1 : 0);
            Put(x + i, y + j, Mix(top, bottom, std::min(1.0, double(k) / steps)));
        }
    }
}

void Canvas::Outline(int x, int y, int w, int h, Rgb ink) {
    std::vector<char> solid(size_t(w) * h);
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) solid[size_t(j) * w + i] = !IsKey(x + i, y + j);
    auto at = [&](int i, int j) {
        return i >= 0 && j >= 0 && i < w && j < h && solid[size_t(j) * w + i];
    };
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i)
            if (!at(i, j) && (at(i - 1, j) || at(i + 1, j) || at(i, j - 1) || at(i, j + 1)))
                Put(x + i, y + j, ink);
}

void Canvas::Blit(const Canvas& src, int sx, int sy, int w, int h, int dx, int dy) {
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            Rgb c = src.Get(sx + i, sy + j);
            if (!(c == kKey)) Put(dx + i, dy + j, c);
        }
}

}  // namespace mediagen
