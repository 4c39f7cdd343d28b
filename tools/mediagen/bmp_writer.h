// 24-bit uncompressed BMP files, the form the game's sheet loader reads first.
#pragma once

#include <string>

#include "canvas.h"

namespace mediagen {

std::string EncodeBmp(const Canvas& c);
bool WriteBmp(const std::string& path, const Canvas& c);

}  // namespace mediagen
