#include "sheet_layout.h"

#include <cstdio>
#include <cstdlib>

namespace mediagen {

namespace {
std::string Pad(std::string s, size_t n) {
    s.resize(n, ' ');
    return s;
}

struct FixedCell {
    const char* code;
    int sx, sy, xsp, ysp;  // ysp -1: row unchanged
};
// The reader's fixed cells: final-scene and title sprites have set sizes and places.
const FixedCell kFixed[] = {
    {"99", 40, 28, 1, -1},   {"88", 20, 32, 1, -1},    {"TT", 64, 122, 1, 1},
    {"UU", 85, 125, 66, -1}, {"cc", 66, 92, 152, -1},  {"SS", 73, 120, 219, -1},
    {"UF", 62, 30, 1, 126},  {"U2", 22, 17, 253, 126}, {"WW", 20, 22, 1, 157},
    {"R1", 44, 14, 1, 180},  {"R2", 44, 14, 1, 195},   {"R3", 44, 14, 1, 210},
    {"R4", 44, 14, 1, 225},
};
}  // namespace

std::string Directive(const std::string& cmd, const std::string& type, const std::string& value,
                      const std::string& info) {
    // Built by appending: GCC 12's string-copy check (-Werror=restrict) refuses the chained +.
    std::string l = "=";
    l.append(Pad(cmd, 5)).append(" ").append(Pad(type, 4)).append(" ");
    l.append(Pad(value, 2)).append(" ").append(info);
    while (l.back() == ' ') l.pop_back();  // fields are read by position; no trailing blanks
    return l;
}

SheetLayout::SheetLayout(std::vector<std::string>& lines, std::vector<CutRecord>& cuts)
    : lines_(lines), cuts_(cuts) {}

void SheetLayout::Begin(const std::string& name) {
    name_ = name;
    canvas_ = Canvas(320, 480);
    used_bottom_ = 0;
    lines_.push_back(Directive("GFXLD", name, "BM"));
    xsp_ = 1;
    ysp_ = 1;
}

void SheetLayout::Height(int h) {
    if (xsp_ != 1) {
        int blanks = 0;
        int x = xsp_;
        while (x != 1) {
            ++blanks;
            x += sx_ + 1;
            if (x + sx_ > 319) x = 1;
        }
        char v[16];
        std::snprintf(v, sizeof v, "%02d", blanks);
        lines_.push_back(Directive("PEZZI", "", v));
        for (int i = 0; i < blanks; ++i) Cut([](Canvas&, int, int) {});
    }
    char v[16];
    std::snprintf(v, sizeof v, "%02d", h);
    lines_.push_back(Directive("ALTEZ", "", v));
    sx_ = 20;
    sy_ = h;
    xsp_ = 1;
}

void SheetLayout::Fixed(const std::string& code) {
    for (const auto& f : kFixed) {
        if (code != f.code) continue;
        if ((code == "99" || code == "88") && xsp_ != 1) {
            Height(sy_);  // finish the row first, as the reader stays on it
            lines_.pop_back();
        }
        lines_.push_back(Directive("ALTEZ", "", code));
        sx_ = f.sx;
        sy_ = f.sy;
        xsp_ = f.xsp;
        if (f.ysp >= 0) ysp_ = f.ysp;
        return;
    }
    std::fprintf(stderr, "mediagen: unknown cell code %s\n", code.c_str());
    std::exit(2);
}

void SheetLayout::Cut(const DrawFn& draw) {
    if (ysp_ + sy_ > canvas_.height() || xsp_ + sx_ > 320) {
        std::fprintf(stderr, "mediagen: sheet %s overflows at sprite %d\n", name_.c_str(), spr_);
        std::exit(2);
    }
    canvas_.SetClip(xsp_, ysp_, sx_, sy_);
    draw(canvas_, xsp_, ysp_);
    canvas_.ClearClip();
    for (const auto& c : cuts_)
        if (c.sheet == name_ && xsp_ < c.x + c.w && c.x < xsp_ + sx_ && ysp_ < c.y + c.h &&
            c.y < ysp_ + sy_) {
            std::fprintf(stderr, "mediagen: sprite %d overlaps sprite %d\n", spr_, c.sprite);
            std::exit(2);
        }
    cuts_.push_back({spr_, name_, xsp_, ysp_, sx_, sy_});
    if (ysp_ + sy_ > used_bottom_) used_bottom_ = ysp_ + sy_;
    xsp_ += sx_ + 1;
    if (xsp_ + sx_ > 319) {
        xsp_ = 1;
        ysp_ += sy_ + 1;
    }
    ++spr_;
}

int SheetLayout::Piece(const std::string& rot, const std::string& kind, const DrawFn& draw) {
    char v[16];
    std::snprintf(v, sizeof v, "%s", kind.c_str());
    lines_.push_back(Directive("PEZZO", rot, v));
    int first = spr_;
    Cut(draw);
    return first;
}

int SheetLayout::Extra(int n, const std::function<void(Canvas&, int, int, int)>& draw) {
    char v[16];
    std::snprintf(v, sizeof v, "%02d", n);
    lines_.push_back(Directive("PEZZI", "", v));
    int first = spr_;
    for (int i = 0; i < n; ++i) Cut([&](Canvas& c, int x, int y) { draw(c, x, y, i); });
    return first;
}

Canvas SheetLayout::Finish() {
    int h = used_bottom_ + 1;
    Canvas out(320, h);
    out.Blit(canvas_, 0, 0, 320, h, 0, 0);
    return out;
}

}  // namespace mediagen
