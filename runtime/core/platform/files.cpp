#include "runtime/core/platform/files.h"

#include <system_error>

std::filesystem::path PlatformPath(const std::string& name) {
    const std::u8string text(reinterpret_cast<const char8_t*>(name.data()), name.size());
    return std::filesystem::path(text);
}

std::string PlatformPathText(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(reinterpret_cast<const char*>(text.data()), text.size());
}

bool PlatformIsReadableFile(const std::string& name) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(PlatformPath(name), ec)) return false;
    std::FILE* f = PlatformOpenFile(name, "r");
    if (!f) return false;
    std::fclose(f);
    return true;
}

void PlatformMakeFoldersFor(const std::string& name) {
    const std::filesystem::path folder = PlatformPath(name).parent_path();
    if (folder.empty()) return;
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
}
