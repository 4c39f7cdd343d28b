// Feeds arbitrary bytes to the BMP reader.
#include <cstddef>
#include <cstdint>
#include <string>

#include "runtime/image/image_decode.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    DecodedImage image;
    std::string why;
    if (DecodeBmp(data, size, image, why)) {
        // A picture that was accepted must be as large as it says.
        if (image.rgba.size() != size_t(image.width) * image.height * 4) __builtin_trap();
    }
    return 0;
}
