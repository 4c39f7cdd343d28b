// A small RGB drawing surface for the media generator. Black (0, 0, 0) is the key colour the
// game turns transparent when it cuts sprites, so opaque dark pixels use near-black instead.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace mediagen {

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kKey{0, 0, 0};
inline constexpr Rgb kInk{8, 8, 12};  // outline colour: the darkest opaque pixel we draw

Rgb Mix(Rgb a, Rgb b, double t);  // t = 0 gives a, 1 gives b
Rgb Shade(Rgb c, double f);       // f > 1 lightens, < 1 darkens; never returns the key colour

class Canvas {
  public:
    Canvas(int w, int h);
    int width() const { return w_; }
    int height() const { return h_; }

    // Drawing is limited to the clip rectangle (the sprite cell being drawn).
    void SetClip(int x, int y, int w, int h);
    void ClearClip();

    void Put(int x, int y, Rgb c);
    Rgb Get(int x, int y) const;
    bool IsKey(int x, int y) const { return Get(x, y) == kKey; }

    void Fill(int x, int y, int w, int h, Rgb c);
    void Frame(int x, int y, int w, int h, Rgb c);
    void Line(int x0, int y0, int x1, int y1, Rgb c);
    void Ellipse(double cx, double cy, double rx, double ry, Rgb c);
    // Ellipse lit from the top left: light on the upper left, shade toward the lower right.
    void ShadedEllipse(double cx, double cy, double rx, double ry, Rgb base);
    void Polygon(const std::vector<std::pair<double, double>>& pts, Rgb c);
    // Vertical gradient from top colour to bottom colour, ordered-dithered between steps.
    void Gradient(int x, int y, int w, int h, Rgb top, Rgb bottom);
    // Dark outline round every opaque pixel of the rectangle, drawn on key pixels only.
    void Outline(int x, int y, int w, int h, Rgb ink = kInk);
    void Blit(const Canvas& src, int sx, int sy, int w, int h, int dx, int dy);

    const std::vector<uint8_t>& Pixels() const { return px_; }  // RGB, rows top to bottom

  private:
    bool InClip(int x, int y) const;
    int w_, h_;
    int cx_ = 0, cy_ = 0, cw_, ch_;
    std::vector<uint8_t> px_;
};

// Deterministic pseudo-random numbers for textures and noise (a 32-bit xorshift).
class Dice {
  public:
    explicit Dice(uint32_t seed) : s_(seed ? seed : 1) {}
    uint32_t Next();
    int Below(int n) { return n > 0 ? static_cast<int>(Next() % static_cast<uint32_t>(n)) : 0; }
    double Unit() { return (Next() & 0xFFFFFF) / double(0x1000000); }

  private:
    uint32_t s_;
};

}  // namespace mediagen
