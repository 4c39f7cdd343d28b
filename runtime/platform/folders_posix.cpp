// The POSIX side of the system folders.
#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "runtime/platform/folders.h"

std::string PlatformProgramPath() {
#ifdef __EMSCRIPTEN__
    // The page puts the shipped set in /zolv/ (app/web/pre.js): that is the program's folder.
    return "/zolv/zolv";
#endif
    std::vector<char> buf(4096);
    const ssize_t n = readlink("/proc/self/exe", buf.data(), buf.size() - 1);
    return n > 0 ? std::string(buf.data(), static_cast<size_t>(n)) : std::string();
}

std::string PlatformProgramFolder() {
    const std::string path = PlatformProgramPath();
    const size_t cut = path.find_last_of('/');
    return cut == std::string::npos ? std::string("./") : path.substr(0, cut + 1);
}

std::string PlatformTempFolder() {
    const char* t = std::getenv("TMPDIR");
    std::string dir = (t && *t) ? t : "/tmp";
    if (dir.back() != '/') dir += '/';
    return dir;
}

std::string PlatformUserDataFolder() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    // Relative values are not valid here and are ignored.
    if (xdg && xdg[0] == '/') {
        std::string dir = xdg;
        if (dir.back() != '/') dir += '/';
        return dir;
    }
    const char* home = std::getenv("HOME");
    if (!home || home[0] != '/') return std::string();
    std::string dir = home;
    if (dir.back() != '/') dir += '/';
    return dir + ".local/share/";
}

bool PlatformSetCurrentFolder(const std::string& folder) {
    return chdir(folder.c_str()) == 0;
}
