// OpenGL entry points beyond 1.1 that the runtime uses, loaded from the current context.
#pragma once
#include <GL/gl.h>
#include <GL/glext.h>

struct GlExt {
    bool framebuffer_objects = false;  // all framebuffer entry points below were found
    PFNGLGENFRAMEBUFFERSPROC GenFramebuffers = nullptr;
    PFNGLDELETEFRAMEBUFFERSPROC DeleteFramebuffers = nullptr;
    PFNGLBINDFRAMEBUFFERPROC BindFramebuffer = nullptr;
    PFNGLFRAMEBUFFERTEXTURE2DPROC FramebufferTexture2D = nullptr;
    PFNGLFRAMEBUFFERRENDERBUFFERPROC FramebufferRenderbuffer = nullptr;
    PFNGLCHECKFRAMEBUFFERSTATUSPROC CheckFramebufferStatus = nullptr;
    PFNGLGENRENDERBUFFERSPROC GenRenderbuffers = nullptr;
    PFNGLDELETERENDERBUFFERSPROC DeleteRenderbuffers = nullptr;
    PFNGLBINDRENDERBUFFERPROC BindRenderbuffer = nullptr;
    PFNGLRENDERBUFFERSTORAGEPROC RenderbufferStorage = nullptr;
    PFNGLBLITFRAMEBUFFERPROC BlitFramebuffer = nullptr;
    PFNGLCOPYIMAGESUBDATAPROC CopyImageSubData = nullptr;  // may be missing: no sprite atlas then
    PFNGLMULTIDRAWARRAYSPROC MultiDrawArrays = nullptr;    // may be missing: one draw per fan then
    // Occlusion queries (may be missing: the drawing check then looks at the state only).
    PFNGLGENQUERIESPROC GenQueries = nullptr;
    PFNGLDELETEQUERIESPROC DeleteQueries = nullptr;
    PFNGLBEGINQUERYPROC BeginQuery = nullptr;
    PFNGLENDQUERYPROC EndQuery = nullptr;
    PFNGLGETQUERYOBJECTUIVPROC GetQueryObjectuiv = nullptr;
};

// The entry points of the current context (loaded when the window opens).
const GlExt& Gl();
