#include "runtime/gfx/screen.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <string>

#include "runtime/base/log.h"
#include "runtime/gfx/frame_record.h"
#include "runtime/gfx/gl_state.h"
#include "runtime/gfx/pipeline.h"
#include "runtime/gfx/texture_io.h"
#include "runtime/platform/gl_ext.h"
#include "runtime/platform/window.h"

namespace {
// The logical screen is one of two framebuffers of the same size, drawn in turn: presenting
// shows the one just drawn and hands the other over for the next frame (which starts by
// clearing it). The one shown stays untouched until the next present, so the window can be
// redrawn from it when it is resized or uncovered while the game waits for a key and presents
// nothing; nothing is copied to keep it. Where the processor presents, only the first is used:
// it keeps the presented frame (the next is drawn over it), and a copy of it stays in memory
// for redrawing the window, so that a present may show only the parts that changed.
struct LogicalScreen {
    GLuint fbo[2] = {0, 0};
    GLuint colour[2] = {0, 0};
    GLuint depth = 0;  // shared: each frame clears it
    int drawn = 0;     // the framebuffer the game draws on; the other was shown last
    int width = 0;
    int height = 0;
} g_screen;
std::vector<uint32_t> g_mirror;  // the presented frame, bottom row first

bool MirrorWhole() {
    return g_mirror.size() == static_cast<size_t>(g_screen.width) * g_screen.height;
}

// Reads the rectangles of the logical screen into the mirror.
void ReadIntoMirror(const PresentRect* rects, int count) {
    GLint read_fb = 0;
    glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &read_fb);
    Gl().BindFramebuffer(GL_READ_FRAMEBUFFER, g_screen.fbo[g_screen.drawn]);
    for (int i = 0; i < count; ++i) {
        const PresentRect& r = rects[i];
        ReadPixels(r.x, r.y, r.width, r.height, PixelOrder::kBgra,
                   g_mirror.data() + static_cast<size_t>(r.y) * g_screen.width + r.x,
                   g_screen.width);
    }
    Gl().BindFramebuffer(GL_READ_FRAMEBUFFER, static_cast<GLuint>(read_fb));
}

bool ShowMirror(const PresentRect* rects, int count) {
    return PlatformShowPicture(g_mirror, g_screen.width, g_screen.height, rects, count);
}

// Back on the logical screen, the viewport on all of it.
void DrawOnTheScreenAgain() {
    BindLogicalScreen();
    glViewport(0, 0, g_screen.width, g_screen.height);
    RecViewportSet(0, 0, g_screen.width, g_screen.height);
}
}  // namespace

bool CreateLogicalScreen(int width, int height) {
    DestroyLogicalScreen();
    const GlExt& gl = Gl();
    if (!gl.framebuffer_objects) return false;
    gl.GenRenderbuffers(1, &g_screen.depth);
    gl.BindRenderbuffer(GL_RENDERBUFFER, g_screen.depth);
    gl.RenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, width, height);
    gl.GenRenderbuffers(2, g_screen.colour);
    gl.GenFramebuffers(2, g_screen.fbo);
    // The second is made first, so the first is left bound; both start black.
    for (int i = 1; i >= 0; --i) {
        gl.BindRenderbuffer(GL_RENDERBUFFER, g_screen.colour[i]);
        gl.RenderbufferStorage(GL_RENDERBUFFER, GL_RGB8, width, height);
        gl.BindFramebuffer(GL_FRAMEBUFFER, g_screen.fbo[i]);
        gl.FramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER,
                                   g_screen.colour[i]);
        gl.FramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER,
                                   g_screen.depth);
        if (gl.CheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) return false;
        glViewport(0, 0, width, height);
        RecViewportSet(0, 0, width, height);
        glClearColor(0, 0, 0, 0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    }
    const char* error = nullptr;
    if (!PipeStart(&error)) {
        AppendLog(std::string("CreateLogicalScreen: ") + error);
        return false;
    }
    g_screen.drawn = 0;
    g_screen.width = width;
    g_screen.height = height;
    PlatformSetLogicalSize(width, height);
    return true;
}

void DestroyLogicalScreen() {
    PipeStop();
    g_mirror.clear();
    if (!g_screen.fbo[0]) return;
    const GlExt& gl = Gl();
    gl.DeleteFramebuffers(2, g_screen.fbo);
    gl.DeleteRenderbuffers(2, g_screen.colour);
    gl.DeleteRenderbuffers(1, &g_screen.depth);
    g_screen = LogicalScreen{};
}

