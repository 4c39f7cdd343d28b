#include "runtime/core/platform/folders.h"

#include <unistd.h>

#include <cstdlib>
#include <vector>

std::string PlatformProgramFolder() {
    std::vector<char> buf(4096);
    ssize_t n = readlink("/proc/self/exe", buf.data(), buf.size() - 1);
    if (n <= 0) return "./";
    std::string path(buf.data(), static_cast<size_t>(n));
    size_t cut = path.find_last_of('/');
    return cut == std::string::npos ? std::string("./") : path.substr(0, cut + 1);
}

std::string PlatformTempFolder() {
    const char* t = std::getenv("TMPDIR");
    std::string dir = (t && *t) ? t : "/tmp";
    if (dir.back() != '/') dir += '/';
    return dir;
}

bool PlatformSetCurrentFolder(const std::string& folder) {
    return chdir(folder.c_str()) == 0;
}
