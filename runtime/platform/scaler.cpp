#include "runtime/platform/scaler.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

PresentRect PlatformPresentRect(int window_w, int window_h, int logical_w, int logical_h) {
    if (logical_w <= 0 || logical_h <= 0 || window_w <= 0 || window_h <= 0) return {0, 0, 0, 0};
    int factor = std::min(window_w / logical_w, window_h / logical_h);
    int w, h;
    if (factor >= 1) {
        w = logical_w * factor;
        h = logical_h * factor;
    } else {
        // A window smaller than the logical screen: shrink it, keeping the proportions.
        double s = std::min(double(window_w) / logical_w, double(window_h) / logical_h);
        w = std::max(1, int(logical_w * s));
        h = std::max(1, int(logical_h * s));
    }
    return {(window_w - w) / 2, (window_h - h) / 2, w, h};
}

PresentRect ScaleWholeFactor(const uint32_t* picture, int width, int height,
                             const PresentRect& part, int factor, uint8_t* pixels, int pitch,
                             int origin_x, int origin_y) {
    const size_t row_bytes = static_cast<size_t>(part.width) * factor * 4;
    // OpenGL's rows run bottom up; each texel becomes factor x factor pixels.
    for (int gy = part.y; gy < part.y + part.height; ++gy) {
        const int y = height - 1 - gy;
        const uint32_t* src = picture + static_cast<size_t>(gy) * width + part.x;
        uint8_t* first = pixels + static_cast<size_t>(origin_y + y * factor) * pitch +
                         static_cast<size_t>(origin_x + part.x * factor) * 4;
        auto* dst = reinterpret_cast<uint32_t*>(first);
        for (int x = 0; x < part.width; ++x) {
            const uint32_t c = src[x] | 0xff000000u;
            for (int k = 0; k < factor; ++k) *dst++ = c;
        }
        for (int k = 1; k < factor; ++k)
            std::memcpy(first + static_cast<size_t>(k) * pitch, first, row_bytes);
    }
    return {origin_x + part.x * factor, origin_y + (height - part.y - part.height) * factor,
            part.width * factor, part.height * factor};
}
