// The Windows side of the system folders. Names come from the wide-character functions and
// are handed on as UTF-8.
#include <windows.h>

#include <cstdlib>
#include <vector>

#include "runtime/platform/files.h"
#include "runtime/platform/folders.h"

std::string PlatformProgramPath() {
    std::vector<wchar_t> buf(MAX_PATH);
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
        if (n == 0) return std::string();
        if (n < buf.size())
            return PlatformPathText(std::filesystem::path(std::wstring(buf.data(), n)));
        if (buf.size() >= 32768) return std::string();
        buf.resize(buf.size() * 2);
    }
}

std::string PlatformProgramFolder() {
    const std::string path = PlatformProgramPath();
    const size_t cut = path.find_last_of("\\/");
    return cut == std::string::npos ? std::string(".\\") : path.substr(0, cut + 1);
}

// The folder GetTempPathW names (TMP, else TEMP, else USERPROFILE, else the Windows folder),
// with every '/' turned into '\'.
std::string PlatformTempFolder() {
    wchar_t buf[MAX_PATH + 2];
    const DWORD n = GetTempPathW(MAX_PATH + 1, buf);
    std::string dir = n > 0 && n <= MAX_PATH + 1
                          ? PlatformPathText(std::filesystem::path(std::wstring(buf, n)))
                          : std::string(".\\");
    for (char& c : dir)
        if (c == '/') c = '\\';
    if (dir.back() != '\\') dir += '\\';
    return dir;
}

std::string PlatformUserDataFolder() {
    const wchar_t* appdata = _wgetenv(L"APPDATA");
    if (!appdata || !*appdata) return std::string();
    std::string dir = PlatformPathText(std::filesystem::path(appdata));
    for (char& c : dir)
        if (c == '/') c = '\\';
    if (dir.back() != '\\') dir += '\\';
    return dir;
}

bool PlatformSetCurrentFolder(const std::string& folder) {
    return SetCurrentDirectoryW(PlatformPath(folder).c_str()) != 0;
}
