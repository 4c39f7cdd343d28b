// The comparison of two recorded frames.
#include "runtime/gfx/frame_list.h"

#include <climits>
#include <cstddef>

namespace recording {

Slot SlotIn(const State& st, uint64_t key) {
    auto it = std::lower_bound(st.begin(), st.end(), key,
                               [](const Slot& a, uint64_t k) { return a.key < k; });
    return it != st.end() && it->key == key ? *it : Slot{};
}

bool Differences(const FrameList& before, const FrameList& now, std::vector<Box>& out) {
    if (!before.valid || before.width != now.width || before.height != now.height) return false;
    // Kept from frame to frame: a frame allocates nothing to compare itself.
    static std::vector<const Op*> a, b;
    a.clear();
    b.clear();
    for (const Op& op : before.ops)
        if (IsDraw(op.code)) a.push_back(&op);
    for (const Op& op : now.ops)
        if (IsDraw(op.code)) b.push_back(&op);
    if (a.size() != b.size()) return false;
    out.clear();
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
    auto floats = [](const Op& op) {
        return op.code == Code::kFlat ? op.count * 2 : op.count * 16;
    };
    auto boxes = [](const Op& op) { return op.code == Code::kFlat ? 1u : op.count; };
    // Most draws share their snapshot with the draws beside them: each pair is compared once.
    uint32_t last_x = UINT32_MAX, last_y = UINT32_MAX;
    bool last_same = false;
    auto SameState = [&](uint32_t sx, uint32_t sy) {
        if (sx != last_x || sy != last_y) {
            last_x = sx;
            last_y = sy;
            last_same = before.states[sx] == now.states[sy];
        }
        return last_same;
    };
    for (size_t i = 0; i < a.size(); ++i) {
        const Op &x = *a[i], &y = *b[i];
        // A clear depends on nothing but its colour (no scissor is set while recording).
        const bool same_state = x.code == Code::kClear && y.code == Code::kClear
                                    ? SlotIn(before.states[x.state], Key(kSlotClearColour)) ==
                                          SlotIn(now.states[y.state], Key(kSlotClearColour))
                                    : SameState(x.state, y.state);
        const bool same_head = x.code == y.code && x.a == y.a && x.count == y.count && same_state;
        if (same_head &&
            std::equal(now.payload.begin() + y.first, now.payload.begin() + y.first + floats(y),
                       before.payload.begin() + x.first))
            continue;
        if (x.code == Code::kClear || y.code == Code::kClear) return false;
        if (y.code == Code::kFlat || !same_head) {
            for (size_t k = 0; k < boxes(x); ++k) add(before.boxes[x.box + k]);
            for (size_t k = 0; k < boxes(y); ++k) add(now.boxes[y.box + k]);
            continue;
        }
        for (size_t q = 0; q < y.count; ++q) {
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
