// The frame recorder's lists and their comparison (not for game code): a frame as the list of
// OpenGL-shaped commands the drawing files made, each draw with the state it was made in and
// where it lands, and where two such frames differ. No OpenGL here: frame_record.cpp records
// and plays the lists.
#pragma once
#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace recording {

enum class Code : uint8_t {
    kEnable,
    kDisable,
    kBindTexture,
    kTexParameter,
    kFrontFace,
    kBlendFunc,
    kColor4f,
    kColor4ub,
    kMatrixMode,
    kPushMatrix,
    kPopMatrix,
    kLoadIdentity,
    kOrtho,
    kTranslate,
    kRotate,
    kViewport,
    kCullFace,
    kAlphaFunc,
    kShadeModel,
    kClearColor,
    kHint,
    // The draws: what the comparison looks into.
    kClear,
    kQuads,
    kFans,
    kFlat,
};

inline bool IsDraw(Code c) {
    return c >= Code::kClear;
}

// Half-open, in window pixels (y from the bottom).
struct Box {
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    bool Empty() const { return x1 <= x0 || y1 <= y0; }
    bool Meets(const Box& o) const { return x0 < o.x1 && o.x0 < x1 && y0 < o.y1 && o.y0 < y1; }
    long Area() const { return Empty() ? 0 : long(x1 - x0) * (y1 - y0); }
};

inline Box Union(const Box& a, const Box& b) {
    if (a.Empty()) return b;
    if (b.Empty()) return a;
    return {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}

struct Op {
    Code code = Code::kEnable;
    uint32_t a = 0, b = 0;
    std::array<double, 6> d{};
    // Payload: floats from `first` (16 a quad, 2 a flat vertex); boxes from `box` (one a quad,
    // one a flat draw); a draw's state: snapshot `state` of its list.
    uint32_t first = 0, count = 0, box = 0, state = 0;
    bool operator==(const Op&) const = default;
};

// One piece of OpenGL state as the commands left it: an enable, the binding, the colour, a
// matrix, a texture's parameter and so on, keyed by what it is.
struct Slot {
    uint64_t key = 0;
    std::array<double, 16> v{};
    bool operator==(const Slot&) const = default;
};
using State = std::vector<Slot>;  // sorted by key

struct FrameList {
    std::vector<Op> ops;
    std::vector<float> payload;
    std::vector<Box> boxes;
    std::vector<State> states;  // the state each draw was made in
    bool parameters = false;    // a texture's parameters change in the frame
    int width = 0, height = 0;
    bool valid = false;  // a whole frame, drawn, that the screen shows now
    void Clear() {
        ops.clear();
        payload.clear();
        boxes.clear();
        states.clear();
        parameters = false;
        valid = false;
    }
};

enum SlotKind : uint64_t {
    kSlotEnable = 1,
    kSlotTexture,
    kSlotParameter,  // the bound texture's parameters
    kSlotFrontFace,
    kSlotBlendFunc,
    kSlotColour,
    kSlotMatrixMode,
    kSlotProjection,
    kSlotModelview,
    kSlotViewport,
    kSlotCullFace,
    kSlotAlphaFunc,
    kSlotShadeModel,
    kSlotClearColour,
    kSlotHint,
};

inline uint64_t Key(SlotKind kind, uint64_t detail = 0) {
    return uint64_t(kind) << 56 | detail;
}

// The slot of that key in a state (an empty slot when it has none).
Slot SlotIn(const State& st, uint64_t key);

// Where `now` differs from `before`, draw by draw (each with the state it was made in): the
// rectangles in `out`, touching ones joined, true; false when the frames differ in more than
// where some draws land or what they show (draws added or taken away, a clear of another
// colour, another size), so that only a whole redraw gives `now`.
bool Differences(const FrameList& before, const FrameList& now, std::vector<Box>& out);

}  // namespace recording
