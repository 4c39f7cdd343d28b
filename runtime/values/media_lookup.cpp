#include "runtime/values/media_lookup.h"

#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "runtime/base/log.h"
#include "runtime/base/program_end.h"
#include "runtime/platform/files.h"
#include "runtime/platform/folders.h"
#include "runtime/values/save_folder.h"

namespace {
MediaLookup g_file_lookup;
MediaLookup g_music_lookup;

// No media file of ours comes near this; a larger entry is taken as damage, not unpacked.
constexpr uint64_t kMaxUnpackedSize = 256ull * 1024 * 1024;

int32_t LittleEndian32(const unsigned char* b) {
    return static_cast<int32_t>(static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 |
                                static_cast<uint32_t>(b[2]) << 16 |
                                static_cast<uint32_t>(b[3]) << 24);
}

// A signed offset as stored: negative ones count back from the end of the file.
int64_t Absolute(int32_t stored, int64_t file_size) {
    return stored < 0 ? file_size + stored : stored;
}

std::string Normalised(const std::string& name) {
    std::string out;
    out.reserve(name.size());
    for (char c : name) {
        if (c == '\\') c = '/';
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c == '/' && !out.empty() && out.back() == '/') continue;
        out.push_back(c);
    }
    while (out.compare(0, 2, "./") == 0) out.erase(0, 2);
    return out;
}

std::string ExtensionOf(const std::string& name) {
    const size_t dot = name.find_last_of('.');
    const size_t slash = name.find_last_of("/\\");
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    std::string ext = name.substr(dot);
    // Only plain extensions go into the temporary name.
    for (char c : ext)
        if (!(c == '.' || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
              (c >= '0' && c <= '9')))
            return {};
    return ext.size() <= 8 ? ext : std::string();
}

// Inflates `size` compressed bytes at `offset` of `in` into `out`.
bool Inflate(std::FILE* in, int64_t offset, uint32_t size, std::FILE* out) {
    z_stream z{};
    if (inflateInit(&z) != Z_OK) return false;
    std::vector<unsigned char> src(64 * 1024), dst(64 * 1024);
    uint64_t left = size, written = 0;
    int status = Z_OK;
    while (status != Z_STREAM_END) {
        if (z.avail_in == 0) {
            if (left == 0) break;
            const size_t n = static_cast<size_t>(std::min<uint64_t>(left, src.size()));
            if (!PlatformReadAt(in, offset, src.data(), n)) break;
            offset += static_cast<int64_t>(n);
            left -= n;
            z.next_in = src.data();
            z.avail_in = static_cast<uInt>(n);
        }
        z.next_out = dst.data();
        z.avail_out = static_cast<uInt>(dst.size());
        status = inflate(&z, Z_NO_FLUSH);
        if (status != Z_OK && status != Z_STREAM_END) break;
        const size_t produced = dst.size() - z.avail_out;
        written += produced;
        if (written > kMaxUnpackedSize) break;
        if (std::fwrite(dst.data(), 1, produced, out) != produced) {
            inflateEnd(&z);
            return false;
        }
    }
    inflateEnd(&z);
    return status == Z_STREAM_END;
}

void RemoveTemporaryFiles() {
    g_file_lookup.RemoveTemporary();
    g_music_lookup.RemoveTemporary();
}
}  // namespace

