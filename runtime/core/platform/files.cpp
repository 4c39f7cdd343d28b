#include "runtime/core/platform/files.h"

#include <cerrno>
#include <cstring>
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

bool PlatformFileMissing(const std::string& name, std::string* why) {
    std::error_code ec;
    const std::filesystem::file_status st = std::filesystem::status(PlatformPath(name), ec);
    if (st.type() == std::filesystem::file_type::not_found) return true;
    if (ec) {
        *why = ec.message();
    } else if (st.type() == std::filesystem::file_type::directory) {
        *why = "a folder";
    } else {
        std::FILE* f = PlatformOpenFile(name, "r");
        *why = f ? "not a regular file" : std::strerror(errno);
        if (f) std::fclose(f);
    }
    return false;
}

void PlatformMakeFoldersFor(const std::string& name) {
    const std::filesystem::path folder = PlatformPath(name).parent_path();
    if (folder.empty()) return;
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
}
