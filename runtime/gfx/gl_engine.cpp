// The graphics engine object: the sprite table, background slots and off-screen targets.
#include "runtime/gfx/gl_engine.h"

#include <GL/gl.h>

#include "runtime/gfx/gl_state.h"
#include "runtime/platform/gl_ext.h"

namespace {
std::unique_ptr<OpenGLDirezaze> g_engine;
bool g_fbo_allowed = true;
}  // namespace

OpenGLDirezaze::OpenGLDirezaze() : sprites(kSpriteCount) {}

OpenGLDirezaze::~OpenGLDirezaze() {
    for (auto& s : sprites) FreeSprite(s);
    for (auto& slot : backgrounds)
        for (auto& t : slot.texture) DeleteTextureName(t);
    const GlExt& gl = Gl();
    for (auto& t : targets) {
        if (!gl.framebuffer_objects) break;
        if (t.framebuffer) gl.DeleteFramebuffers(1, &t.framebuffer);
        if (t.depth_renderbuffer) gl.DeleteRenderbuffers(1, &t.depth_renderbuffer);
    }
}

OpenGLDirezaze* Gfx() {
    return g_engine.get();
}
void GfxCreate() {
    ForgetGlState();
    if (!g_engine) g_engine = std::make_unique<OpenGLDirezaze>();
}
void GfxDestroy() {
    g_engine.reset();
}
void GfxAllowFramebufferObjects(bool allowed) {
    g_fbo_allowed = allowed;
}
bool GfxFramebufferObjectsAllowed() {
    return g_fbo_allowed && Gl().framebuffer_objects;
}

void FreeSprite(SpriteImage& s) {
    DeleteTextureName(s.texture);
    DeleteTextureName(s.texture2);
    s = SpriteImage{};
}
