// A scratch working folder for fuzz targets that read the game's files: a fresh folder with
// a Media folder, made once per process and entered for each input (the fuzzer's own folders
// may be named relative to where it started), optionally holding the shipped settings files
// so the game's own start-up reads the piece table from them.
#pragma once
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "runtime/values/line_file.h"

namespace fuzz {

inline std::filesystem::path MakeScratchMedia(bool with_shipped_settings) {
    const char* t = std::getenv("TMPDIR");
    const std::filesystem::path folder =
        std::filesystem::path(t && *t ? t : "/tmp") / ("zolv_fuzz_" + std::to_string(getpid()));
    std::filesystem::create_directories(folder / "Media");
    if (with_shipped_settings)
        for (const char* name : {"Zolv-dat1.txt", "Zolv-dat2.txt"})
            std::filesystem::copy_file(
                std::filesystem::path(ZOLV_SOURCE_DIR) / "media/Media" / name,
                folder / "Media" / name, std::filesystem::copy_options::overwrite_existing);
    return folder;
}

// Works in `folder` while it lives, then goes back.
class InFolder {
  public:
    explicit InFolder(const std::filesystem::path& folder) : old_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~InFolder() { std::filesystem::current_path(old_); }
    InFolder(const InFolder&) = delete;
    InFolder& operator=(const InFolder&) = delete;

  private:
    std::filesystem::path old_;
};

// Puts `bytes` in Media/NAME and empties the line-file cache, so the next read sees them.
inline void WriteMediaFile(const std::string& name, const uint8_t* data, size_t size) {
    FlushLineFile();
    std::ofstream out("Media/" + name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

}  // namespace fuzz
