#include "file_out.h"

#include <filesystem>
#include <fstream>

namespace mediagen {

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::error_code ec;
    auto parent = std::filesystem::path(path).parent_path();
    if (!parent.empty()) std::filesystem::create_directories(parent, ec);
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    if (!f) return false;
    f.write(bytes.data(), std::streamsize(bytes.size()));
    return bool(f);
}

bool WriteTextLines(const std::string& path, const std::vector<std::string>& lines) {
    std::string s;
    for (const auto& l : lines) s += l + "\r\n";
    return WriteFileBytes(path, s);
}

}  // namespace mediagen
