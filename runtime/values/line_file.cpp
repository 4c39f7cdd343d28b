#include "runtime/values/line_file.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "runtime/base/errors.h"
#include "runtime/base/log.h"
#include "runtime/platform/browser.h"
#include "runtime/platform/files.h"
#include "runtime/values/media_lookup.h"
#include "runtime/values/save_folder.h"

namespace {
LineFileCache g_cache;

const char kNoData[] = "NO_DATA";
const char kNoFile[] = "NO_FILE";

// Line numbers come from game numbers: truncated; anything outside the int range is refused.
int LineNumber(double n) {
    if (!(n > -2147483648.0 && n < 2147483648.0)) return -1;
    return static_cast<int>(std::trunc(n));
}
}  // namespace

bool LineSplitter::Feed(const char* bytes, size_t n) {
    for (size_t i = 0; i < n; ++i) {
        const char c = bytes[i];
        const bool completes_crlf = c == '\n' && after_cr_;
        after_cr_ = c == '\r';
        if (completes_crlf) continue;
        if (lines_ >= kLines) {
            dropped_ = true;
            return false;
        }
        if (c == '\n' || c == '\r') {
            EndLine();
            continue;
        }
        in_line_ = true;
        if (current_.size() < kMaxLineLength)
            current_.push_back(c);
        else
            cut_ = true;
    }
    return lines_ < kLines || !dropped_;
}

void LineSplitter::Finish() {
    if (in_line_ && lines_ < kLines) EndLine();
}

void LineSplitter::EndLine() {
    if (cut_) ++cut_lines_;
    slots_[static_cast<size_t>(lines_)] = std::move(current_);
    current_.clear();
    ++lines_;
    in_line_ = false;
    cut_ = false;
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

bool LineFileCache::Write(const std::string& file, int n, const TextValue& text,
                          std::source_location where) {
    if (n < 0 || n >= kLines) {
        SetErrorNumber(kErrorRange, where);
        return false;
    }
    if (!SwitchTo(file, where) && unreadable_ == file) {
        // Its other lines are unknown: writing the cache back would replace them with nothing.
        AppendLog("Line file not written: " + file + " could not be read (" + unreadable_why_ +
                  "); the file is left as it is");
        ++write_failures_;
        return false;
    }
    std::string line = text.str();
    const size_t line_break = line.find_first_of("\r\n");
    if (line_break != std::string::npos) {
        for (size_t i = line_break; i < line.size(); ++i)
            if (line[i] == '\r' || line[i] == '\n') line[i] = ' ';
        AppendLog("Line break written as a space: " + file + " line " + std::to_string(n));
    }
    if (line.size() > kMaxLineLength) {
        line.resize(kMaxLineLength);
        AppendLog("Line cut to " + std::to_string(kMaxLineLength) + " characters: " + file +
                  " line " + std::to_string(n));
    }
    slots_[static_cast<size_t>(n)] = std::move(line);
    if (n > highest_) highest_ = n;
    changed_ = true;
    return true;
}

bool LineFileCache::Flush() {
    if (!name_.empty() && changed_) {
        if (!WriteBack()) {
            ++write_failures_;
            return false;
        }
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
    unreadable_.clear();
    const std::string disk_name = PlatformFileName(file);
    const std::string path = ResolveMediaName(disk_name);
    std::string why;
    if (path.empty()) {
        // Missing is the one case a write may create the file; anything else on disk that
        // cannot be read must not be replaced by the few lines written to it.
        if (PlatformFileMissing(disk_name, &why)) {
            SetErrorNumber(kErrorFile, where);
            return false;
        }
    } else if (Load(path, &why)) {
        return true;
    }
    AppendLog("Line file not read: " + file + " (" + why + ")");
    unreadable_ = file;
    unreadable_why_ = why;
    // Not kept as the cached file: the next access tries to read it again.
    Reset(std::string());
    SetErrorNumber(kErrorFile, where);
    return false;
}

void LineFileCache::Reset(const std::string& file) {
    for (auto& s : slots_) std::string().swap(s);
    highest_ = 0;
    changed_ = false;
    name_ = file;
}

bool LineFileCache::Load(const std::string& path, std::string* why) {
    std::FILE* f = PlatformOpenFile(path, "r");
    if (!f) {
        *why = std::strerror(errno);
        return false;
    }
    LineSplitter splitter(slots_);
    std::vector<char> buffer(64 * 1024);
    bool failed = false;
    for (;;) {
        const size_t n = std::fread(buffer.data(), 1, buffer.size(), f);
        if (n == 0) {
            failed = std::ferror(f) != 0;
            break;
        }
        if (!splitter.Feed(buffer.data(), n)) break;
    }
    if (failed) *why = std::strerror(errno);
    std::fclose(f);
    if (failed) {
        for (auto& s : slots_) std::string().swap(s);
        return false;
    }
    splitter.Finish();
    if (splitter.dropped_lines()) {
        AppendLog("Line file longer than " + std::to_string(kLines) + " lines: " + name_ +
                  " (the lines after are not kept when it is saved)");
    }
    highest_ = splitter.lines() > 0 ? splitter.lines() - 1 : 0;
    if (splitter.cut_lines() > 0) {
        AppendLog("Lines cut to " + std::to_string(kMaxLineLength) + " characters: " + name_ +
                  " (" + std::to_string(splitter.cut_lines()) + ")");
    }
    return true;
}

// The new contents go to a temporary file in the same folder, reach the disk, and only then
// replace the old file: a crash or a full disk never leaves a half-written map or player file.
// With the media attached to the program there may be no media folder on disk, and the
// player's progress still has to be saved: missing folders are made first.
bool LineFileCache::WriteBack() const {
    const std::string path = SavePath(PlatformFileName(name_));
    std::string contents;
    for (int i = 0; i <= highest_; ++i) {
        contents += slots_[static_cast<size_t>(i)];
        contents += "\r\n";
    }
    PlatformMakeFoldersFor(path);
    std::string error;
    if (PlatformReplaceFile(path, contents, &error)) {
        PlatformSavesChanged();
        return true;
    }
    AppendLog("Line file not written: " + name_ + " (" + error + ")");
    return false;
}

LineFileCache& LineFiles() {
    return g_cache;
}

TextValue ReadFileLine(const TextValue& file, double n, std::source_location where) {
    return g_cache.Read(file.str(), LineNumber(n), where);
}

void WriteFileLine(const TextValue& file, double n, const TextValue& text,
                   std::source_location where) {
    (void)g_cache.Write(file.str(), LineNumber(n), text, where);
}

void FlushLineFile() {
    g_cache.Flush();
}

int RemoveStaleSaveTemporaries(const std::string& folder, const std::string& prefix) {
    constexpr double kInUseSeconds = 60;
    int removed = 0;
    for (const std::string& name : PlatformFilesIn(folder)) {
        std::string target;
        if (!PlatformIsReplaceTemporary(name, &target) || target.rfind(prefix, 0) != 0) continue;
        const std::string path = folder + name;
        if (PlatformFileAgeSeconds(path) < kInUseSeconds) continue;
        if (PlatformDeleteFile(path)) {
            AppendLog("Unfinished save removed: " + path);
            ++removed;
        }
    }
    return removed;
}
