// Writing the generator's output files, folders created on the way.
#pragma once

#include <string>
#include <vector>

namespace mediagen {

bool WriteFileBytes(const std::string& path, const std::string& bytes);
// A game text file: every line ended by CR LF, as the game itself writes them.
bool WriteTextLines(const std::string& path, const std::vector<std::string>& lines);

}  // namespace mediagen
