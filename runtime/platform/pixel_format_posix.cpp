#include "runtime/platform/pixel_format.h"

bool PlatformGenericPixelFormat() {
    return false;
}
