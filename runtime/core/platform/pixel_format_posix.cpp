#include "runtime/core/platform/pixel_format.h"

bool PlatformGenericPixelFormat() {
    return false;
}
