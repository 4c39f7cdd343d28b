// The pen the drawing files draw with, and the batch of textured quads waiting to be drawn
// (not for game code).
//
// Under a software renderer every draw call costs far more than the vertices themselves. So
// textured quads that share a texture and its settings collect in one batch handed on as one
// command. The rule that keeps pictures and order exact: the batch holds only quads drawn with
// the pen as it is now. Every change of the pen (SetPen and the Use* calls below) ends the
// batch first. The commands go through the frame recorder (see frame_record.h), which brings
// OpenGL to each command's pen; any other OpenGL call that draws, reads pixels, changes state
// or changes a texture is preceded by FlushBatch(), and code that set OpenGL's state directly
// calls ForgetGlState() afterwards.
#pragma once
#include <cstdint>

#include "runtime/gfx/frame_list.h"

// Hands the quads held in the batch on (recorded with the frame, or drawn) and empties it.
void EndBatch();
// Ends the batch and brings OpenGL up to date: everything drawn so far is drawn now, and
// OpenGL has the pen.
void FlushBatch();
// OpenGL's state was changed directly: the next command sets all of it again. Also ends the
// batch first.
void ForgetGlState();

// The pen now, and a change of it (the batch ends first when it differs).
const recording::Pen& CurrentPen();
void SetPen(const recording::Pen& pen);

// The texture bound for the next draws (with what is known of its parameters).
void UseTexture(uint32_t name);
// GL_TEXTURE_2D, GL_ALPHA_TEST and GL_BLEND enabled or disabled.
void UseTexturing(bool on);
void UseAlphaTest(bool on);
void UseBlend(bool on);
// glFrontFace: clockwise (a mirrored quad) or counter-clockwise.
void UseFrontFaceClockwise(bool clockwise);

// A texture's own parameters are known from the first time a draw sets them until the texture
// is deleted or made anew: call this after glGenTextures and direct glTexParameter calls.
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
