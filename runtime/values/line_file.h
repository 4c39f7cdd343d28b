// Text files read and written by line number (0 to 255) through one cache that holds a single
// file. Touching another file writes the cached one back if it changed, then loads the other.
#pragma once
#include <array>
#include <cstddef>
#include <source_location>
#include <string>

#include "runtime/values/text_value.h"

// Splits file bytes into lines as the cache loads them: LF, CR LF and a lone CR (an old
// editor's line end) each end a line, the last line may end without one. Lines past kLines are
// not kept; a line longer than kMaxLineLength keeps its first kMaxLineLength characters.
class LineSplitter {
  public:
    static constexpr int kLines = 256;
    static constexpr size_t kMaxLineLength = 16383;

    explicit LineSplitter(std::array<std::string, kLines>& slots) : slots_(slots) {}
    // Feeds the next piece of the file; false once every slot is filled (the rest is ignored).
    bool Feed(const char* bytes, size_t n);
    // The end of the file: a last line without LF still counts.
    void Finish();
    // Lines loaded so far; the highest line is this minus one.
    int lines() const { return lines_; }
    // Lines that were longer than kMaxLineLength and were cut.
    int cut_lines() const { return cut_lines_; }
    // Whether the file held more than kLines lines (the rest was not read).
    bool dropped_lines() const { return dropped_; }

  private:
    void EndLine();

    std::array<std::string, kLines>& slots_;
    std::string current_;
    bool in_line_ = false;
    bool cut_ = false;
    bool after_cr_ = false;  // the last byte was a CR: an LF now only completes its line end
    bool dropped_ = false;
    int lines_ = 0;
    int cut_lines_ = 0;
};

class LineFileCache {
  public:
    static constexpr int kLines = LineSplitter::kLines;
    static constexpr size_t kMaxLineLength = LineSplitter::kMaxLineLength;

    // Line n of `file`: "NO_DATA" for an empty or missing line (and n outside 0 to 255, error
    // 7), "NO_FILE" when the file cannot be opened on first access (error 3).
    TextValue Read(const std::string& file, int n, std::source_location where);
    // Replaces line n of `file` in the cache; n outside 0 to 255 sets error 7 and changes
    // nothing. The file on disk changes at the next flush. A CR or LF in the text becomes a
    // space (a line break would move every later line of the file). A file that is on disk
    // but could not be read is never written over (its lines are not known): the write is
    // refused with a log line and counted as a failed write. False when nothing was written.
    bool Write(const std::string& file, int n, const TextValue& text, std::source_location where);
    // Writes the cached file back if it changed, then empties the cache. A file that cannot be
    // written stays as it was on disk and stays in the cache, marked changed; returns false.
    bool Flush();
    // Writes refused or failed since start (a write-back that failed, a write to a file that
    // could not be read). A save compares the count before and after to learn whether its
    // lines reached the disk.
    int write_failures() const { return write_failures_; }

    const std::string& name() const { return name_; }
    bool changed() const { return changed_; }
    int highest_line() const { return highest_; }

  private:
    // Makes `file` the cached file; false when it could not be loaded.
    bool SwitchTo(const std::string& file, std::source_location where);
    void Reset(const std::string& file);
    bool Load(const std::string& path, std::string* why);
    bool WriteBack() const;

    std::string name_;
    std::array<std::string, kLines> slots_;
    int highest_ = 0;
    bool changed_ = false;
    // The last file that is on disk but could not be read, and why (for the refusal's log).
    std::string unreadable_;
    std::string unreadable_why_;
    int write_failures_ = 0;
};

// The runtime's one cache.
LineFileCache& LineFiles();

TextValue ReadFileLine(const TextValue& file, double n,
                       std::source_location where = std::source_location::current());
void WriteFileLine(const TextValue& file, double n, const TextValue& text,
                   std::source_location where = std::source_location::current());
void FlushLineFile();

// Removes the temporary files that saves of files named `prefix`... in `folder` left behind
// when the program was killed or the machine stopped in the middle of a save (their exact
// naming pattern only, and only those not written to for a minute, which no running save
// still uses). Each removal is logged; returns how many were removed.
int RemoveStaleSaveTemporaries(const std::string& folder, const std::string& prefix);
