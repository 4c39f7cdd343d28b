// The POSIX side of the file layer.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "runtime/platform/files.h"

namespace {
bool WriteAll(int fd, const char* bytes, size_t n) {
    while (n > 0) {
        const ssize_t done = write(fd, bytes, n);
        if (done < 0 && errno == EINTR) continue;
        if (done <= 0) return false;
        bytes += done;
        n -= static_cast<size_t>(done);
    }
    return true;
}

std::string FolderOf(const std::string& name) {
    const size_t cut = name.find_last_of('/');
    return cut == std::string::npos ? std::string() : name.substr(0, cut + 1);
}

std::string Why(const char* step, int err) {
    return std::string(step) + ": " + std::strerror(err);
}
}  // namespace

std::FILE* PlatformOpenFile(const std::string& name, const char* mode) {
    // "e": the descriptor is not inherited by programs started later.
    const std::string m = std::string(mode) + "be";
    return std::fopen(name.c_str(), m.c_str());
}

bool PlatformReadAt(std::FILE* file, int64_t offset, void* out, size_t n) {
    if (fseeko(file, static_cast<off_t>(offset), SEEK_SET) != 0) return false;
    return std::fread(out, 1, n, file) == n;
}

int64_t PlatformFileSize(std::FILE* file) {
    struct stat st;
    if (fstat(fileno(file), &st) != 0) return -1;
    return static_cast<int64_t>(st.st_size);
}

bool PlatformAppendToFile(const std::string& name, std::string_view bytes) {
    const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    const bool ok = WriteAll(fd, bytes.data(), bytes.size());
    return close(fd) == 0 && ok;
}

bool PlatformDeleteFile(const std::string& name) {
    return unlink(name.c_str()) == 0;
}

bool PlatformReplaceFile(const std::string& name, std::string_view bytes, std::string* error) {
    const std::string folder = FolderOf(name);
    const std::string pattern = folder + "." + name.substr(folder.size()) + ".XXXXXX";
    std::vector<char> temp(pattern.begin(), pattern.end());
    temp.push_back('\0');

    const auto fail = [&](const char* step, int fd) {
        const int err = errno;
        if (fd >= 0) close(fd);
        if (fd != -2) unlink(temp.data());
        if (error) *error = Why(step, err);
        return false;
    };

    const int fd = mkstemp(temp.data());
    if (fd < 0) return fail("create", -2);
    struct stat old;
    const mode_t mode = stat(name.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    if (fchmod(fd, mode) != 0) return fail("mode", fd);
    if (!WriteAll(fd, bytes.data(), bytes.size())) return fail("write", fd);
    if (fsync(fd) != 0) return fail("sync", fd);
    if (close(fd) != 0) return fail("close", -1);
    if (rename(temp.data(), name.c_str()) != 0) return fail("rename", -1);
    // The rename itself reaches the disk with the folder.
    const int dir = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
    return true;
}

std::FILE* PlatformCreateTemporaryFile(const std::string& folder, const std::string& prefix,
                                       const std::string& suffix, std::string* name,
                                       std::string* error) {
    const std::string pattern = folder + prefix + "XXXXXX" + suffix;
    std::vector<char> temp(pattern.begin(), pattern.end());
    temp.push_back('\0');
    const int fd = mkostemps(temp.data(), static_cast<int>(suffix.size()), O_CLOEXEC);
    if (fd < 0) {
        if (error) *error = std::strerror(errno);
        return nullptr;
    }
    std::FILE* f = fdopen(fd, "wb");
    if (!f) {
        if (error) *error = std::strerror(errno);
        close(fd);
        unlink(temp.data());
        return nullptr;
    }
    *name = temp.data();
    return f;
}
