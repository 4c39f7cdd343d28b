#include "scratch_files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include "runtime/base/whole_file.h"

namespace {
std::string ScratchBase() {
#ifdef ZOLV_BINARY_DIR
    std::string base = std::string(ZOLV_BINARY_DIR) + "/scratch";
#else
    std::string base = "/tmp/zolv_scratch";
#endif
    mkdir(base.c_str(), 0755);
    return base;
}
}  // namespace

std::string NamedScratchFolder(const std::string& label) {
    const std::string folder = ScratchBase() + "/" + label;
    mkdir(folder.c_str(), 0755);
    return folder + "/";
}

std::string MakeScratchFolder(const std::string& label) {
    const std::string base = ScratchBase();
    std::string pattern = base + "/" + label + "_XXXXXX";
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    if (!mkdtemp(buf.data())) return "./";
    return std::string(buf.data()) + "/";
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

std::string ReadWholeFile(const std::string& path) {
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(path, bytes)) return {};
    return std::string(bytes.begin(), bytes.end());
}

bool FileExists(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}
