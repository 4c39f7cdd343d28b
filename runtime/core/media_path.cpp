#include "runtime/core/media_path.h"

#include <sys/stat.h>

// Until the runtime's media lookup is in, a name is a path relative to the current folder.
std::string ResolveMediaPath(std::string_view name) {
    if (name.empty()) return "";
    std::string path(name);
    struct stat st {};
    if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return "";
    return path;
}
