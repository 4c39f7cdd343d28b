// Helpers the drawing, capture, background and font files share (not for game code).
#pragma once
#include <cstdint>

#include "runtime/gfx/gl_engine.h"
#include "runtime/gfx/gl_state.h"

// The engine's sprite n (the caller keeps n within the table).
SpriteImage& SpriteAt(int n);

// The filter sprites are drawn with: the filtering flag's.
QuadFilter SpriteFilter();

// A textured quad as a triangle fan, added to the batch: bottom-left, bottom-right, top-right,
// top-left in screen terms, positions (x0, y1), (x1, y1), (x1, y0), (x0, y0) and texture
// coordinates (u0, v0), (u1, v0), (u1, v1), (u0, v1); both texture axes clamped to the edge.
// Texturing must be on.
void BatchQuadFan(uint32_t texture, QuadFilter filter, float x0, float y0, float x1, float y1,
                  float u0, float v0, float u1, float v1);

// GL_MAX_TEXTURE_SIZE of the context (64, the least OpenGL allows, when it cannot be asked).
int MaxTextureSize();

// The smallest power of two of at least `minimum` that holds `size`.
int PowerOfTwoAtLeast(int size, int minimum);

// Replaces the sprite's texture by the picture (RGBA, rows from the top), in a texture of the
// smallest power-of-two size of at least 2 that holds it; rows are stored bottom-up.
void UploadSprite(SpriteImage& s, const uint8_t* rgba, int width, int height);

// Height of the current target in pixels: the off-screen target's picture, else the screen.
int CurrentTargetHeight();

// Screen size in pixels (the logical screen).
int ScreenPixelsWide();
int ScreenPixelsHigh();
