#include "runtime/values/line_file.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "runtime/core/errors.h"
#include "runtime/core/log.h"
#include "runtime/core/platform/files.h"
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
    std::FILE* f = PlatformOpenFile(path, "r");
    if (!f) return false;
    LineSplitter splitter(slots_);
    std::vector<char> buffer(64 * 1024);
    for (;;) {
        const size_t n = std::fread(buffer.data(), 1, buffer.size(), f);
        if (n == 0) break;
        if (!splitter.Feed(buffer.data(), n)) break;
    }
    std::fclose(f);
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
    if (PlatformReplaceFile(path, contents, &error)) return true;
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
    g_cache.Write(file.str(), LineNumber(n), text, where);
}

void FlushLineFile() {
    g_cache.Flush();
}
