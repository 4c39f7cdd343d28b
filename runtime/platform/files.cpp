#include "runtime/platform/files.h"

#include <cctype>
#include <cerrno>
#include <chrono>
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

bool PlatformIsReplaceTemporary(const std::string& file_name, std::string* target) {
    constexpr size_t kRandom = 6;
    if (file_name.size() < kRandom + 3 || file_name[0] != '.') return false;
    const size_t dot = file_name.size() - kRandom - 1;
    if (file_name[dot] != '.') return false;
    for (size_t i = dot + 1; i < file_name.size(); ++i)
        if (!std::isalnum(static_cast<unsigned char>(file_name[i]))) return false;
    *target = file_name.substr(1, dot - 1);
    return !target->empty();
}

std::vector<std::string> PlatformFilesIn(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(PlatformPath(folder), ec), end; !ec && it != end;
         it.increment(ec)) {
        std::error_code type_ec;
        if (it->is_regular_file(type_ec)) names.push_back(PlatformPathText(it->path().filename()));
    }
    return names;
}

double PlatformFileAgeSeconds(const std::string& name) {
    std::error_code ec;
    const auto written = std::filesystem::last_write_time(PlatformPath(name), ec);
    if (ec) return -1;
    const auto age = std::filesystem::file_time_type::clock::now() - written;
    return std::chrono::duration<double>(age).count();
}
