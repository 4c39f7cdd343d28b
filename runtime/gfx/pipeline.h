// The drawing state and the draws of the 2D commands (not for game code). The calls are named
// after OpenGL 1.x's fixed functions and take their enums, as the drawing files were first
// written for them; pipeline.cpp carries them out with two small shaders on OpenGL 3.3 core,
// OpenGL ES 3.0 or WebGL 2, with the fixed functions' pixels. Only the frame recorder and the
// texture, capture and screen files call these; everything else draws through draw2d.h.
#pragma once
#include <cstdint>

// Called once the context is current, before the first draw: false (with `error`) when the
// pipeline cannot run on it (a shader that does not compile).
bool PipeStart(const char** error);
// Frees what PipeStart made; before the context goes.
void PipeStop();

// Enables: GL_TEXTURE_2D and GL_ALPHA_TEST (kept by the pipeline), GL_BLEND, GL_CULL_FACE,
// GL_SCISSOR_TEST, GL_DEPTH_TEST, GL_STENCIL_TEST, GL_DITHER and GL_POLYGON_OFFSET_FILL
// (OpenGL's own); the fixed functions' others (fog, lighting, smoothing, texture coordinate
// generation) are ignored, as nothing here draws with them. Flat and smooth shading give the
// same pixels with one colour a draw, so there is no shading model to choose.
void PipeEnable(uint32_t cap);
void PipeDisable(uint32_t cap);
bool PipeEnabled(uint32_t cap);
void PipeBindTexture(uint32_t name);
// The texture PipeBindTexture bound last.
uint32_t PipeBoundTexture();
void PipeTexParameter(uint32_t parameter, int value);
void PipeFrontFace(uint32_t mode);
void PipeCullFace(uint32_t mode);
void PipeBlendFunc(uint32_t source, uint32_t destination);
// The colour draws are modulated by (flat draws are drawn in).
void PipeColour(float r, float g, float b, float a);
void PipeColourBytes(uint8_t r, uint8_t g, uint8_t b, uint8_t a);
void PipeCurrentColour(float (&rgba)[4]);
void PipeAlphaFunc(uint32_t function, float reference);
void PipeViewport(int x, int y, int width, int height);
void PipeScissor(int x, int y, int width, int height);
void PipeClearColour(float r, float g, float b, float a);
void PipeClear(uint32_t mask);

// GL_PROJECTION or GL_MODELVIEW, and the matrix calls on the chosen stack.
void PipeMatrixMode(uint32_t mode);
void PipePushMatrix();
void PipePopMatrix();
void PipeLoadIdentity();
void PipeOrtho(double left, double right, double bottom, double top, double near_, double far_);
void PipeTranslate(float x, float y, float z);
void PipeRotate(float angle, float x, float y, float z);

// `quads` textured quads of 16 floats (x, y, u, v four times); fans draws each quad as its own
// triangle fan, else the list is drawn as quads. Texturing is whatever PipeEnable left.
void PipeDrawQuads(const float* xyuv, int quads, bool fans);
// Untextured GL_POINTS, GL_LINES or GL_QUADS of whole-pixel vertices (x, y pairs).
void PipeDrawFlat(uint32_t mode, const float* xy, int vertices);

// Texels in and pixels out, 4 bytes a texel red or blue first (bgra), or 3 (rgb, read-back
// only, rows packed tight); rows from the bottom. The bound texture is the one written.
void PipeTexImage(int w, int h, bool bgra, const void* texels);
void PipeReadPixels(int x, int y, int w, int h, bool bgra, bool rgb, void* out, int row_length);
// Bits of alpha the framebuffer being drawn into keeps.
int PipeAlphaBits();
