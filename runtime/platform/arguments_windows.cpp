#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include "runtime/platform/arguments.h"
#include "runtime/platform/files.h"

std::vector<std::string> PlatformArguments(int argc, char** argv) {
    int n = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &n);
    if (!wide) return std::vector<std::string>(argv, argv + argc);
    std::vector<std::string> out;
    for (int i = 0; i < n; ++i) out.push_back(PlatformPathText(std::filesystem::path(wide[i])));
    LocalFree(wide);
    return out;
}
