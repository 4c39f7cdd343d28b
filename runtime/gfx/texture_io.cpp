#include "runtime/gfx/texture_io.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include "runtime/gfx/gl_state.h"
#include "runtime/gfx/pipeline.h"

namespace {
uint64_t g_texel_changes = 0;

// Rows of 4-byte texels are aligned by themselves; the read-back's RGB rows are packed tight.
void Unpacking() {
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
}
}  // namespace

uint32_t NewTexture(int w, int h, TexelFilter filter, TexelWrap wrap, PixelOrder order,
                    const void* texels) {
    FlushBatch();
    NoteTexelChange();
    GLuint name = 0;
    glGenTextures(1, &name);
    ForgetTextureParameters(name);
    UseTexture(name);
    const GLint f = filter == TexelFilter::kLinear ? GL_LINEAR : GL_NEAREST;
    const GLint edge = wrap == TexelWrap::kRepeat ? GL_REPEAT : GL_CLAMP_TO_EDGE;
    // Without mipmaps the default filter leaves the texture incomplete, and copies into an
    // incomplete texture are refused: the filter is always set.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, f);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, f);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, edge);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, edge);
    ForgetTextureParameters(name);
    Unpacking();
    PipeTexImage(w, h, order == PixelOrder::kBgra, texels);
    return name;
}

void WriteTexture(uint32_t name, int w, int h, PixelOrder order, const void* texels) {
    FlushBatch();
    NoteTexelChange();
    UseTexture(name);
    Unpacking();
    PipeTexImage(w, h, order == PixelOrder::kBgra, texels);
}

void CopyIntoTexture(uint32_t name, int tx, int ty, int x, int y, int w, int h) {
    FlushBatch();
    NoteTexelChange();
    UseTexture(name);
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, tx, ty, x, y, w, h);
}

void ReadPixels(int x, int y, int w, int h, PixelOrder order, void* out, int row_length) {
    FlushBatch();
    PipeReadPixels(x, y, w, h, order == PixelOrder::kBgra, order == PixelOrder::kRgb, out,
                   row_length);
}

uint64_t TexelChanges() {
    return g_texel_changes;
}

void NoteTexelChange() {
    ++g_texel_changes;
}
