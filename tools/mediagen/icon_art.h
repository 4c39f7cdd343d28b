// The program's icon for desktop menus: Zolv on a disc of ice, as PNG files with transparency
// in the sizes desktop themes look for.
#pragma once

#include <string>
#include <vector>

namespace mediagen {

inline const std::vector<int> kIconSizes = {16, 22, 24, 32, 48, 64, 128, 256};

// The icon at `size` x `size` pixels, encoded as a PNG file (8-bit RGBA).
std::string IconPng(int size);

}  // namespace mediagen