std::vector<ArchiveEntry> ReadArchiveDirectory(const std::string& path, int64_t* archive_start) {
    std::vector<ArchiveEntry> entries;
    std::FILE* file = PlatformOpenFile(path, "r");
    if (!file) return entries;
    const int64_t size = PlatformFileSize(file);
    unsigned char trailer[kArchiveTrailerSize];
    if (size < kArchiveTrailerSize ||
        !PlatformReadAt(file, size - kArchiveTrailerSize, trailer, sizeof trailer) ||
        std::memcmp(trailer, kArchiveMarker, 3) != 0) {
        std::fclose(file);
        return entries;
    }
    const int64_t directory = Absolute(LittleEndian32(trailer + 3), size);
    const int64_t directory_end = size - kArchiveTrailerSize;
    bool damaged = directory < 0 || directory > directory_end;
    int64_t first = directory;
    int64_t at = directory;
    while (!damaged) {
        unsigned char length = 0;
        if (at >= directory_end || !PlatformReadAt(file, at, &length, 1)) {
            damaged = true;
            break;
        }
        ++at;
        if (length == 0) break;
        unsigned char fields[255 + 8];
        if (at + length + 8 > directory_end || !PlatformReadAt(file, at, fields, length + 8u)) {
            damaged = true;
            break;
        }
        at += length + 8;
        ArchiveEntry e;
        e.name.assign(reinterpret_cast<const char*>(fields), length);
        e.offset = Absolute(LittleEndian32(fields + length), size);
        e.size = static_cast<uint32_t>(LittleEndian32(fields + length + 4));
        if (e.offset < 0 || e.offset + e.size > directory) {
            damaged = true;
            break;
        }
        first = std::min(first, e.offset);
        entries.push_back(std::move(e));
    }
    std::fclose(file);
    if (damaged) {
        AppendLog("Attached media archive damaged: " + path);
        entries.clear();
        return entries;
    }
    if (archive_start) *archive_start = first;
    return entries;
}

bool ArchiveNameMatches(const std::string& requested, const std::string& stored) {
    return Normalised(requested) == Normalised(stored);
}

void MediaLookup::SetArchive(const std::string& path) {
    archive_ = path;
    directory_read_ = false;
    directory_.clear();
}

std::string MediaLookup::Resolve(const std::string& name) {
    RemoveTemporary();
    const std::string path = PlatformFileName(name);
    if (path.empty()) return {};
    // The player's own copy first, when saves go to a folder of their own.
    const std::string saved = SavedCopy(path);
    if (!saved.empty() && PlatformIsReadableFile(saved)) return saved;
    if (PlatformIsReadableFile(path)) return path;
    if (archive_.empty()) return {};
    if (!directory_read_) {
        directory_ = ReadArchiveDirectory(archive_);
        directory_read_ = true;
    }
    for (const ArchiveEntry& e : directory_)
        if (ArchiveNameMatches(path, e.name)) return Unpack(e, path);
    return {};
}

std::string MediaLookup::Unpack(const ArchiveEntry& entry, const std::string& name) {
    const std::string ext = ExtensionOf(name);
    std::string temp, error;
    std::FILE* out =
        PlatformCreateTemporaryFile(PlatformTempFolder(), "zolv-media-", ext, &temp, &error);
    if (!out) {
        AppendLog("No temporary file for " + name + ": " + error);
        return {};
    }
    std::FILE* in = PlatformOpenFile(archive_, "r");
    const bool ok = in && Inflate(in, entry.offset, entry.size, out);
    if (in) std::fclose(in);
    if (std::fclose(out) != 0 || !ok) {
        PlatformDeleteFile(temp);
        AppendLog("Attached media entry unreadable: " + entry.name);
        return {};
    }
    temporary_ = temp;
    return temporary_;
}

void MediaLookup::RemoveTemporary() {
    if (temporary_.empty()) return;
    PlatformDeleteFile(temporary_);
    temporary_.clear();
}

MediaLookup& FileLookup() {
    return g_file_lookup;
}
MediaLookup& MusicLookup() {
    return g_music_lookup;
}

std::string ResolveMediaName(const std::string& name) {
    return g_file_lookup.Resolve(name);
}

void StartMediaLookup() {
    const std::string program = PlatformProgramPath();
    g_file_lookup.SetArchive(program);
    g_music_lookup.SetArchive(program);
    AddShutdownStep(&RemoveTemporaryFiles);
}

std::string PlatformFileName(const std::string& name) {
    std::string path = name;
    for (char& c : path)
        if (c == '\\') c = '/';
    return path;
}
