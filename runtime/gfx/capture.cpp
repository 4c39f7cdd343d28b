// Cutting sprites out of the current target, and the off-screen targets built on that.
#include <GL/gl.h>

#include <string>
#include <vector>

#include "runtime/base/log.h"
#include "runtime/gfx/draw2d.h"
#include "runtime/gfx/frame_record.h"
#include "runtime/gfx/gl_draw.h"
#include "runtime/gfx/pipeline.h"
#include "runtime/gfx/screen.h"
#include "runtime/gfx/sprite_atlas.h"
#include "runtime/gfx/texture_io.h"
#include "runtime/platform/gl_ext.h"
#include "runtime/platform/window.h"

namespace {
struct Rgb {
    GLubyte r, g, b;
};

// Draws one opaque pixel at (x, y) of the current target and leaves the drawing state as found.
void PutPixel(int x, int y, Rgb c) {
    const bool blend = PipeEnabled(GL_BLEND);
    float colour[4];
    PipeCurrentColour(colour);
    PipeDisable(GL_BLEND);
    PipeDisable(GL_TEXTURE_2D);
    PipeDisable(GL_ALPHA_TEST);
    PipeMatrixMode(GL_PROJECTION);
    PipePushMatrix();
    PipeTranslate(0.375f, 0.375f, 0);
    PipeMatrixMode(GL_MODELVIEW);
    PipeColourBytes(c.r, c.g, c.b, 255);
    const float point[2] = {float(x), float(y)};
    PipeDrawFlat(GL_POINTS, point, 1);
    PipeMatrixMode(GL_PROJECTION);
    PipePopMatrix();
    PipeMatrixMode(GL_MODELVIEW);
    PipeEnable(GL_ALPHA_TEST);
    if (blend) PipeEnable(GL_BLEND);
    PipeColour(colour[0], colour[1], colour[2], colour[3]);
}

Rgb ReadPixel(int x, int y) {
    GLubyte p[4] = {};
    ReadPixels(x, CurrentTargetHeight() - 1 - y, 1, 1, PixelOrder::kRgb, p);
    return {p[0], p[1], p[2]};
}

// The key colour as the target stores it: drawn at (4, 4), read back, the old pixel put back.
Rgb KeyAsStored(int key) {
    const Rgb wanted{GLubyte(key & 0xFF), GLubyte((key >> 8) & 0xFF), GLubyte((key >> 16) & 0xFF)};
    if (key == 0) return wanted;
    const Rgb old = ReadPixel(4, 4);
    PutPixel(4, 4, wanted);
    const Rgb stored = ReadPixel(4, 4);
    PutPixel(4, 4, old);
    return stored;
}
}  // namespace

void CaptureSprite(int n, int x, int y, int w, int h) {
    OpenGLDirezaze* g = Gfx();
    if (!g) return;
    SpriteImage& s = SpriteAt(n);
    // On the screen, the same capture of the same drawing as in the frame before is left out:
    // the sprite holds it already.
    EndBatch();
    if (g->active_target < 0 && FrameRecordCaptureUnchanged(n, x, y, w, h, g->key_colour)) return;
    // Reads the target: the held quads go first.
    FlushBatch();
    const int tw = PowerOfTwoAtLeast(w, 32), th = PowerOfTwoAtLeast(h, 32);
    if (tw > MaxTextureSize() || th > MaxTextureSize()) {
        AppendLog("CaptureSprite: " + std::to_string(w) + " x " + std::to_string(h) +
                  " is larger than a texture can be");
        return;
    }
    if (!s.texture || s.texture_width != tw || s.texture_height != th) {
        FreeSprite(s);
        s.texture = NewTexture(tw, th, TexelFilter::kLinear, TexelWrap::kRepeat, PixelOrder::kRgba,
                               nullptr);
    }
    if (g->screen_alpha_bits < 0) {
        // Learnt from the logical screen, whatever target is being drawn on now.
        const bool on_target =
            g->active_target >= 0 && g->targets[g->active_target].renderbuffer_width != 0;
        if (on_target) BindLogicalScreen();
        g->screen_alpha_bits = PipeAlphaBits();
        if (on_target)
            Gl().BindFramebuffer(GL_FRAMEBUFFER, g->targets[g->active_target].framebuffer);
    }
    const int window_y = CurrentTargetHeight() - y - h;
    if (g->screen_alpha_bits > 0) {
        CopyIntoTexture(s.texture, 0, 0, x, window_y, w, h);
    } else {
        const Rgb key = KeyAsStored(g->key_colour);
        ForgetGlState();  // the key's test pixel was drawn directly
        const size_t bytes = static_cast<size_t>(tw) * th * 4;
        if (g->capture_scratch.size() < bytes) g->capture_scratch.resize(bytes);
        uint8_t* p = g->capture_scratch.data();
        // Red first: the order every OpenGL reads and writes without converting.
        ReadPixels(x, window_y, tw, th, PixelOrder::kRgba, p);
        for (size_t i = 0; i < bytes; i += 4) {
            if (p[i] == key.r && p[i + 1] == key.g && p[i + 2] == key.b) p[i + 3] = 0;
        }
        WriteTexture(s.texture, tw, th, PixelOrder::kRgba, p);
    }
    UseTexture(0);
    ForgetGlState();
    s.texture_width = static_cast<int16_t>(tw);
    s.texture_height = static_cast<int16_t>(th);
    s.image_width = static_cast<int16_t>(w);
    s.image_height = static_cast<int16_t>(h);
    AtlasStore(s);
    FrameRecordCaptureMade();
}

