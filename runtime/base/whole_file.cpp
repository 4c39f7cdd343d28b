#include "runtime/base/whole_file.h"

#include <cstdio>

#include "runtime/platform/files.h"

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes, std::string* why,
                   int64_t max_bytes) {
    bytes.clear();
    const auto fail = [&](const char* reason) {
        if (why) *why = reason;
        bytes.clear();
        return false;
    };
    // Through the platform layer: binary mode, and any character in the name on Windows.
    std::FILE* f = PlatformOpenFile(path, "r");
    if (!f) return fail("cannot be opened");
    const bool sized = std::fseek(f, 0, SEEK_END) == 0;
    const long length = sized ? std::ftell(f) : -1;
    if (length < 0 || std::fseek(f, 0, SEEK_SET) != 0) {
        std::fclose(f);
        return fail("cannot be read");
    }
    if (length > max_bytes) {
        std::fclose(f);
        return fail("too large");
    }
    bytes.resize(static_cast<size_t>(length));
    const bool whole = std::fread(bytes.data(), 1, bytes.size(), f) == bytes.size() &&
                       std::fgetc(f) == EOF && !std::ferror(f);
    std::fclose(f);
    return whole ? true : fail("cannot be read");
}
