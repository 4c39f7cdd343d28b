// The recorded frame: its command list, where each draw lands, the comparison with the frame
// before and the scissored replay.
#include "runtime/gfx/frame_record.h"

#include <GL/gl.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <initializer_list>
#include <unordered_map>

#include "runtime/gfx/frame_list.h"
#include "runtime/gfx/gl_check.h"
#include "runtime/gfx/pipeline.h"
#include "runtime/gfx/texture_io.h"
#include "runtime/platform/gl_ext.h"

namespace {

using namespace recording;

using Matrix = std::array<double, 16>;  // column-major, as OpenGL keeps it

constexpr Matrix kIdentity = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

Matrix Multiply(const Matrix& a, const Matrix& b) {
    Matrix r{};
    for (int c = 0; c < 4; ++c)
        for (int row = 0; row < 4; ++row) {
            double s = 0;
            for (int k = 0; k < 4; ++k) s += a[k * 4 + row] * b[c * 4 + k];
            r[c * 4 + row] = s;
        }
    return r;
}

// The matrices and viewport as the recorded commands leave them, to know where a draw lands.
struct Tracker {
    std::vector<Matrix> projection{kIdentity};
    std::vector<Matrix> modelview{kIdentity};
    bool on_projection = false;
    std::array<int, 4> viewport{};
    Matrix& Top() { return on_projection ? projection.back() : modelview.back(); }
    std::vector<Matrix>& Stack() { return on_projection ? projection : modelview; }
};

// The last capture made while a frame was recorded: what it was, the commands that drew what
// it copied, and the count of texel changes once it was made.
struct CaptureMemo {
    bool made = false;
    bool armed = false;  // compared and kept, the capture about to be made
    std::array<int, 6> what{};
    std::vector<Op> ops;
    std::vector<float> payload;
    std::vector<State> states;
    uint64_t texels = 0;
};

using TextureParameters = std::array<double, 5>;

struct Recorder {
    bool enabled = false;    // frames are recorded at all
    bool recording = false;  // the current frame is
    bool synced = false;     // the current frame was drawn before its end
    int width = 0, height = 0;
    FrameList current, previous;
    Tracker tracker;
    // The state now (kept also while nothing is recorded), whether it changed since the last
    // recorded draw, and the matrices as the frame began.
    State state;
    bool state_changed = true;
    Tracker at_begin;
    std::vector<float> scratch;  // the quads of a batch that meet a rectangle
    FrameRecordStats stats;
    bool skip_draws = false;
    CaptureMemo capture;
    std::unordered_map<uint32_t, TextureParameters> parameters;
} g_rec;

Box Whole() {
    return {0, 0, g_rec.width, g_rec.height};
}

void SetSlot(uint64_t key, std::initializer_list<double> values) {
    Slot slot;
    slot.key = key;
    std::copy(values.begin(), values.end(), slot.v.begin());
    State& st = g_rec.state;
    auto it = std::lower_bound(st.begin(), st.end(), key,
                               [](const Slot& a, uint64_t k) { return a.key < k; });
    if (it != st.end() && it->key == key) {
        if (*it == slot) return;
        *it = slot;
    } else {
        st.insert(it, slot);
    }
    g_rec.state_changed = true;
}

// The parameters the drawing files set on a texture (filters and wraps; -1 where not set
// through them) and a count of any other: a draw's state holds its bound texture's.
size_t ParameterIndex(uint32_t parameter) {
    switch (parameter) {
        case GL_TEXTURE_MIN_FILTER:
            return 0;
        case GL_TEXTURE_MAG_FILTER:
            return 1;
        case GL_TEXTURE_WRAP_S:
            return 2;
        case GL_TEXTURE_WRAP_T:
            return 3;
        default:
            return 4;
    }
}

void SetBoundParameters(uint32_t texture) {
    const auto it = g_rec.parameters.find(texture);
    if (it == g_rec.parameters.end()) {
        SetSlot(Key(kSlotParameter), {-1, -1, -1, -1, 0});
        return;
    }
    const TextureParameters& p = it->second;
    SetSlot(Key(kSlotParameter), {p[0], p[1], p[2], p[3], p[4]});
}

void SetMatrixSlots() {
    for (int which = 0; which < 2; ++which) {
        const Matrix& m = which ? g_rec.tracker.modelview.back() : g_rec.tracker.projection.back();
        Slot slot;
        slot.key = Key(which ? kSlotModelview : kSlotProjection);
        slot.v = m;
        State& st = g_rec.state;
        auto it = std::lower_bound(st.begin(), st.end(), slot.key,
                                   [](const Slot& a, uint64_t k) { return a.key < k; });
        if (it != st.end() && it->key == slot.key) {
            if (*it == slot) continue;
            *it = slot;
        } else {
            st.insert(it, slot);
        }
        g_rec.state_changed = true;
    }
}

// Where the vertices land, one pixel wider all round, clipped to the screen.
Box BoxOf(const float* xy, int vertices, int stride) {
    const Matrix m = Multiply(g_rec.tracker.projection.back(), g_rec.tracker.modelview.back());
    const auto& vp = g_rec.tracker.viewport;
    double lo_x = 1e30, lo_y = 1e30, hi_x = -1e30, hi_y = -1e30;
    for (int i = 0; i < vertices; ++i) {
        const double x = xy[i * stride], y = xy[i * stride + 1];
        const double cx = m[0] * x + m[4] * y + m[12], cy = m[1] * x + m[5] * y + m[13];
        const double cw = m[3] * x + m[7] * y + m[15];
        if (!(cw > 0)) return Whole();
        const double wx = vp[0] + (cx / cw + 1) * vp[2] / 2, wy = vp[1] + (cy / cw + 1) * vp[3] / 2;
        if (!std::isfinite(wx) || !std::isfinite(wy)) return Whole();
        lo_x = std::min(lo_x, wx);
        lo_y = std::min(lo_y, wy);
        hi_x = std::max(hi_x, wx);
        hi_y = std::max(hi_y, wy);
    }
    auto clamp = [](double v, int hi) { return static_cast<int>(std::clamp(v, 0.0, double(hi))); };
    return {clamp(std::floor(lo_x) - 1, g_rec.width), clamp(std::floor(lo_y) - 1, g_rec.height),
            clamp(std::ceil(hi_x) + 1, g_rec.width), clamp(std::ceil(hi_y) + 1, g_rec.height)};
}

// One command to OpenGL; draws outside `only` (when given) are left out.
void Play(const FrameList& list, const Op& op, const Box* only) {
    const auto f = [&op](int i) { return static_cast<float>(op.d[static_cast<size_t>(i)]); };
    switch (op.code) {
        case Code::kEnable:
            PipeEnable(op.a);
            break;
        case Code::kDisable:
            PipeDisable(op.a);
            break;
        case Code::kBindTexture:
            PipeBindTexture(op.a);
            break;
        case Code::kTexParameter:
            PipeTexParameter(op.a, static_cast<int>(op.d[0]));
            break;
        case Code::kFrontFace:
            PipeFrontFace(op.a);
            break;
        case Code::kBlendFunc:
            PipeBlendFunc(op.a, op.b);
            break;
        case Code::kColor4f:
            PipeColour(f(0), f(1), f(2), f(3));
            break;
        case Code::kColor4ub:
            PipeColourBytes(static_cast<uint8_t>(op.a), static_cast<uint8_t>(op.a >> 8),
                            static_cast<uint8_t>(op.a >> 16), static_cast<uint8_t>(op.a >> 24));
            break;
        case Code::kMatrixMode:
            PipeMatrixMode(op.a);
            break;
        case Code::kPushMatrix:
            PipePushMatrix();
            break;
        case Code::kPopMatrix:
            PipePopMatrix();
            break;
        case Code::kLoadIdentity:
            PipeLoadIdentity();
            break;
        case Code::kOrtho:
            PipeOrtho(op.d[0], op.d[1], op.d[2], op.d[3], op.d[4], op.d[5]);
            break;
        case Code::kTranslate:
            PipeTranslate(f(0), f(1), f(2));
            break;
        case Code::kRotate:
            PipeRotate(f(0), f(1), f(2), f(3));
            break;
        case Code::kViewport:
            PipeViewport(static_cast<int>(op.d[0]), static_cast<int>(op.d[1]),
                         static_cast<int>(op.d[2]), static_cast<int>(op.d[3]));
            break;
        case Code::kCullFace:
            PipeCullFace(op.a);
            break;
        case Code::kAlphaFunc:
            PipeAlphaFunc(op.a, f(0));
            break;
        case Code::kShadeModel:
            PipeShadeModel(op.a);
            break;
        case Code::kClearColor:
            PipeClearColour(f(0), f(1), f(2), f(3));
            break;
        case Code::kHint:
            PipeHint(op.a, op.b);
            break;
        case Code::kClear:
            PipeClear(op.a);
            break;
        case Code::kQuads:
        case Code::kFans: {
            const float* xyuv = list.payload.data() + op.first;
            const int quads = static_cast<int>(op.count);
            if (!only) {
                PipeDrawQuads(xyuv, quads, op.code == Code::kFans);
                break;
            }
            std::vector<float>& kept = g_rec.scratch;
            kept.clear();
            for (int q = 0; q < quads; ++q)
                if (list.boxes[op.box + static_cast<size_t>(q)].Meets(*only))
                    kept.insert(kept.end(), xyuv + q * 16, xyuv + q * 16 + 16);
            if (!kept.empty())
                PipeDrawQuads(kept.data(), static_cast<int>(kept.size() / 16),
                              op.code == Code::kFans);
            break;
        }
        case Code::kFlat:
            if (!only || list.boxes[op.box].Meets(*only))
                PipeDrawFlat(op.a, list.payload.data() + op.first, static_cast<int>(op.count));
            break;
    }
}

void PlayAll(const FrameList& list, const Box* only) {
    for (const Op& op : list.ops) Play(list, op, only);
}

Op& Push(Code code, uint32_t a = 0, uint32_t b = 0) {
    Op op;
    op.code = code;
    op.a = a;
    op.b = b;
    FrameList& f = g_rec.current;
    if (IsDraw(code)) {
        if (g_rec.state_changed || f.states.empty()) {
            f.states.push_back(g_rec.state);
            g_rec.state_changed = false;
        }
        op.state = static_cast<uint32_t>(f.states.size() - 1);
    }
    if (code == Code::kTexParameter) f.parameters = true;
    f.ops.push_back(op);
    return f.ops.back();
}

bool Recording() {
    return g_rec.recording;
}

}  // namespace

