// What the drawing files know of OpenGL's state, and the batch of textured quads waiting to be
// drawn (not for game code).
//
// Under a software renderer every draw call, and every texture bind or texture parameter
// change with drawing pending, costs far more than the vertices themselves. So the drawing
// files set state through the Use* calls below, which skip what is already set, and textured
// quads that share a texture and its settings collect in one batch drawn by one call.
//
// The rule that keeps pictures and order exact: the batch holds only quads drawn with the
// state as it is now. Every Use* call that changes something ends the batch first. The state
// changes and draws of these files go through the frame recorder's Rec* calls (see
// frame_record.h); any other OpenGL call that draws, reads pixels, changes state or changes a
// texture is preceded by FlushBatch(). Code that set OpenGL state directly calls
// ForgetGlState() afterwards.
#pragma once
#include <cstdint>

// Hands the quads held in the batch on (recorded with the frame, or drawn) and empties it.
void EndBatch();
// Ends the batch and brings OpenGL up to date: everything drawn so far is drawn now.
void FlushBatch();
// Nothing is known about the binding and the enables any more; the next use sets them. Also
// ends the batch first.
void ForgetGlState();

// glBindTexture(GL_TEXTURE_2D, name), skipped when bound already.
void UseTexture(uint32_t name);
// GL_TEXTURE_2D, GL_ALPHA_TEST and GL_BLEND enabled or disabled.
void UseTexturing(bool on);
void UseAlphaTest(bool on);
void UseBlend(bool on);
// glFrontFace: clockwise (a mirrored quad) or counter-clockwise.
void UseFrontFaceClockwise(bool clockwise);

// A texture's own parameters are known from the first time they are set until the texture is
// deleted or made anew: call this after glGenTextures and direct glTexParameter calls.
void ForgetTextureParameters(uint32_t name);
// Deletes the texture (drawing the batch first) and forgets everything known about it; the
// name becomes 0.
void DeleteTextureName(uint32_t& name);

// How the quads of a batch are drawn.
enum class QuadKind : uint8_t {
    kQuad,  // as GL_QUADS: a sprite at its own size, text
    kFan,   // each as its own GL_TRIANGLE_FAN, both texture axes clamped to the edge
};
enum class QuadFilter : int8_t { kKeep = -1, kNearest = 0, kLinear = 1 };

// Adds one textured quad, 4 vertices of x, y, u, v in the order they are drawn, to the batch,
// drawing the batch first when it holds quads of another texture, filter or kind. Texturing
// must be on and the rest of the state as the quad wants it.
void BatchQuad(uint32_t texture, QuadFilter filter, QuadKind kind, const float (&xyuv)[16]);