bool ResizeLogicalScreen(int width, int height) {
    if (!PlatformWindowIsOpen() || width <= 0 || height <= 0) return false;
    if (width == g_screen.width && height == g_screen.height) return true;
    return CreateLogicalScreen(width, height);
}

void BindLogicalScreen() {
    if (g_screen.fbo[0]) Gl().BindFramebuffer(GL_FRAMEBUFFER, g_screen.fbo[g_screen.drawn]);
}

unsigned LogicalFramebuffer() {
    return g_screen.fbo[g_screen.drawn];
}

void ShowLastFrame() {
    if (!PlatformWindowIsOpen() || !g_screen.fbo[0]) return;
    const bool cpu = PlatformCpuPresent();
    if (cpu) {
        if (!MirrorWhole()) {
            // Nothing presented yet on this screen: what it holds is the picture.
            g_mirror.assign(static_cast<size_t>(g_screen.width) * g_screen.height, 0);
            const PresentRect all{0, 0, g_screen.width, g_screen.height};
            ReadIntoMirror(&all, 1);
        }
        PlatformForgetShownPicture();
        if (ShowMirror(nullptr, 0)) return;
    }
    const GlExt& gl = Gl();
    GLint draw_fb = 0, read_fb = 0, viewport[4] = {};
    GLfloat clear[4] = {};
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &draw_fb);
    glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &read_fb);
    glGetIntegerv(GL_VIEWPORT, viewport);
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
    const GLboolean scissor = glIsEnabled(GL_SCISSOR_TEST);
    if (scissor) glDisable(GL_SCISSOR_TEST);

    int ww = 0, wh = 0;
    PlatformDrawableSize(&ww, &wh);
    const PresentRect r = PlatformPresentRect(ww, wh, g_screen.width, g_screen.height);
    // With the processor's present the one framebuffer holds the frame shown.
    const int shown = cpu ? g_screen.drawn : g_screen.drawn ^ 1;
    gl.BindFramebuffer(GL_READ_FRAMEBUFFER, g_screen.fbo[shown]);
    gl.BindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    // Black borders only where the picture leaves any.
    if (r.x != 0 || r.y != 0 || r.width != ww || r.height != wh) {
        glViewport(0, 0, ww, wh);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    gl.BlitFramebuffer(0, 0, g_screen.width, g_screen.height, r.x, r.y, r.x + r.width,
                       r.y + r.height, GL_COLOR_BUFFER_BIT, GL_NEAREST);
    PlatformSwapWindow();

    if (scissor) glEnable(GL_SCISSOR_TEST);
    glClearColor(clear[0], clear[1], clear[2], clear[3]);
    glViewport(viewport[0], viewport[1], viewport[2], viewport[3]);
    gl.BindFramebuffer(GL_READ_FRAMEBUFFER, static_cast<GLuint>(read_fb));
    gl.BindFramebuffer(GL_DRAW_FRAMEBUFFER, static_cast<GLuint>(draw_fb));
}

const std::vector<uint32_t>& PresentedFrame() {
    return g_mirror;
}

bool PresentsParts() {
    return PlatformWindowIsOpen() && PlatformCpuPresent();
}

void PresentScreenParts(const PresentRect* rects, int count) {
    if (!PlatformWindowIsOpen() || !g_screen.fbo[0]) return;
    if (!PlatformCpuPresent() || !MirrorWhole()) {
        PresentScreen();
        return;
    }
    if (count > 0) {
        ReadIntoMirror(rects, count);
        if (!ShowMirror(rects, count)) ShowLastFrame();
    }
    DrawOnTheScreenAgain();
}

void PresentScreen() {
    if (!PlatformWindowIsOpen() || !g_screen.fbo[0]) return;
    if (PlatformCpuPresent()) {
        g_mirror.resize(static_cast<size_t>(g_screen.width) * g_screen.height);
        const PresentRect all{0, 0, g_screen.width, g_screen.height};
        ReadIntoMirror(&all, 1);
        if (!ShowMirror(nullptr, 0)) ShowLastFrame();
    } else {
        g_screen.drawn ^= 1;
        ShowLastFrame();
    }
    DrawOnTheScreenAgain();
}

void ConfineDrawingToOnePixel() {
    FlushBatch();
    glEnable(GL_SCISSOR_TEST);
    glScissor(0, 0, 1, 1);
}

void FinishUnshownFrame() {
    glFinish();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}
