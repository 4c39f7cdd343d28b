// Where recorded draws land, and the comparison of two recorded frames.
#include "runtime/gfx/frame_list.h"

#include <climits>
#include <cmath>
#include <cstddef>

namespace recording {

Box Landing(const Pen& pen, const float* xy, int vertices, int stride, int width, int height) {
    const Box whole{0, 0, width, height};
    const int* vp = pen.viewport;
    if (pen.screen_w <= 0 || pen.screen_h <= 0 || vp[2] <= 0 || vp[3] <= 0) return whole;
    const double sx = double(vp[2]) / pen.screen_w, sy = double(vp[3]) / pen.screen_h;
    const double a = pen.turn_angle * 3.14159265358979323846 / 180;
    const double c = pen.turned ? std::cos(a) : 1, s = pen.turned ? std::sin(a) : 0;
    const double nudge = pen.nudged ? 0.375 : 0;
    double lo_x = 1e30, lo_y = 1e30, hi_x = -1e30, hi_y = -1e30;
    for (int i = 0; i < vertices; ++i) {
        double x = xy[i * stride], y = xy[i * stride + 1];
        if (pen.turned) {
            const double tx = pen.turn_x + c * x + s * y, ty = pen.turn_y - s * x + c * y;
            x = tx;
            y = ty;
        }
        const double wx = vp[0] + (x + nudge) * sx, wy = vp[1] + (pen.screen_h - y - nudge) * sy;
        if (!std::isfinite(wx) || !std::isfinite(wy)) return whole;
        lo_x = std::min(lo_x, wx);
        lo_y = std::min(lo_y, wy);
        hi_x = std::max(hi_x, wx);
        hi_y = std::max(hi_y, wy);
    }
    auto clamp = [](double v, int hi) { return static_cast<int>(std::clamp(v, 0.0, double(hi))); };
    return {clamp(std::floor(lo_x) - 1, width), clamp(std::floor(lo_y) - 1, height),
            clamp(std::ceil(hi_x) + 1, width), clamp(std::ceil(hi_y) + 1, height)};
}

bool CaptureRepeats(CaptureMemo& memo, const FrameList& now, const std::array<int, 6>& what) {
    memo.armed = false;
    // What is copied must be drawn in this frame alone: its first command clears the screen.
    const bool from_clear = !now.commands.empty() && now.commands[0].kind == Kind::kClear &&
                            (now.commands[0].first & kColourBufferBit) != 0;
    auto same_pens = [&memo, &now] {
        if (memo.pens.size() != now.pens.size()) return false;
        for (size_t i = 0; i < now.pens.size(); ++i) {
            Pen then = memo.pens[i];
            then.generation = now.pens[i].generation;
            if (!(then == now.pens[i]) || now.pens[i].generation > memo.written) return false;
        }
        return true;
    };
    if (memo.made && from_clear && memo.what == what && memo.commands == now.commands &&
        memo.payload == now.payload && same_pens())
        return true;
    memo.made = false;
    if (!from_clear) return false;
    memo.what = what;
    memo.commands = now.commands;
    memo.pens = now.pens;
    memo.payload = now.payload;
    memo.armed = true;
    return false;
}

void Land(FrameList& list) {
    if (list.landed) return;
    list.boxes.clear();
    for (Command& c : list.commands) {
        c.box = static_cast<uint32_t>(list.boxes.size());
        if (c.kind == Kind::kClear) continue;
        const Pen& pen = list.pens[c.pen];
        const float* data = list.payload.data() + c.first;
        if (c.kind >= Kind::kPoints) {
            list.boxes.push_back(
                Landing(pen, data, static_cast<int>(c.count), 2, list.width, list.height));
            continue;
        }
        for (uint32_t q = 0; q < c.count; ++q)
            list.boxes.push_back(Landing(pen, data + q * 16, 4, 4, list.width, list.height));
    }
    list.landed = true;
}

namespace {
// One draw of a list: a command, and the quad of it (0 for a clear or a flat draw).
struct Element {
    uint32_t command, quad;
};

void Elements(const FrameList& list, std::vector<Element>& out) {
    out.clear();
    for (uint32_t i = 0; i < list.commands.size(); ++i) {
        const Command& c = list.commands[i];
        const uint32_t n = c.kind == Kind::kQuads || c.kind == Kind::kFans ? c.count : 1;
        for (uint32_t q = 0; q < n; ++q) out.push_back({i, q});
    }
}
}  // namespace

bool Differences(FrameList& before, FrameList& now, std::vector<Box>& out) {
    out.clear();
    if (!before.valid || before.width != now.width || before.height != now.height) return false;
    // A frame that repeats the one before (most frames of play) is found without a box.
    if (before.commands == now.commands && before.pens == now.pens && before.payload == now.payload)
        return true;
    Land(before);
    Land(now);
    auto add = [&out](Box box) {
        if (box.Empty()) return;
        // Boxes that touch become one, until none touch.
        for (size_t i = 0; i < out.size();) {
            const Box& o = out[i];
            if (o.x0 <= box.x1 && box.x0 <= o.x1 && o.y0 <= box.y1 && box.y0 <= o.y1) {
                box = Union(box, o);
                out.erase(out.begin() + static_cast<std::ptrdiff_t>(i));
                i = 0;
            } else {
                ++i;
            }
        }
        out.push_back(box);
    };
    auto flat = [](const Command& c) { return c.kind >= Kind::kPoints; };
    // Most draws share their pen with the draws beside them: each pair is compared once.
    uint32_t last_x = UINT32_MAX, last_y = UINT32_MAX;
    bool last_same = false;
    auto same_pen = [&](uint32_t px, uint32_t py) {
        if (px != last_x || py != last_y) {
            last_x = px;
            last_y = py;
            last_same = before.pens[px] == now.pens[py];
        }
        return last_same;
    };
    auto flat_floats = [&flat](const Command& c) { return flat(c) ? c.count * 2 : c.count * 16; };
    // The same command: a clear of the same buffers and colour, or a draw of the same kind and
    // pen at the same coordinates.
    auto same = [&](const Command& x, const Command& y) {
        if (x.kind != y.kind || x.count != y.count) return false;
        if (x.kind == Kind::kClear) {
            const Pen &p = before.pens[x.pen], &q = now.pens[y.pen];
            return x.first == y.first && p.clear_known == q.clear_known &&
                   std::equal(p.clear, p.clear + 4, q.clear);
        }
        return same_pen(x.pen, y.pen) && std::equal(now.payload.begin() + y.first,
                                                    now.payload.begin() + y.first + flat_floats(y),
                                                    before.payload.begin() + x.first);
    };
    auto add_all = [&](const FrameList& list, const Command& c) {
        for (uint32_t k = 0; k < (flat(c) ? 1 : c.count); ++k) add(list.boxes[c.box + k]);
    };
    const size_t nb = before.commands.size(), nn = now.commands.size();
    if (nb != nn) {
        // Draws added or taken away (a label, a box in the middle of a batch of sprites): the
        // frames as runs of single draws, each quad of a batch one (a batch draws its quads in
        // turn). The draws from the first that differs to the last that differs, counted from
        // each end, are redrawn where they land in either frame. Every draw outside that run is
        // the same in both and in the same order, so a pixel none of the run touches shows the
        // same in both.
        static std::vector<Element> eb, en;
        Elements(before, eb);
        Elements(now, en);
        auto same_draw = [&](const Element& x, const Element& y) {
            const Command &cx = before.commands[x.command], &cy = now.commands[y.command];
            if (cx.kind == Kind::kClear || cy.kind == Kind::kClear || flat(cx) || flat(cy))
                return same(cx, cy);
            return cx.kind == cy.kind && same_pen(cx.pen, cy.pen) &&
                   std::equal(before.payload.begin() + cx.first + x.quad * 16,
                              before.payload.begin() + cx.first + x.quad * 16 + 16,
                              now.payload.begin() + cy.first + y.quad * 16);
        };
        const size_t mb = eb.size(), mn = en.size();
        size_t head = 0;
        while (head < mb && head < mn && same_draw(eb[head], en[head])) ++head;
        size_t tail = 0;
        while (tail < mb - head && tail < mn - head &&
               same_draw(eb[mb - 1 - tail], en[mn - 1 - tail]))
            ++tail;
        auto add_run = [&](const FrameList& list, const std::vector<Element>& run, size_t end) {
            for (size_t i = head; i < end; ++i) {
                const Command& c = list.commands[run[i].command];
                if (c.kind == Kind::kClear) return false;
                add(list.boxes[c.box + (flat(c) ? 0 : run[i].quad)]);
            }
            return true;
        };
        return add_run(before, eb, mb - tail) && add_run(now, en, mn - tail);
    }
    for (size_t i = 0; i < nn; ++i) {
        const Command &x = before.commands[i], &y = now.commands[i];
        if (same(x, y)) continue;
        // A clear of another colour, or a clear where a draw was: the whole screen.
        if (x.kind == Kind::kClear || y.kind == Kind::kClear) return false;
        if (flat(x) || flat(y) || x.kind != y.kind || x.count != y.count ||
            !same_pen(x.pen, y.pen)) {
            add_all(before, x);
            add_all(now, y);
            continue;
        }
        // The same quads but for some: those alone.
        for (uint32_t q = 0; q < y.count; ++q) {
            const float* p = before.payload.data() + x.first + q * 16;
            const float* r = now.payload.data() + y.first + q * 16;
            if (std::equal(p, p + 16, r)) continue;
            add(before.boxes[x.box + q]);
            add(now.boxes[y.box + q]);
        }
    }
    return true;
}

}  // namespace recording
