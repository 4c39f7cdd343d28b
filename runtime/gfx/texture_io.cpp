#include "runtime/gfx/texture_io.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <cstddef>
#include <vector>

#include "runtime/gfx/frame_record.h"
#include "runtime/gfx/gl_state.h"
#include "runtime/gfx/pipeline.h"

namespace {

// Rows of 4-byte texels are aligned by themselves; the read-back's RGB rows are packed tight.
void Unpacking() {
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
}

// Binds `name` to write it, and puts the binding the draws left back afterwards: a texture can
// be written while a frame is recorded.
class Writing {
  public:
    explicit Writing(uint32_t name) : was_(PipeBoundTexture()) {
        EndBatch();
        RecTexelsChange(name);
        glBindTexture(GL_TEXTURE_2D, name);
        Unpacking();
    }
    ~Writing() { glBindTexture(GL_TEXTURE_2D, was_); }
    Writing(const Writing&) = delete;
    Writing& operator=(const Writing&) = delete;

  private:
    uint32_t was_;
};
}  // namespace

uint32_t NewTexture(int w, int h, TexelFilter filter, TexelWrap wrap, PixelOrder order,
                    const void* texels) {
    GLuint name = 0;
    glGenTextures(1, &name);
    ForgetTextureParameters(name);
    const Writing writing(name);
    const GLint f = filter == TexelFilter::kLinear ? GL_LINEAR : GL_NEAREST;
    const GLint edge = wrap == TexelWrap::kRepeat ? GL_REPEAT : GL_CLAMP_TO_EDGE;
    // Without mipmaps the default filter leaves the texture incomplete, and copies into an
    // incomplete texture are refused: the filter is always set.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, f);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, f);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, edge);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, edge);
    PipeTexImage(w, h, order == PixelOrder::kBgra, texels);
    return name;
}

void WriteTexture(uint32_t name, int w, int h, PixelOrder order, const void* texels) {
    const Writing writing(name);
    PipeTexImage(w, h, order == PixelOrder::kBgra, texels);
}

void CopyIntoTexture(uint32_t name, int tx, int ty, int x, int y, int w, int h) {
    if (w <= 0 || h <= 0) return;
    // Read back and written, not copied inside OpenGL: OpenGL ES (and WebGL) refuse to copy the
    // logical screen's RGB pixels into an RGBA texture. The pixels are the same (alpha 1).
    static std::vector<uint8_t> pixels;
    pixels.resize(static_cast<size_t>(w) * h * 4);
    ReadPixels(x, y, w, h, PixelOrder::kRgba, pixels.data());
    const Writing writing(name);
    glTexSubImage2D(GL_TEXTURE_2D, 0, tx, ty, w, h, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
}

void ReadPixels(int x, int y, int w, int h, PixelOrder order, void* out, int row_length) {
    FlushBatch();
    PipeReadPixels(x, y, w, h, order == PixelOrder::kBgra, order == PixelOrder::kRgb, out,
                   row_length);
}