void FrameRecordSkipDraws(bool skip) {
    g_rec.skip_draws = skip;
}

void FrameRecordSwitch(bool on) {
    if (g_rec.recording) FrameRecordSync();
    g_rec.enabled = on;
    g_rec.previous.Clear();
}

bool FrameRecording() {
    return g_rec.recording;
}

void FrameRecordBegin(int width, int height) {
    if (!g_rec.enabled) return;
    g_rec.recording = true;
    g_rec.synced = false;
    g_rec.width = width;
    g_rec.height = height;
    g_rec.current.Clear();
    g_rec.current.width = width;
    g_rec.current.height = height;
    // The present leaves the viewport on the whole screen.
    g_rec.tracker.viewport = {0, 0, width, height};
    SetSlot(Key(kSlotViewport), {0, 0, double(width), double(height)});
    g_rec.at_begin = g_rec.tracker;
    g_rec.state_changed = true;  // the new list takes its first snapshot
    GlCheckRecordingBegins();
}

void FrameRecordSync() {
    if (!g_rec.recording) return;
    GlCheckRecordingEnds("a sync");
    g_rec.recording = false;
    g_rec.synced = true;
    PlayAll(g_rec.current, nullptr);
}

FrameChanges FrameRecordFinish() {
    FrameChanges changes;
    if (!g_rec.enabled) return changes;
    ++g_rec.stats.frames;
    if (!g_rec.recording) {
        // Drawn as it came (or not recorded at all): the screen is new everywhere, and the
        // next frame has nothing to compare with.
        g_rec.previous.Clear();
        ++g_rec.stats.whole;
        g_rec.stats.pixels += double(Whole().Area());
        return changes;
    }
    GlCheckRecordingEnds("the frame's end");
    g_rec.recording = false;
    std::vector<Box> boxes;
    long area = 0;
    bool partial = Differences(g_rec.previous, g_rec.current, boxes);
    for (const Box& b : boxes) area += b.Area();
    // Many scattered rectangles cost more in repeated commands than they save in pixels.
    if (partial && (boxes.size() > 8 || area * 10 > Whole().Area() * 6)) partial = false;
    if (!partial) {
        PlayAll(g_rec.current, nullptr);
        ++g_rec.stats.whole;
        area = Whole().Area();
    } else if (boxes.empty()) {
        changes.whole = false;
        ++g_rec.stats.unchanged;
    } else {
        // Every pass starts from the state the frame started from. Where that cannot be put
        // back (a texture's parameters change in the frame, the matrix stacks end deeper or
        // shallower), the rectangles become one.
        const Tracker& start = g_rec.at_begin;
        const bool restorable = !g_rec.current.parameters &&
                                start.projection.size() == g_rec.tracker.projection.size() &&
                                start.modelview.size() == g_rec.tracker.modelview.size();
        if (!restorable) {
            Box one;
            for (const Box& b : boxes) one = Union(one, b);
            boxes.assign(1, one);
            area = one.Area();
        }
        for (size_t i = 0; i < boxes.size(); ++i) {
            const Box& b = boxes[i];
            const bool last = i + 1 == boxes.size();
            if (!last) PipeSaveState();
            PipeEnable(GL_SCISSOR_TEST);
            PipeScissor(b.x0, b.y0, b.x1 - b.x0, b.y1 - b.y0);
            PlayAll(g_rec.current, &b);
            PipeDisable(GL_SCISSOR_TEST);
            changes.rects.push_back({b.x0, b.y0, b.x1 - b.x0, b.y1 - b.y0});
            if (last) break;
            PipeRestoreState();
            PipeMatrixMode(GL_PROJECTION);
            PipeLoadMatrix(start.projection.back().data());
            PipeMatrixMode(GL_MODELVIEW);
            PipeLoadMatrix(start.modelview.back().data());
            PipeMatrixMode(start.on_projection ? GL_PROJECTION : GL_MODELVIEW);
        }
        changes.whole = false;
        ++g_rec.stats.partial;
    }
    g_rec.stats.pixels += double(area);
    std::swap(g_rec.previous, g_rec.current);
    g_rec.previous.valid = true;
    g_rec.current.Clear();
    return changes;
}

