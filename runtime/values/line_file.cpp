#include "runtime/values/line_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <vector>

#include "runtime/core/errors.h"
#include "runtime/core/log.h"
#include "runtime/values/media_lookup.h"

namespace {
LineFileCache g_cache;

const char kNoData[] = "NO_DATA";
const char kNoFile[] = "NO_FILE";

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

std::string FolderOf(const std::string& path) {
    const size_t cut = path.find_last_of('/');
    return cut == std::string::npos ? std::string(".") : path.substr(0, cut + 1);
}

// Creates the missing folders of `path` (not the last part). With the media attached to the
// program there may be no media folder on disk, and the player's progress still has to be saved.
void MakeFoldersFor(const std::string& path) {
    for (size_t cut = path.find('/', 1); cut != std::string::npos; cut = path.find('/', cut + 1)) {
        const std::string folder = path.substr(0, cut);
        if (mkdir(folder.c_str(), 0755) != 0 && errno != EEXIST) return;
    }
}

// Line numbers come from game numbers: truncated; anything outside the int range is refused.
int LineNumber(double n) {
    if (!(n > -2147483648.0 && n < 2147483648.0)) return -1;
    return static_cast<int>(std::trunc(n));
}
}  // namespace

bool LineSplitter::Feed(const char* bytes, size_t n) {
    for (size_t i = 0; i < n; ++i) {
        if (lines_ >= kLines) return false;
        const char c = bytes[i];
        if (c == '\n') {
            EndLine();
            continue;
        }
        in_line_ = true;
        // One character past the limit is kept for a moment so that a CR right before the LF
        // is not counted against it.
        if (current_.size() <= kMaxLineLength)
            current_.push_back(c);
        else
            cut_ = true;
    }
    return lines_ < kLines;
}

void LineSplitter::Finish() {
    if (in_line_ && lines_ < kLines) EndLine();
}

void LineSplitter::EndLine() {
    if (!current_.empty() && current_.back() == '\r' && !cut_) current_.pop_back();
    if (current_.size() > kMaxLineLength) {
        current_.resize(kMaxLineLength);
        cut_ = true;
    }
    if (cut_) ++cut_lines_;
    slots_[static_cast<size_t>(lines_)] = std::move(current_);
    current_.clear();
    ++lines_;
    in_line_ = false;
    cut_ = false;
}

std::string PlatformFileName(const std::string& name) {
    std::string path = name;
    for (char& c : path)
        if (c == '\\') c = '/';
    return path;
}

TextValue LineFileCache::Read(const std::string& file, int n, std::source_location where) {
    if (n < 0 || n >= kLines) {
        SetErrorNumber(kErrorRange, where);
        return TextValue(kNoData);
    }
    if (!SwitchTo(file, where)) return TextValue(kNoFile);
    std::string_view line = slots_[static_cast<size_t>(n)];
    // A text ends at its first NUL; the trim works on what the game will see.
    line = line.substr(0, line.find('\0'));
    // Trailing control characters (codes 0 to 31) go; bytes 128 to 255 stay: they are map
    // cells of the higher pieces and accented letters.
    while (!line.empty() && static_cast<unsigned char>(line.back()) <= 31) line.remove_suffix(1);
    if (line.empty()) return TextValue(kNoData);
    return TextValue(line);
}

void LineFileCache::Write(const std::string& file, int n, const TextValue& text,
                          std::source_location where) {
    if (n < 0 || n >= kLines) {
        SetErrorNumber(kErrorRange, where);
        return;
    }
    SwitchTo(file, where);
    std::string line = text.str();
    if (line.size() > kMaxLineLength) {
        line.resize(kMaxLineLength);
        AppendLog("Line cut to " + std::to_string(kMaxLineLength) + " characters: " + file +
                  " line " + std::to_string(n));
    }
    slots_[static_cast<size_t>(n)] = std::move(line);
    if (n > highest_) highest_ = n;
    changed_ = true;
}

bool LineFileCache::Flush() {
    if (!name_.empty() && changed_) {
        if (!WriteBack()) return false;
    }
    Reset(std::string());
    return true;
}

bool LineFileCache::SwitchTo(const std::string& file, std::source_location where) {
    if (file == name_) return true;
    if (!Flush()) {
        // Only one file fits in the cache: the unsaved lines of the old one cannot be kept.
        AppendLog("Line file changes lost: " + name_);
    }
    Reset(file);
    const std::string path = ResolveMediaName(PlatformFileName(file));
    if (path.empty() || !Load(path)) {
        SetErrorNumber(kErrorFile, where);
        return false;
    }
    return true;
}

void LineFileCache::Reset(const std::string& file) {
    for (auto& s : slots_) std::string().swap(s);
    highest_ = 0;
    changed_ = false;
    name_ = file;
}

bool LineFileCache::Load(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    LineSplitter splitter(slots_);
    std::vector<char> buffer(64 * 1024);
    for (;;) {
        const ssize_t n = read(fd, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        if (!splitter.Feed(buffer.data(), static_cast<size_t>(n))) break;
    }
    close(fd);
    splitter.Finish();
    highest_ = splitter.lines() > 0 ? splitter.lines() - 1 : 0;
    if (splitter.cut_lines() > 0) {
        AppendLog("Lines cut to " + std::to_string(kMaxLineLength) + " characters: " + name_ +
                  " (" + std::to_string(splitter.cut_lines()) + ")");
    }
    return true;
}

// The new contents go to a temporary file in the same folder, reach the disk, and only then
// replace the old file: a crash or a full disk never leaves a half-written map or player file.
bool LineFileCache::WriteBack() const {
    const std::string path = PlatformFileName(name_);
    std::string contents;
    for (int i = 0; i <= highest_; ++i) {
        contents += slots_[static_cast<size_t>(i)];
        contents += "\r\n";
    }
    const std::string folder = FolderOf(path);
    const std::string base = folder == "." ? path : path.substr(folder.size());
    const std::string pattern = (folder == "." ? std::string() : folder) + "." + base + ".XXXXXX";
    std::vector<char> temp(pattern.begin(), pattern.end());
    temp.push_back('\0');

    const auto fail = [&](const char* what, int fd) {
        const int err = errno;
        if (fd >= 0) {
            close(fd);
            unlink(temp.data());
        }
        AppendLog("Line file not written: " + name_ + " (" + what + ": " + std::strerror(err) +
                  ")");
        return false;
    };

    MakeFoldersFor(path);
    const int fd = mkstemp(temp.data());
    if (fd < 0) return fail("create", -1);
    struct stat old;
    const mode_t mode = stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    if (fchmod(fd, mode) != 0) return fail("mode", fd);
    if (!WriteAll(fd, contents.data(), contents.size())) return fail("write", fd);
    if (fsync(fd) != 0) return fail("sync", fd);
    if (close(fd) != 0) {
        const int err = errno;
        unlink(temp.data());
        errno = err;
        return fail("close", -1);
    }
    if (rename(temp.data(), path.c_str()) != 0) {
        const int err = errno;
        unlink(temp.data());
        errno = err;
        return fail("rename", -1);
    }
    // The rename itself reaches the disk with the folder.
    const int dir = open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
    return true;
}

LineFileCache& LineFiles() {
    return g_cache;
}

TextValue ReadFileLine(const TextValue& file, double n, std::source_location where) {
    return g_cache.Read(file.str(), LineNumber(n), where);
}

void WriteFileLine(const TextValue& file, double n, const TextValue& text,
                   std::source_location where) {
    g_cache.Write(file.str(), LineNumber(n), text, where);
}

void FlushLineFile() {
    g_cache.Flush();
}
