// Feeds arbitrary bytes to the PNG reader.
#include <cstddef>
#include <cstdint>
#include <string>

#include "runtime/image/image_decode.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    DecodedImage image;
    std::string why;
    if (DecodePng(data, size, image, why)) {
        if (image.rgba.size() != size_t(image.width) * image.height * 4) __builtin_trap();
    }
    return 0;
}