bool FrameRecordCaptureUnchanged(int sprite, int x, int y, int w, int h, int key) {
    CaptureMemo& m = g_rec.capture;
    m.armed = false;
    if (!g_rec.recording) {
        m.made = false;
        return false;
    }
    const FrameList& f = g_rec.current;
    // What is copied must be drawn in this frame alone: its first draw clears the screen.
    const auto first_draw =
        std::find_if(f.ops.begin(), f.ops.end(), [](const Op& op) { return IsDraw(op.code); });
    const bool from_clear = first_draw != f.ops.end() && first_draw->code == Code::kClear &&
                            (first_draw->a & GL_COLOR_BUFFER_BIT) != 0;
    const std::array<int, 6> what = {sprite, x, y, w, h, key};
    if (m.made && from_clear && m.what == what && m.texels == TexelChanges() && m.ops == f.ops &&
        m.payload == f.payload && m.states == f.states) {
        ++g_rec.stats.captures_kept;
        return true;
    }
    m.made = false;
    if (!from_clear) return false;
    m.what = what;
    m.ops = f.ops;
    m.payload = f.payload;
    m.states = f.states;
    m.armed = true;
    return false;
}

void FrameRecordCaptureMade() {
    CaptureMemo& m = g_rec.capture;
    // Only a capture just compared, its commands kept, is one a later capture can stand on.
    m.made = m.armed;
    m.armed = false;
    m.texels = TexelChanges();
}

