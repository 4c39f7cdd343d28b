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

bool Differences(FrameList& before, FrameList& now, std::vector<Box>& out) {
    out.clear();
    if (!before.valid || before.width != now.width || before.height != now.height) return false;
    if (before.commands.size() != now.commands.size()) return false;
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
    for (size_t i = 0; i < now.commands.size(); ++i) {
        const Command &x = before.commands[i], &y = now.commands[i];
        if (x.kind == Kind::kClear || y.kind == Kind::kClear) {
            // A clear depends on nothing but its buffers and colour (no scissor is set while
            // recording).
            const Pen &p = before.pens[x.pen], &q = now.pens[y.pen];
            if (x.kind != y.kind || x.first != y.first || p.clear_known != q.clear_known ||
                !std::equal(p.clear, p.clear + 4, q.clear))
                return false;
            continue;
        }
        const bool same_head = x.kind == y.kind && x.count == y.count && same_pen(x.pen, y.pen);
        const uint32_t floats = flat(y) ? y.count * 2 : y.count * 16;
        if (same_head &&
            std::equal(now.payload.begin() + y.first, now.payload.begin() + y.first + floats,
                       before.payload.begin() + x.first))
            continue;
        if (flat(x) || flat(y) || !same_head) {
            const uint32_t boxes_x = flat(x) ? 1 : x.count, boxes_y = flat(y) ? 1 : y.count;
            for (uint32_t k = 0; k < boxes_x; ++k) add(before.boxes[x.box + k]);
            for (uint32_t k = 0; k < boxes_y; ++k) add(now.boxes[y.box + k]);
            continue;
        }
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
