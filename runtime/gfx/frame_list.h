// The frame recorder's lists and their comparison (not for game code): a frame as the list of
// drawing commands the drawing files made (clears, textured quads, points, lines and boxes),
// each with its arguments in the logical screen's pixels and the pen it was drawn with, and
// where two such frames differ. No OpenGL here: frame_record.cpp records and plays the lists.
#pragma once
#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace recording {

// Everything a draw is drawn with, in the screen's terms: which texture and which writing of
// its texels, how the texture is sampled, how the draw is tested, blended and coloured, and
// where its coordinates land.
struct Pen {
    uint32_t texture = 0;     // the texture bound (0: none)
    uint32_t generation = 0;  // of its texels, bumped at every write (set at the draw)
    int8_t filter = -1;       // the texture's filter: 0 nearest, 1 linear, -1 as it was made
    int8_t clamped = -1;      // 1: both axes clamped to the edge; -1 as it was made
    bool texturing = false, alpha_test = false, blend = false, front_cw = false;
    // The standing state of the 2D drawing (culling of back faces, the alpha test's
    // reference, no depth or stencil test), set from the first reset of the viewport on.
    bool standard = false;
    bool nudged = false;       // lines and boxes: moved by 3/8 pixel so edges fall alike
    bool turned = false;       // turned by turn_angle degrees (clockwise) about (turn_x, turn_y)
    bool clear_known = false;  // a clear colour was set (else OpenGL keeps its own)
    uint32_t blend_source = 1, blend_destination = 0;  // GL_ONE, GL_ZERO
    float colour[4] = {1, 1, 1, 1};
    float clear[4] = {0, 0, 0, 0};
    // The viewport in window pixels (y from the bottom), and the size of the screen the
    // coordinates are given in, y down (0: OpenGL's own coordinates, -1 to 1).
    int viewport[4] = {0, 0, 0, 0};
    int screen_w = 0, screen_h = 0;
    float turn_x = 0, turn_y = 0, turn_angle = 0;
    bool operator==(const Pen&) const = default;
};

enum class Kind : uint8_t { kClear, kQuads, kFans, kPoints, kLines, kBoxes };

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

struct Command {
    Kind kind = Kind::kClear;
    uint32_t pen = 0;  // index in the list's pens
    // Coordinates from `first` of the payload: 16 floats a quad (x, y, u, v four times), 2 a
    // flat vertex; `count` quads or vertices. A clear: `first` is its mask of buffers.
    uint32_t first = 0, count = 0;
    // Where it lands from `box` of the boxes, once the list is landed: one a quad, one a flat
    // draw.
    uint32_t box = 0;
    // The same command, wherever the lists have worked out their boxes.
    bool operator==(const Command& o) const {
        return kind == o.kind && pen == o.pen && first == o.first && count == o.count;
    }
};

struct FrameList {
    std::vector<Command> commands;
    std::vector<Pen> pens;
    std::vector<float> payload;
    std::vector<Box> boxes;
    int width = 0, height = 0;
    bool valid = false;   // a whole frame, drawn, that the screen shows now
    bool landed = false;  // the boxes are worked out
    void Clear() {
        commands.clear();
        pens.clear();
        payload.clear();
        boxes.clear();
        valid = landed = false;
    }
};

// The colour buffer's bit in a clear's mask (OpenGL's GL_COLOR_BUFFER_BIT).
constexpr uint32_t kColourBufferBit = 0x4000;

// The last capture of the screen made in the middle of a recorded frame: what it copied (its
// sprite, rectangle and key colour) and the commands that drew it.
struct CaptureMemo {
    bool made = false;
    bool armed = false;  // compared and kept, the capture about to be made
    std::array<int, 6> what{};
    std::vector<Command> commands;
    std::vector<Pen> pens;
    std::vector<float> payload;
    // The last generation given to any texture once the capture was made (and so its own
    // writes into its sprite and the atlas).
    uint32_t written = 0;
};

// Whether a capture of `what` after the commands of `now` copies what the memo's capture
// copied: the same commands since a first clear of the screen, drawing textures none of which
// was written since that capture was made. When not, and `now` starts with that clear, the
// memo keeps its commands and is armed: the capture about to be made is one the next frame's
// can stand on once made.
bool CaptureRepeats(CaptureMemo& memo, const FrameList& now, const std::array<int, 6>& what);

// Where `vertices` points (x, y every `stride` floats) drawn with `pen` land on a screen of
// width x height window pixels: their bounds one pixel wider all round, clipped to the screen.
Box Landing(const Pen& pen, const float* xy, int vertices, int stride, int width, int height);

// Works out where every draw of the list lands (its boxes), if not done yet: only a frame that
// differs from the one before needs them.
void Land(FrameList& list);

// Where `now` differs from `before`, command by command (each with its pen): the rectangles
// in `out`, touching ones joined, true (both lists landed when they differ); false when the frames
// differ in more than where some draws land or what they show (draws added or taken away, a clear
// of another colour, another size), so that only a whole redraw gives `now`.
bool Differences(FrameList& before, FrameList& now, std::vector<Box>& out);

}  // namespace recording