FrameRecordStats FrameRecordFigures() {
    return g_rec.stats;
}

// The commands. Each updates the tracker, then records or calls OpenGL.

void RecEnable(uint32_t cap) {
    SetSlot(Key(kSlotEnable, cap), {1});
    if (Recording())
        Push(Code::kEnable, cap);
    else
        PipeEnable(cap);
}
void RecDisable(uint32_t cap) {
    SetSlot(Key(kSlotEnable, cap), {0});
    if (Recording())
        Push(Code::kDisable, cap);
    else
        PipeDisable(cap);
}
void RecBindTexture(uint32_t name) {
    SetSlot(Key(kSlotTexture), {double(name)});
    SetBoundParameters(name);
    if (Recording())
        Push(Code::kBindTexture, name);
    else
        PipeBindTexture(name);
}
void RecTexParameteri(uint32_t parameter, int value) {
    const auto bound = std::lower_bound(g_rec.state.begin(), g_rec.state.end(), Key(kSlotTexture),
                                        [](const Slot& a, uint64_t k) { return a.key < k; });
    const uint32_t texture = bound != g_rec.state.end() && bound->key == Key(kSlotTexture)
                                 ? static_cast<uint32_t>(bound->v[0])
                                 : 0;
    TextureParameters& p =
        g_rec.parameters.try_emplace(texture, TextureParameters{-1, -1, -1, -1, 0}).first->second;
    const size_t at = ParameterIndex(parameter);
    if (at < p.size() - 1)
        p[at] = value;
    else
        ++p.back();  // any other parameter: counted, so a draw after it differs
    SetBoundParameters(texture);
    if (Recording())
        Push(Code::kTexParameter, parameter).d[0] = value;
    else
        PipeTexParameter(parameter, value);
}
void RecFrontFace(uint32_t mode) {
    SetSlot(Key(kSlotFrontFace), {double(mode)});
    if (Recording())
        Push(Code::kFrontFace, mode);
    else
        PipeFrontFace(mode);
}
void RecBlendFunc(uint32_t source, uint32_t destination) {
    SetSlot(Key(kSlotBlendFunc), {double(source), double(destination)});
    if (Recording())
        Push(Code::kBlendFunc, source, destination);
    else
        PipeBlendFunc(source, destination);
}
void RecColor4f(float r, float g, float b, float a) {
    SetSlot(Key(kSlotColour), {0, r, g, b, a});
    if (Recording())
        Push(Code::kColor4f).d = {r, g, b, a, 0, 0};
    else
        PipeColour(r, g, b, a);
}
void RecColor4ub(uint8_t r, uint8_t g, uint8_t b, uint8_t a) {
    SetSlot(Key(kSlotColour), {1, double(r), double(g), double(b), double(a)});
    if (Recording())
        Push(Code::kColor4ub,
             uint32_t(r) | uint32_t(g) << 8 | uint32_t(b) << 16 | uint32_t(a) << 24);
    else
        PipeColourBytes(r, g, b, a);
}
void RecMatrixMode(uint32_t mode) {
    g_rec.tracker.on_projection = mode == GL_PROJECTION;
    SetSlot(Key(kSlotMatrixMode), {double(mode)});
    if (Recording())
        Push(Code::kMatrixMode, mode);
    else
        PipeMatrixMode(mode);
}
void RecPushMatrix() {
    auto& stack = g_rec.tracker.Stack();
    if (stack.size() < 32) stack.push_back(stack.back());
    if (Recording())
        Push(Code::kPushMatrix);
    else
        PipePushMatrix();
}
void RecPopMatrix() {
    auto& stack = g_rec.tracker.Stack();
    if (stack.size() > 1) stack.pop_back();
    SetMatrixSlots();
    if (Recording())
        Push(Code::kPopMatrix);
    else
        PipePopMatrix();
}
void RecLoadIdentity() {
    g_rec.tracker.Top() = kIdentity;
    SetMatrixSlots();
    if (Recording())
        Push(Code::kLoadIdentity);
    else
        PipeLoadIdentity();
}
void RecOrtho(double left, double right, double bottom, double top, double near_, double far_) {
    Matrix o = kIdentity;
    o[0] = 2 / (right - left);
    o[5] = 2 / (top - bottom);
    o[10] = -2 / (far_ - near_);
    o[12] = -(right + left) / (right - left);
    o[13] = -(top + bottom) / (top - bottom);
    o[14] = -(far_ + near_) / (far_ - near_);
    g_rec.tracker.Top() = Multiply(g_rec.tracker.Top(), o);
    SetMatrixSlots();
    if (Recording())
        Push(Code::kOrtho).d = {left, right, bottom, top, near_, far_};
    else
        PipeOrtho(left, right, bottom, top, near_, far_);
}
void RecTranslatef(float x, float y, float z) {
    Matrix t = kIdentity;
    t[12] = x;
    t[13] = y;
    t[14] = z;
    g_rec.tracker.Top() = Multiply(g_rec.tracker.Top(), t);
    SetMatrixSlots();
    if (Recording())
        Push(Code::kTranslate).d = {x, y, z, 0, 0, 0};
    else
        PipeTranslate(x, y, z);
}
void RecRotatef(float angle, float x, float y, float z) {
    // Only turns about the screen's normal are tracked; any other makes every draw cover the
    // whole screen (a modelview that is no longer flat).
    Matrix r = kIdentity;
    const double len = std::sqrt(double(x) * x + double(y) * y + double(z) * z);
    if (x == 0 && y == 0 && len > 0) {
        const double a = angle * 3.14159265358979323846 / 180 * (z / len);
        r[0] = std::cos(a);
        r[1] = std::sin(a);
        r[4] = -std::sin(a);
        r[5] = std::cos(a);
    } else {
        r[15] = 0;  // w becomes 0: "lands anywhere"
    }
    g_rec.tracker.Top() = Multiply(g_rec.tracker.Top(), r);
    SetMatrixSlots();
    if (Recording())
        Push(Code::kRotate).d = {angle, x, y, z, 0, 0};
    else
        PipeRotate(angle, x, y, z);
}
void RecViewport(int x, int y, int width, int height) {
    g_rec.tracker.viewport = {x, y, width, height};
    SetSlot(Key(kSlotViewport), {double(x), double(y), double(width), double(height)});
    if (Recording())
        Push(Code::kViewport).d = {double(x), double(y), double(width), double(height), 0, 0};
    else
        PipeViewport(x, y, width, height);
}
void RecCullFace(uint32_t mode) {
    SetSlot(Key(kSlotCullFace), {double(mode)});
    if (Recording())
        Push(Code::kCullFace, mode);
    else
        PipeCullFace(mode);
}
void RecAlphaFunc(uint32_t function, float reference) {
    SetSlot(Key(kSlotAlphaFunc), {double(function), reference});
    if (Recording())
        Push(Code::kAlphaFunc, function).d[0] = reference;
    else
        PipeAlphaFunc(function, reference);
}
void RecShadeModel(uint32_t mode) {
    SetSlot(Key(kSlotShadeModel), {double(mode)});
    if (Recording())
        Push(Code::kShadeModel, mode);
    else
        PipeShadeModel(mode);
}
void RecClearColor(float r, float g, float b, float a) {
    SetSlot(Key(kSlotClearColour), {r, g, b, a});
    if (Recording())
        Push(Code::kClearColor).d = {r, g, b, a, 0, 0};
    else
        PipeClearColour(r, g, b, a);
}
void RecHint(uint32_t target, uint32_t mode) {
    SetSlot(Key(kSlotHint, target), {double(mode)});
    if (Recording())
        Push(Code::kHint, target, mode);
    else
        PipeHint(target, mode);
}
void RecClear(uint32_t mask) {
    if (Recording())
        Push(Code::kClear, mask);
    else
        PipeClear(mask);
}