void CreateOffscreen(int target, int n, int w, int h) {
    OpenGLDirezaze* g = Gfx();
    if (!g || target < 0 || target >= OpenGLDirezaze::kTargets) return;
    const int tw = PowerOfTwoAtLeast(w, 2), th = PowerOfTwoAtLeast(h, 2);
    if (tw > MaxTextureSize() || th > MaxTextureSize()) {
        AppendLog("CreateOffscreen: " + std::to_string(w) + " x " + std::to_string(h) +
                  " is larger than a texture can be");
        return;
    }
    FlushBatch();
    SpriteImage& s = SpriteAt(n);
    FreeSprite(s);
    std::vector<uint8_t> zero(static_cast<size_t>(tw) * th * 4, 0);
    s.texture = NewTexture(tw, th, TexelFilter::kLinear, TexelWrap::kRepeat, PixelOrder::kRgba,
                           zero.data());
    UseTexture(0);
    ForgetGlState();
    s.target = true;
    s.texture_width = static_cast<int16_t>(tw);
    s.texture_height = static_cast<int16_t>(th);
    s.image_width = static_cast<int16_t>(w);
    s.image_height = static_cast<int16_t>(h);

    OffscreenTarget& t = g->targets[target];
    const GlExt& gl = Gl();
    if (gl.framebuffer_objects) {
        if (t.framebuffer) gl.DeleteFramebuffers(1, &t.framebuffer);
        if (t.depth_renderbuffer) gl.DeleteRenderbuffers(1, &t.depth_renderbuffer);
    }
    t = OffscreenTarget{};
    t.sprite = static_cast<uint16_t>(n);
    if (!GfxFramebufferObjectsAllowed()) return;
    gl.GenFramebuffers(1, &t.framebuffer);
    gl.GenRenderbuffers(1, &t.depth_renderbuffer);
    gl.BindRenderbuffer(GL_RENDERBUFFER, t.depth_renderbuffer);
    gl.RenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, tw, th);
    gl.BindRenderbuffer(GL_RENDERBUFFER, 0);
    gl.BindFramebuffer(GL_FRAMEBUFFER, t.framebuffer);
    gl.FramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, s.texture, 0);
    gl.FramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER,
                               t.depth_renderbuffer);
    const bool complete = gl.CheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    // Back to whatever was being drawn on.
    if (g->active_target >= 0 && g->targets[g->active_target].renderbuffer_width != 0)
        gl.BindFramebuffer(GL_FRAMEBUFFER, g->targets[g->active_target].framebuffer);
    else
        BindLogicalScreen();
    if (complete) {
        t.renderbuffer_width = tw;
        t.renderbuffer_height = th;
    } else {
        gl.DeleteFramebuffers(1, &t.framebuffer);
        gl.DeleteRenderbuffers(1, &t.depth_renderbuffer);
        t.framebuffer = t.depth_renderbuffer = 0;
    }
}

void LeaveTarget() {
    OpenGLDirezaze* g = Gfx();
    if (!g || g->active_target < 0) return;
    FlushBatch();
    const OffscreenTarget& t = g->targets[g->active_target];
    g->active_target = -1;
    if (t.renderbuffer_width != 0) {
        BindLogicalScreen();
        Gl().BindRenderbuffer(GL_RENDERBUFFER, 0);
    } else {
        // The target was drawn on the screen's top-left corner: keep it, put the screen back.
        const SpriteImage& s = SpriteAt(t.sprite);
        CaptureSprite(t.sprite, 0, 0, s.image_width, s.image_height);
        FillBox(0, 0, s.texture_width, s.texture_height, 0);
        DrawSprite(OpenGLDirezaze::kScratchSprite, 0, 0);
    }
}

void SelectTarget(int target) {
    OpenGLDirezaze* g = Gfx();
    if (!g || target >= OpenGLDirezaze::kTargets) return;
    // From the screen back to the screen the frame's recording goes on.
    if (target >= 0 || g->active_target >= 0)
        FlushBatch();
    else
        EndBatch();
    LeaveTarget();
    ResetViewport();
    if (target < 0) return;
    g->active_target = target;
    const OffscreenTarget& t = g->targets[target];
    const SpriteImage& s = SpriteAt(t.sprite);
    RecTexelsChange(s.texture);  // what is drawn now goes into the target's sprite
    if (t.renderbuffer_width != 0) {
        const GlExt& gl = Gl();
        gl.BindFramebuffer(GL_FRAMEBUFFER, t.framebuffer);
        gl.FramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, s.texture, 0);
        gl.FramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER,
                                   t.depth_renderbuffer);
        ResetViewport(0, 0, s.image_width, s.image_height);
        glViewport(0, 0, s.image_width, s.image_height);
        RecViewportSet(0, 0, s.image_width, s.image_height);
    } else {
        ResetViewport(0, 0, s.image_width, s.image_height);
        CaptureSprite(OpenGLDirezaze::kScratchSprite, 0, 0, s.image_width, s.image_height);
        FillBox(0, 0, s.image_width, s.image_height, g->key_colour);
        DrawSprite(t.sprite, 0, 0);
    }
}
