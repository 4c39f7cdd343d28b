// attach_media PROGRAM FOLDER [PREFIX]
//   Appends every file below FOLDER to PROGRAM as its attached media archive; the game then
//   finds "PREFIX" + the file's path inside FOLDER even when no such file is on disk. Without
//   PREFIX, a FOLDER that holds a "Media" folder is taken as laid out beside the program (the
//   shipped set: Media/ and the readme files) and stored as it is; any other FOLDER is taken
//   as the media folder itself and stored under "Media/". An archive already attached is
//   replaced.
// attach_media --list PROGRAM
//   Lists the entries of the attached archive with their compressed sizes.
// Names are UTF-8 throughout (the stored names too); files go through the platform layer, so
// the tool works on Windows as well.
#include <zlib.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/base/whole_file.h"
#include "runtime/platform/arguments.h"
#include "runtime/platform/files.h"
#include "runtime/values/media_lookup.h"

namespace fs = std::filesystem;

namespace {

struct PackedFile {
    std::string name;
    std::vector<unsigned char> data;  // zlib stream
};

// The UTF-8 text of a path with '/' between folders.
std::string GenericText(const fs::path& path) {
    const std::u8string text = path.generic_u8string();
    return std::string(reinterpret_cast<const char*>(text.data()), text.size());
}

void PutLittleEndian32(std::vector<unsigned char>& out, int64_t v) {
    const uint32_t u = static_cast<uint32_t>(static_cast<int32_t>(v));
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<unsigned char>(u >> (8 * i)));
}

bool Pack(const fs::path& folder, const std::string& prefix, std::vector<PackedFile>& files) {
    std::vector<fs::path> paths;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(folder, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (it->is_regular_file()) paths.push_back(it->path());
    }
    if (ec) {
        std::fprintf(stderr, "attach_media: cannot read %s: %s\n", PlatformPathText(folder).c_str(),
                     ec.message().c_str());
        return false;
    }
    std::sort(paths.begin(), paths.end());
    for (const fs::path& p : paths) {
        PackedFile f;
        f.name = prefix + GenericText(fs::relative(p, folder));
        if (f.name.empty() || f.name.size() > 255) {
            std::fprintf(stderr, "attach_media: name too long, skipped: %s\n", f.name.c_str());
            continue;
        }
        std::vector<unsigned char> raw;
        if (!ReadWholeFile(PlatformPathText(p), raw)) {
            std::fprintf(stderr, "attach_media: cannot read %s\n", PlatformPathText(p).c_str());
            return false;
        }
        uLongf size = compressBound(static_cast<uLong>(raw.size()));
        f.data.resize(size);
        if (compress2(f.data.data(), &size, raw.data(), static_cast<uLong>(raw.size()), 9) !=
            Z_OK) {
            std::fprintf(stderr, "attach_media: cannot compress %s\n", PlatformPathText(p).c_str());
            return false;
        }
        f.data.resize(size);
        files.push_back(std::move(f));
    }
    return true;
}

int List(const std::string& program) {
    const std::vector<ArchiveEntry> entries = ReadArchiveDirectory(program);
    if (entries.empty()) {
        std::printf("no attached media\n");
        return 1;
    }
    for (const ArchiveEntry& e : entries) std::printf("%10u  %s\n", e.size, e.name.c_str());
    return 0;
}

// "" for a folder laid out as beside the program (it holds "Media/"), else "Media/".
std::string DefaultPrefix(const fs::path& folder) {
    std::error_code ec;
    for (auto it = fs::directory_iterator(folder, ec); !ec && it != fs::directory_iterator();
         it.increment(ec)) {
        std::string name = PlatformPathText(it->path().filename());
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (name == "media" && it->is_directory()) return "";
    }
    return "Media/";
}

int Attach(const std::string& program, const fs::path& folder, const std::string& prefix) {
    std::vector<unsigned char> out;
    if (!ReadWholeFile(program, out)) {
        std::fprintf(stderr, "attach_media: cannot read %s\n", program.c_str());
        return 1;
    }
    int64_t start = 0;
    if (!ReadArchiveDirectory(program, &start).empty()) {
        out.resize(static_cast<size_t>(start));
        std::printf("replacing the attached media\n");
    }
    std::vector<PackedFile> files;
    if (!Pack(folder, prefix, files)) return 1;

    // Offsets are stored counted back from the end, so the final size comes first.
    int64_t total = static_cast<int64_t>(out.size()) + 1 + kArchiveTrailerSize;
    for (const PackedFile& f : files)
        total += static_cast<int64_t>(f.data.size()) + 1 + static_cast<int64_t>(f.name.size()) + 8;
    if (total - static_cast<int64_t>(out.size()) > INT32_MAX) {
        std::fprintf(stderr, "attach_media: media too large for one archive\n");
        return 1;
    }
    std::vector<int64_t> offsets;
    for (const PackedFile& f : files) {
        offsets.push_back(static_cast<int64_t>(out.size()));
        out.insert(out.end(), f.data.begin(), f.data.end());
    }
    const int64_t directory = static_cast<int64_t>(out.size());
    for (size_t i = 0; i < files.size(); ++i) {
        out.push_back(static_cast<unsigned char>(files[i].name.size()));
        out.insert(out.end(), files[i].name.begin(), files[i].name.end());
        PutLittleEndian32(out, offsets[i] - total);
        PutLittleEndian32(out, static_cast<int64_t>(files[i].data.size()));
    }
    out.push_back(0);
    out.insert(out.end(), kArchiveMarker, kArchiveMarker + 3);
    PutLittleEndian32(out, directory - total);

    // A new file put in place of the old one in one step, keeping its permissions: an
    // interrupted run never leaves half a program.
    std::string error;
    if (!PlatformReplaceFile(
            program, std::string_view(reinterpret_cast<const char*>(out.data()), out.size()),
            &error)) {
        std::fprintf(stderr, "attach_media: cannot replace %s (%s)\n", program.c_str(),
                     error.c_str());
        return 1;
    }
    std::printf("%zu files attached to %s\n", files.size(), program.c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args = PlatformArguments(argc, argv);
    if (args.size() == 3 && args[1] == "--list") return List(args[2]);
    if (args.size() != 3 && args.size() != 4) {
        std::fprintf(stderr,
                     "usage: attach_media PROGRAM FOLDER [PREFIX]   (PREFIX: \"\" when FOLDER "
                     "holds Media/, else Media/)\n"
                     "       attach_media --list PROGRAM\n");
        return 2;
    }
    const fs::path folder = PlatformPath(args[2]);
    return Attach(args[1], folder, args.size() == 4 ? args[3] : DefaultPrefix(folder));
}