void RecDrawQuads(const float* xyuv, int quads, bool fans) {
    if (quads <= 0 || g_rec.skip_draws) return;
    if (!Recording()) {
        PipeDrawQuads(xyuv, quads, fans);
        return;
    }
    FrameList& f = g_rec.current;
    Op& op = Push(fans ? Code::kFans : Code::kQuads);
    op.first = static_cast<uint32_t>(f.payload.size());
    op.count = static_cast<uint32_t>(quads);
    op.box = static_cast<uint32_t>(f.boxes.size());
    f.payload.insert(f.payload.end(), xyuv, xyuv + quads * 16);
    for (int q = 0; q < quads; ++q) f.boxes.push_back(BoxOf(xyuv + q * 16, 4, 4));
}

void RecDrawFlat(uint32_t mode, const int* xy, int vertices) {
    if (vertices <= 0 || g_rec.skip_draws) return;
    // The list keeps vertices as floats, exact up to 2^24.
    for (int i = 0; i < vertices * 2 && Recording(); ++i)
        if (xy[i] >= (1 << 24) || xy[i] <= -(1 << 24)) FrameRecordSync();
    if (!Recording()) {
        std::vector<float>& f = g_rec.scratch;
        f.assign(xy, xy + vertices * 2);
        PipeDrawFlat(mode, f.data(), vertices);
        return;
    }
    FrameList& f = g_rec.current;
    Op& op = Push(Code::kFlat, mode);
    op.first = static_cast<uint32_t>(f.payload.size());
    op.count = static_cast<uint32_t>(vertices);
    op.box = static_cast<uint32_t>(f.boxes.size());
    for (int i = 0; i < vertices * 2; ++i) f.payload.push_back(static_cast<float>(xy[i]));
    f.boxes.push_back(BoxOf(f.payload.data() + op.first, vertices, 2));
}
