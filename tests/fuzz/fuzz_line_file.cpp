// Line files are outside data (maps, records, replays, settings a player may edit). Any bytes
// must split into at most 256 lines of at most 16383 characters, the same whatever pieces the
// file is read in, and a file the cache wrote back must read back line for line the same.
#include <unistd.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "runtime/values/line_file.h"

namespace {

using Slots = std::array<std::string, LineSplitter::kLines>;

int Split(const uint8_t* data, size_t size, size_t piece, Slots& slots) {
    LineSplitter splitter(slots);
    const char* bytes = reinterpret_cast<const char*>(data);
    for (size_t at = 0; at < size; at += piece)
        if (!splitter.Feed(bytes + at, std::min(piece, size - at))) break;
    splitter.Finish();
    return splitter.lines();
}

const std::string& ScratchFile() {
    static const std::string path = [] {
        const char* t = std::getenv("TMPDIR");
        std::string p = std::string(t && *t ? t : "/tmp") + "/fuzz_line_file_" +
                        std::to_string(getpid()) + ".txt";
        return p;
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Slots whole, pieces;
    const size_t piece = size > 0 ? 1 + data[0] % 97 : 1;
    const int lines = Split(data, size, size + 1, whole);
    if (Split(data, size, piece, pieces) != lines) std::abort();
    if (lines > LineSplitter::kLines) std::abort();
    for (int i = 0; i < lines; ++i) {
        if (whole[i] != pieces[i]) std::abort();
        if (whole[i].size() > LineSplitter::kMaxLineLength) std::abort();
        if (whole[i].find('\n') != std::string::npos) std::abort();
    }

    // Through the cache: load, change one line to itself, write back, load again.
    const std::string& path = ScratchFile();
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    const TextValue name(path);
    std::array<std::string, LineSplitter::kLines> before;
    for (int n = 0; n < LineSplitter::kLines; ++n) before[n] = ReadFileLine(name, n).str();
    if (lines > 0) WriteFileLine(name, 0, TextValue(whole[0]));
    FlushLineFile();
    for (int n = 0; n < LineSplitter::kLines; ++n)
        if (ReadFileLine(name, n).str() != before[n]) std::abort();
    FlushLineFile();
    return 0;
}
