// Writing the generator's output files, folders created on the way.
#pragma once

#include <string>
#include <vector>

namespace mediagen {

// Little-endian fields of the BMP and WAV headers.
inline void Put16(std::string& s, unsigned v) {
    s += char(v & 0xFF);
    s += char((v >> 8) & 0xFF);
}
inline void Put32(std::string& s, unsigned v) {
    Put16(s, v & 0xFFFF);
    Put16(s, v >> 16);
}

bool WriteFileBytes(const std::string& path, const std::string& bytes);
// A game text file: every line ended by CR LF, as the game itself writes them.
bool WriteTextLines(const std::string& path, const std::vector<std::string>& lines);

}  // namespace mediagen
