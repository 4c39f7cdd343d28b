// The screen's frame as a list of OpenGL commands, drawn at the present only where it differs
// from the frame before (not for game code).
//
// Under a software renderer a frame costs what its pixels cost, and most frames of play
// repeat the one before but for a few sprites (the player's step, the clock). So while a frame
// is recorded, the drawing files' state changes and draws go into a list instead of to OpenGL.
// At the present the list is compared with the previous frame's, which the logical screen
// still shows: where only draws differ, the list is played into those rectangles alone
// (scissored, draws outside them skipped); anything else draws the whole list. The pictures
// are the ones a whole redraw gives, pixel for pixel.
//
// What a recorded list cannot hold (reading pixels, changing a texture, drawing into an
// off-screen target, any OpenGL call not below) first draws the list as it stands through
// FrameRecordSync() (the drawing files' FlushBatch() does it); the rest of that frame goes
// straight to OpenGL and the next frame is drawn whole.
#pragma once
#include <cstdint>
#include <vector>

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

// Switched on, draws (textured quads, points, lines, boxes) go nowhere while every state
// change still reaches OpenGL: for headless runs where nobody sees a pixel and nothing read
// back from the screen feeds anything but pictures.
void FrameRecordSkipDraws(bool skip);

// A capture of the screen while a frame is recorded: true when it would copy what the same
// capture copied in the frame before (the same commands since the frame's first clear, with no
// texels changed since), so the sprite holds it already and the capture is left out. Otherwise
// false, and the commands so far are kept to compare the next frame's capture with.
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

// The OpenGL calls of the drawing files: recorded while a frame is, called at once otherwise.
// Each keeps the matrices and the viewport the recorder tracks to find where draws land.
void RecEnable(uint32_t cap);
void RecDisable(uint32_t cap);
void RecBindTexture(uint32_t name);
void RecTexParameteri(uint32_t parameter, int value);
void RecFrontFace(uint32_t mode);
void RecBlendFunc(uint32_t source, uint32_t destination);
void RecColor4f(float r, float g, float b, float a);
void RecColor4ub(uint8_t r, uint8_t g, uint8_t b, uint8_t a);
void RecMatrixMode(uint32_t mode);
void RecPushMatrix();
void RecPopMatrix();
void RecLoadIdentity();
void RecOrtho(double left, double right, double bottom, double top, double near_, double far_);
void RecTranslatef(float x, float y, float z);
void RecRotatef(float angle, float x, float y, float z);
void RecViewport(int x, int y, int width, int height);
void RecCullFace(uint32_t mode);
void RecAlphaFunc(uint32_t function, float reference);
void RecShadeModel(uint32_t mode);
void RecClearColor(float r, float g, float b, float a);
void RecHint(uint32_t target, uint32_t mode);
void RecClear(uint32_t mask);
// `quads` textured quads of 16 floats (x, y, u, v four times); fans draws each quad as its own
// triangle fan, else the list is drawn as GL_QUADS.
void RecDrawQuads(const float* xyuv, int quads, bool fans);
// Untextured points, lines or quads (GL_POINTS, GL_LINES, GL_QUADS) of whole-pixel vertices.
void RecDrawFlat(uint32_t mode, const int* xy, int vertices);
