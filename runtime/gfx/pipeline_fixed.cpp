// The drawing pipeline on OpenGL 1.x's fixed functions: each call is the OpenGL call it is
// named after.
#include <GL/gl.h>
#include <GL/glext.h>

#include <cstddef>
#include <vector>

#include "runtime/gfx/pipeline.h"
#include "runtime/platform/gl_ext.h"

bool PipeStart(const char** error) {
    if (error) *error = nullptr;
    return true;
}
void PipeStop() {}

void PipeEnable(uint32_t cap) {
    glEnable(cap);
}
void PipeDisable(uint32_t cap) {
    glDisable(cap);
}
bool PipeEnabled(uint32_t cap) {
    return glIsEnabled(cap) == GL_TRUE;
}
void PipeBindTexture(uint32_t name) {
    glBindTexture(GL_TEXTURE_2D, name);
}
void PipeTexParameter(uint32_t parameter, int value) {
    glTexParameteri(GL_TEXTURE_2D, parameter, value);
}
void PipeFrontFace(uint32_t mode) {
    glFrontFace(mode);
}
void PipeCullFace(uint32_t mode) {
    glCullFace(mode);
}
void PipeBlendFunc(uint32_t source, uint32_t destination) {
    glBlendFunc(source, destination);
}
void PipeColour(float r, float g, float b, float a) {
    glColor4f(r, g, b, a);
}
void PipeColourBytes(uint8_t r, uint8_t g, uint8_t b, uint8_t a) {
    glColor4ub(r, g, b, a);
}
void PipeCurrentColour(float (&rgba)[4]) {
    glGetFloatv(GL_CURRENT_COLOR, rgba);
}
void PipeAlphaFunc(uint32_t function, float reference) {
    glAlphaFunc(function, reference);
}
void PipeShadeModel(uint32_t mode) {
    glShadeModel(mode);
}
void PipeHint(uint32_t target, uint32_t mode) {
    glHint(target, mode);
}
void PipeViewport(int x, int y, int width, int height) {
    glViewport(x, y, width, height);
}
void PipeScissor(int x, int y, int width, int height) {
    glScissor(x, y, width, height);
}
void PipeClearColour(float r, float g, float b, float a) {
    glClearColor(r, g, b, a);
}
void PipeClear(uint32_t mask) {
    glClear(mask);
}

void PipeMatrixMode(uint32_t mode) {
    glMatrixMode(mode);
}
void PipePushMatrix() {
    glPushMatrix();
}
void PipePopMatrix() {
    glPopMatrix();
}
void PipeLoadIdentity() {
    glLoadIdentity();
}
void PipeLoadMatrix(const double* m) {
    glLoadMatrixd(m);
}
void PipeOrtho(double left, double right, double bottom, double top, double near_, double far_) {
    glOrtho(left, right, bottom, top, near_, far_);
}
void PipeTranslate(float x, float y, float z) {
    glTranslatef(x, y, z);
}
void PipeRotate(float angle, float x, float y, float z) {
    glRotatef(angle, x, y, z);
}

void PipeSaveState() {
    glPushAttrib(GL_ALL_ATTRIB_BITS);
}
void PipeRestoreState() {
    glPopAttrib();
}

void PipeDrawQuads(const float* xyuv, int quads, bool fans) {
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glVertexPointer(2, GL_FLOAT, 4 * sizeof(float), xyuv);
    glTexCoordPointer(2, GL_FLOAT, 4 * sizeof(float), xyuv + 2);
    if (!fans) {
        glDrawArrays(GL_QUADS, 0, quads * 4);
    } else if (quads == 1 || !Gl().MultiDrawArrays) {
        for (int i = 0; i < quads; ++i) glDrawArrays(GL_TRIANGLE_FAN, i * 4, 4);
    } else {
        std::vector<GLint> firsts(static_cast<std::size_t>(quads));
        std::vector<GLsizei> counts(static_cast<std::size_t>(quads), 4);
        for (int i = 0; i < quads; ++i) firsts[static_cast<std::size_t>(i)] = i * 4;
        Gl().MultiDrawArrays(GL_TRIANGLE_FAN, firsts.data(), counts.data(), quads);
    }
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
}

void PipeDrawFlat(uint32_t mode, const float* xy, int vertices) {
    glBegin(mode);
    for (int i = 0; i < vertices; ++i)
        glVertex2i(static_cast<GLint>(xy[i * 2]), static_cast<GLint>(xy[i * 2 + 1]));
    glEnd();
}

void PipeTexImage(int w, int h, bool bgra, const void* texels) {
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, w, h, 0, bgra ? GL_BGRA : GL_RGBA, GL_UNSIGNED_BYTE,
                 texels);
}

void PipeReadPixels(int x, int y, int w, int h, bool bgra, bool rgb, void* out, int row_length) {
    glPixelStorei(GL_PACK_ALIGNMENT, rgb ? 1 : 4);
    glPixelStorei(GL_PACK_ROW_LENGTH, row_length);
    glReadPixels(x, y, w, h, rgb ? GL_RGB : bgra ? GL_BGRA : GL_RGBA, GL_UNSIGNED_BYTE, out);
    glPixelStorei(GL_PACK_ROW_LENGTH, 0);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
}

int PipeAlphaBits() {
    GLint bits = 0;
    glGetIntegerv(GL_ALPHA_BITS, &bits);
    return bits;
}
