// The attached archive is read from the end of the program file, which anyone can change.
// Any bytes must give either no directory or one whose entries lie inside the file, and
// unpacking any entry must neither crash nor leave a temporary file behind on failure.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "runtime/values/media_lookup.h"

namespace {
std::string Folder() {
    const char* t = std::getenv("TMPDIR");
    return std::string(t && *t ? t : "/tmp") + "/";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = Folder() + "fuzz_media_archive_" + std::to_string(getpid());
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    int64_t start = -1;
    const auto entries = ReadArchiveDirectory(path, &start);
    if (!entries.empty() && (start < 0 || start > static_cast<int64_t>(size))) std::abort();
    MediaLookup lookup;
    lookup.SetArchive(path);
    for (const ArchiveEntry& e : entries) {
        if (e.offset < 0 || e.offset + e.size > static_cast<int64_t>(size)) std::abort();
        // Names of files that are on disk resolve to those, not to the archive.
        if (e.name.empty() || access(e.name.c_str(), F_OK) == 0) continue;
        const std::string got = lookup.Resolve(e.name);
        if (!got.empty() && got != lookup.temporary()) std::abort();
        if (got.empty() && !lookup.temporary().empty()) std::abort();
    }
    lookup.RemoveTemporary();
    return 0;
}
