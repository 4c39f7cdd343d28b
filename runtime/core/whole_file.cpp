#include "runtime/core/whole_file.h"

#include <array>
#include <cstddef>
#include <cstdio>

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes, std::string* why,
                   int64_t max_bytes) {
    bytes.clear();
    const auto fail = [&](const char* reason) {
        if (why) *why = reason;
        bytes.clear();
        return false;
    };
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return fail("cannot be opened");
    // Read to the end in blocks rather than trusting a size from seeking: a folder, a pipe or
    // a device reports a size that is no file length.
    std::array<uint8_t, 65536> block;
    bool too_large = false;
    for (;;) {
        const size_t n = std::fread(block.data(), 1, block.size(), f);
        if (static_cast<int64_t>(bytes.size() + n) > max_bytes) {
            too_large = true;
            break;
        }
        bytes.insert(bytes.end(), block.begin(), block.begin() + static_cast<std::ptrdiff_t>(n));
        if (n < block.size()) break;
    }
    const bool error = std::ferror(f) != 0;
    std::fclose(f);
    if (too_large) return fail("too large");
    if (error) return fail("cannot be read");
    return true;
}
