// The recorded frame: its command list, the pens its draws are made with, the comparison with
// the frame before and the scissored replay.
#include "runtime/gfx/frame_record.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <unordered_map>

#include "runtime/gfx/gl_check.h"
#include "runtime/gfx/pipeline.h"

namespace {

using namespace recording;

// What is known of a texture: the generation of its texels, the frame whose list last drew
// it, and the parameters OpenGL has for it (-1 unknown).
struct TextureFacts {
    uint32_t generation = 0;
    uint64_t drawn_in = 0;
    int8_t filter = -1, clamped = -1;
};

struct Recorder {
    bool enabled = false;    // frames are recorded at all
    bool recording = false;  // the current frame is
    int width = 0, height = 0;
    uint64_t frame = 1;  // counts recorded frames, for what their lists draw
    FrameList current, previous;
    Pen pen;      // the pen the drawing files draw with now
    Pen applied;  // what OpenGL has, when `known`
    bool known = false;
    // By name: the names OpenGL gives are small numbers counted up; any larger one is kept
    // aside.
    std::vector<TextureFacts> textures;
    std::unordered_map<uint32_t, TextureFacts> large_names;
    uint32_t generations = 0;
    std::vector<float> scratch;  // the quads of a command that meet a rectangle
    FrameRecordStats stats;
    bool skip_draws = false;
    CaptureMemo capture;
} g_rec;

constexpr uint32_t kNamesKept = 1 << 16;

TextureFacts& Facts(uint32_t name) {
    if (name >= kNamesKept) return g_rec.large_names[name];
    if (name >= g_rec.textures.size()) g_rec.textures.resize(name + 1);
    return g_rec.textures[name];
}

Box Whole() {
    return {0, 0, g_rec.width, g_rec.height};
}

void Cap(uint32_t cap, bool on) {
    if (on)
        PipeEnable(cap);
    else
        PipeDisable(cap);
}

// Brings OpenGL to the pen, setting what differs from what it has.
void Apply(const Pen& p) {
    const bool all = !g_rec.known;
    const Pen& o = g_rec.applied;
    if (p.standard && (all || !o.standard)) {
        PipeEnable(GL_CULL_FACE);
        PipeCullFace(GL_BACK);
        PipeAlphaFunc(GL_GREATER, 0.05f);
        for (GLenum cap : {GL_DEPTH_TEST, GL_STENCIL_TEST, GL_DITHER}) PipeDisable(cap);
    }
    if (all || p.texturing != o.texturing) Cap(GL_TEXTURE_2D, p.texturing);
    if (all || p.alpha_test != o.alpha_test) Cap(GL_ALPHA_TEST, p.alpha_test);
    if (all || p.blend != o.blend) Cap(GL_BLEND, p.blend);
    if (all || p.front_cw != o.front_cw) PipeFrontFace(p.front_cw ? GL_CW : GL_CCW);
    if (all || p.blend_source != o.blend_source || p.blend_destination != o.blend_destination)
        PipeBlendFunc(p.blend_source, p.blend_destination);
    if (all || p.texture != o.texture) PipeBindTexture(p.texture);
    if (p.texture != 0 && (p.filter >= 0 || p.clamped == 1)) {
        TextureFacts& t = Facts(p.texture);
        if (p.filter >= 0 && t.filter != p.filter) {
            const int f = p.filter ? GL_LINEAR : GL_NEAREST;
            PipeTexParameter(GL_TEXTURE_MIN_FILTER, f);
            PipeTexParameter(GL_TEXTURE_MAG_FILTER, f);
            t.filter = p.filter;
        }
        if (p.clamped == 1 && t.clamped != 1) {
            PipeTexParameter(GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
            PipeTexParameter(GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
            t.clamped = 1;
        }
    }
    if (all || !std::equal(p.colour, p.colour + 4, o.colour))
        PipeColour(p.colour[0], p.colour[1], p.colour[2], p.colour[3]);
    if (all || !std::equal(p.viewport, p.viewport + 4, o.viewport))
        PipeViewport(p.viewport[0], p.viewport[1], p.viewport[2], p.viewport[3]);
    // The matrices, made by the same calls in the same order as the drawing files first made
    // them: the screen's projection (nudged for lines and boxes), the turn about a point.
    const bool projection =
        p.screen_w != o.screen_w || p.screen_h != o.screen_h || p.nudged != o.nudged;
    const bool turn = p.turned != o.turned || p.turn_x != o.turn_x || p.turn_y != o.turn_y ||
                      p.turn_angle != o.turn_angle;
    if (all || projection) {
        PipeMatrixMode(GL_PROJECTION);
        PipeLoadIdentity();
        if (p.screen_w > 0 && p.screen_h > 0) PipeOrtho(0, p.screen_w, p.screen_h, 0, -1, 1);
        if (p.nudged) PipeTranslate(0.375f, 0.375f, 0);
    }
    if (all || turn) {
        PipeMatrixMode(GL_MODELVIEW);
        PipeLoadIdentity();
        if (p.turned) {
            PipeTranslate(p.turn_x, p.turn_y, 0);
            PipeRotate(p.turn_angle, 0, 0, -1);
        }
    }
    PipeMatrixMode(GL_MODELVIEW);
    g_rec.applied = p;
    g_rec.known = true;
}

GLenum FlatMode(Kind kind) {
    return kind == Kind::kPoints ? GL_POINTS : kind == Kind::kLines ? GL_LINES : GL_QUADS;
}

// One command to OpenGL; draws outside `only` (when given) are left out.
void Play(const FrameList& list, const Command& c, const Box* only) {
    const Pen& pen = list.pens[c.pen];
    if (c.kind == Kind::kClear) {
        if (pen.clear_known)
            PipeClearColour(pen.clear[0], pen.clear[1], pen.clear[2], pen.clear[3]);
        PipeClear(c.first);
        return;
    }
    const float* data = list.payload.data() + c.first;
    if (c.kind >= Kind::kPoints) {
        if (only && !list.boxes[c.box].Meets(*only)) return;
        Apply(pen);
        PipeDrawFlat(FlatMode(c.kind), data, static_cast<int>(c.count));
        return;
    }
    const bool fans = c.kind == Kind::kFans;
    if (!only) {
        Apply(pen);
        PipeDrawQuads(data, static_cast<int>(c.count), fans);
        return;
    }
    std::vector<float>& kept = g_rec.scratch;
    kept.clear();
    for (uint32_t q = 0; q < c.count; ++q)
        if (list.boxes[c.box + q].Meets(*only))
            kept.insert(kept.end(), data + q * 16, data + q * 16 + 16);
    if (kept.empty()) return;
    Apply(pen);
    PipeDrawQuads(kept.data(), static_cast<int>(kept.size() / 16), fans);
}

void PlayAll(const FrameList& list, const Box* only) {
    for (const Command& c : list.commands) Play(list, c, only);
}

// Adds a command drawn with `pen`.
Command& Push(Kind kind, const Pen& pen) {
    FrameList& f = g_rec.current;
    if (f.pens.empty() || !(f.pens.back() == pen)) f.pens.push_back(pen);
    Command c;
    c.kind = kind;
    c.pen = static_cast<uint32_t>(f.pens.size() - 1);
    c.first = static_cast<uint32_t>(f.payload.size());
    f.commands.push_back(c);
    return f.commands.back();
}

// The pen of a draw: the generation of its texture's texels now, and the texture marked as
// drawn by this frame's list (a draw not textured draws none).
void StampTexture() {
    Pen& p = g_rec.pen;
    if (!p.texture || !p.texturing) {
        p.generation = 0;
        return;
    }
    TextureFacts& t = Facts(p.texture);
    p.generation = t.generation;
    if (g_rec.recording) t.drawn_in = g_rec.frame;
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
    ++g_rec.frame;
    g_rec.width = width;
    g_rec.height = height;
    g_rec.current.Clear();
    g_rec.current.width = width;
    g_rec.current.height = height;
    GlCheckRecordingBegins();
}

void FrameRecordSync() {
    if (!g_rec.recording) return;
    GlCheckRecordingEnds("a sync");
    g_rec.recording = false;
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
        // Each command sets its own pen, so every rectangle is played from whatever the one
        // before left.
        PipeEnable(GL_SCISSOR_TEST);
        for (const Box& b : boxes) {
            PipeScissor(b.x0, b.y0, b.x1 - b.x0, b.y1 - b.y0);
            PlayAll(g_rec.current, &b);
            changes.rects.push_back({b.x0, b.y0, b.x1 - b.x0, b.y1 - b.y0});
        }
        PipeDisable(GL_SCISSOR_TEST);
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
    if (!g_rec.recording) {
        m.made = m.armed = false;
        return false;
    }
    if (!CaptureRepeats(m, g_rec.current, {sprite, x, y, w, h, key})) return false;
    ++g_rec.stats.captures_kept;
    return true;
}

void FrameRecordCaptureMade() {
    CaptureMemo& m = g_rec.capture;
    // Only a capture just compared, its commands kept, is one a later capture can stand on.
    m.made = m.armed;
    m.armed = false;
    m.written = g_rec.generations;
}

FrameRecordStats FrameRecordFigures() {
    return g_rec.stats;
}

const Pen& DrawingPen() {
    return g_rec.pen;
}
Pen& DrawingPenToChange() {
    return g_rec.pen;
}

void RecApplyPen() {
    if (!g_rec.recording) Apply(g_rec.pen);
}

void RecForgetApplied() {
    if (!g_rec.recording) g_rec.known = false;
}

void RecViewportSet(int x, int y, int width, int height) {
    const int v[4] = {x, y, width, height};
    std::copy(v, v + 4, g_rec.pen.viewport);
    std::copy(v, v + 4, g_rec.applied.viewport);
}

void RecTexelsChange(uint32_t name, bool deleting) {
    if (!name) return;
    if (g_rec.recording &&
        (Facts(name).drawn_in == g_rec.frame || (deleting && g_rec.applied.texture == name)))
        FrameRecordSync();
    TextureFacts& t = Facts(name);  // after the sync, which may look up other textures
    t.generation = ++g_rec.generations;
    if (deleting) {
        t.filter = t.clamped = -1;
        if (g_rec.applied.texture == name) g_rec.applied.texture = 0;
        if (g_rec.pen.texture == name) g_rec.pen.texture = 0;
    }
}

void RecForgetParameters(uint32_t name) {
    TextureFacts& t = Facts(name);
    t.filter = t.clamped = -1;
}

void RecClear(uint32_t mask) {
    if (!g_rec.recording) {
        const Pen& p = g_rec.pen;
        if (p.clear_known) PipeClearColour(p.clear[0], p.clear[1], p.clear[2], p.clear[3]);
        PipeClear(mask);
        return;
    }
    // A clear depends on its colour alone: its pen holds nothing else, so that two clears
    // compare alike whatever was drawn before them.
    Pen clear;
    clear.clear_known = g_rec.pen.clear_known;
    std::copy(g_rec.pen.clear, g_rec.pen.clear + 4, clear.clear);
    Push(Kind::kClear, clear).first = mask;
}

void RecDrawQuads(const float* xyuv, int quads, bool fans) {
    if (quads <= 0 || g_rec.skip_draws) return;
    StampTexture();
    if (!g_rec.recording) {
        Apply(g_rec.pen);
        PipeDrawQuads(xyuv, quads, fans);
        return;
    }
    FrameList& f = g_rec.current;
    Command& c = Push(fans ? Kind::kFans : Kind::kQuads, g_rec.pen);
    c.count = static_cast<uint32_t>(quads);
    f.payload.insert(f.payload.end(), xyuv, xyuv + quads * 16);
}

void RecDrawFlat(uint32_t mode, const int* xy, int vertices) {
    if (vertices <= 0 || g_rec.skip_draws) return;
    // The list keeps vertices as floats, exact up to 2^24.
    for (int i = 0; i < vertices * 2 && g_rec.recording; ++i)
        if (xy[i] >= (1 << 24) || xy[i] <= -(1 << 24)) FrameRecordSync();
    StampTexture();
    const Kind kind = mode == GL_POINTS  ? Kind::kPoints
                      : mode == GL_LINES ? Kind::kLines
                                         : Kind::kBoxes;
    if (!g_rec.recording) {
        std::vector<float>& f = g_rec.scratch;
        f.assign(xy, xy + vertices * 2);
        Apply(g_rec.pen);
        PipeDrawFlat(FlatMode(kind), f.data(), vertices);
        return;
    }
    FrameList& f = g_rec.current;
    Command& c = Push(kind, g_rec.pen);
    c.count = static_cast<uint32_t>(vertices);
    for (int i = 0; i < vertices * 2; ++i) f.payload.push_back(static_cast<float>(xy[i]));
}
