#include "runtime/core/draw2d.h"

#include <GL/gl.h>

#include "runtime/core/platform/window.h"

void ClearFrame() { glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT); }

void ResetViewport() { glViewport(0, 0, PlatformLogicalWidth(), PlatformLogicalHeight()); }

void DrawBackground() {}
