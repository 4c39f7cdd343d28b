// Turning a media or data file name into a path that can be opened: the file itself when it
// is on disk, else an entry of the archive attached to the program file, unpacked into a
// temporary file that lives until the lookup's next resolution or the program's end.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The attached archive, at the end of the program file:
//   entries' data (each a zlib stream), then the directory, then the 7-byte trailer.
//   directory: per entry a 1-byte name length, the name, a 4-byte data offset and a 4-byte
//   data size (compressed); a name length of 0 ends it.
//   trailer: the 3 marker bytes, then the directory's 4-byte offset.
// Offsets are little-endian signed 32-bit: 0 or more from the start of the file, negative
// back from its end (the tool writes negative ones so the program part may change size).
constexpr char kArchiveMarker[3] = {'Z', 'V', 'M'};
constexpr int kArchiveTrailerSize = 7;

struct ArchiveEntry {
    std::string name;    // as stored: folders separated by '/'
    int64_t offset = 0;  // from the start of the file
    uint32_t size = 0;   // compressed bytes
};

// The directory of the archive attached to `path`; empty when there is none or it is damaged.
// `archive_start` (when given) receives the first byte that belongs to the archive.
std::vector<ArchiveEntry> ReadArchiveDirectory(const std::string& path,
                                               int64_t* archive_start = nullptr);

// Names match whatever their case, with '\' read as '/' and a leading "./" ignored.
bool ArchiveNameMatches(const std::string& requested, const std::string& stored);

class MediaLookup {
  public:
    MediaLookup() = default;
    ~MediaLookup() { RemoveTemporary(); }
    MediaLookup(const MediaLookup&) = delete;
    MediaLookup& operator=(const MediaLookup&) = delete;

    // The program file whose attached archive is searched; empty for none.
    void SetArchive(const std::string& path);
    const std::string& archive() const { return archive_; }

    // A path that can be opened for reading, or "" when the name cannot be resolved.
    std::string Resolve(const std::string& name);
    // Deletes the temporary file of the previous resolution, if any.
    void RemoveTemporary();
    const std::string& temporary() const { return temporary_; }

  private:
    std::string Unpack(const ArchiveEntry& entry, const std::string& name);

    std::string archive_;
    bool directory_read_ = false;
    std::vector<ArchiveEntry> directory_;
    std::string temporary_;
};

// Every file the runtime opens (line files, images, fonts, sounds, settings).
MediaLookup& FileLookup();
// The music player's own lookup, so its unpacked file outlives other resolutions.
MediaLookup& MusicLookup();

// FileLookup().Resolve(name): what the loaders call.
std::string ResolveMediaName(const std::string& name);

// Start-up: both lookups search the program file's archive; the end routine removes their
// temporary files.
void StartMediaLookup();

// Forward slashes and backslashes both become this platform's separator.
std::string PlatformFileName(const std::string& name);
