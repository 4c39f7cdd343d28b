#include <windows.h>

#include "runtime/platform/pixel_format.h"

bool PlatformGenericPixelFormat() {
    const HDC dc = wglGetCurrentDC();
    if (!dc) return false;
    const int format = GetPixelFormat(dc);
    PIXELFORMATDESCRIPTOR pfd{};
    if (format <= 0 || DescribePixelFormat(dc, format, sizeof pfd, &pfd) == 0) return false;
    return (pfd.dwFlags & PFD_GENERIC_FORMAT) != 0 && (pfd.dwFlags & PFD_GENERIC_ACCELERATED) == 0;
}
