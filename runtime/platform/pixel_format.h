// The window's pixel format, as far as the system tells it.
#pragma once

// True when the current OpenGL context draws through the system's generic, unaccelerated
// pixel format (Windows' own software OpenGL). Always false on other systems.
bool PlatformGenericPixelFormat();
