// The screen's frame as a list of drawing commands, drawn at the present only where it
// differs from the frame before (not for game code).
//
// Under a software renderer a frame costs what its pixels cost, and most frames of play
// repeat the one before but for a few sprites (the player's step, the clock). So every draw of
// the drawing files is a command here: a clear, textured quads, points, lines or boxes, with
// its coordinates in the logical screen's pixels and the pen it is drawn with (texture and the
// generation of its texels, filter, blend, colour, tests, viewport and turn; see
// frame_list.h). While a frame is recorded the commands go into a list; at the present the
// list is compared with the previous frame's, which the logical screen still shows: where
// only draws differ, the list is played into those rectangles alone (scissored, draws outside
// them left out); anything else draws the whole list. Played or drawn at once, a command
// brings OpenGL to its pen first, setting only what differs from what OpenGL has: the
// pictures are the ones a whole redraw gives, pixel for pixel.
//
// What a recorded list cannot hold (reading pixels, drawing into an off-screen target,
// changing or deleting a texture the list draws) first draws the list as it stands through
// FrameRecordSync() (the drawing files' FlushBatch() does it); the rest of that frame goes
// straight to OpenGL and the next frame is drawn whole. A texture the list does not draw yet
// is written without that: its new generation makes its later draws differ.
#pragma once
#include <cstdint>
#include <vector>

#include "runtime/gfx/frame_list.h"
#include "runtime/platform/window.h"

// Starts recording the next frame on a screen of width x height pixels (called right after a
// present). Does nothing while recording is switched off.
void FrameRecordBegin(int width, int height);
// Draws what the frame recorded so far and stops recording it.
void FrameRecordSync();
// What changed on the screen since the last present.
struct FrameChanges {
    bool whole = true;  // everything (then `rects` is empty)
    // Else these rectangles of the logical screen, y from the bottom (none: the frame is the
    // same).
    std::vector<PresentRect> rects;
};
// Ends the frame: draws the recorded list where it differs from the previous frame and tells
// where the screen changed (everywhere after a frame not recorded to its end).
FrameChanges FrameRecordFinish();
// Whether frames are recorded at all (on for presents that can show parts of the screen).
void FrameRecordSwitch(bool on);
bool FrameRecording();

// Switched on, draws (textured quads, points, lines, boxes) go nowhere, while clears, the pen
// and textures still reach OpenGL: for headless runs where nobody sees a pixel and nothing read
// back from the screen feeds anything but pictures.
void FrameRecordSkipDraws(bool skip);

// A capture of the screen while a frame is recorded: true when it would copy what the same
// capture copied in the frame before (the same commands since the frame's first clear, drawing
// the same generations of the same textures), so the sprite holds it already and the capture is
// left out. Otherwise false, and the commands so far are kept to compare the next frame's capture
// with.
bool FrameRecordCaptureUnchanged(int sprite, int x, int y, int w, int h, int key);
// A capture was made (after its texels are written).
void FrameRecordCaptureMade();

// Figures of the frames finished so far, for benchmarks and tests.
struct FrameRecordStats {
    long frames = 0;         // frames finished
    long whole = 0;          // drawn whole
    long partial = 0;        // drawn in rectangles
    long unchanged = 0;      // identical to the frame before: nothing drawn
    long captures_kept = 0;  // captures left out, the sprite holding them already
    double pixels = 0;       // pixels of the rectangles drawn, summed
};
FrameRecordStats FrameRecordFigures();

// The pen the drawing files draw with now (gl_state.h's SetPen changes it).
const recording::Pen& DrawingPen();
recording::Pen& DrawingPenToChange();

// The commands: recorded while a frame is, drawn at once otherwise, each with the pen.
// A clear of the buffers in `mask` to the pen's clear colour.
void RecClear(uint32_t mask);
// `quads` textured quads of 16 floats (x, y, u, v four times); fans draws each quad as its own
// triangle fan (the same two triangles).
void RecDrawQuads(const float* xyuv, int quads, bool fans);
// Untextured points, lines or quads (GL_POINTS, GL_LINES, GL_QUADS) of whole-pixel vertices.
void RecDrawFlat(uint32_t mode, const int* xy, int vertices);

// OpenGL brought to the pen now, for code that calls the pipeline itself (after a sync).
void RecApplyPen();
// The pipeline's state was changed directly: the next command sets all of it again.
void RecForgetApplied();
// The viewport was set directly to this (window pixels, y from the bottom): the pen and what
// OpenGL is known to have take it.
void RecViewportSet(int x, int y, int width, int height);

// Before a texture's texels change or it is deleted: a recorded list that draws it (or whose
// binding it is) is drawn first; then its generation moves on. `deleting` also forgets what is
// known of the texture's parameters.
void RecTexelsChange(uint32_t name, bool deleting = false);
// A texture's parameters were set directly: nothing is known of them any more.
void RecForgetParameters(uint32_t name);
