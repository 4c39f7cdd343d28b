// Reading a picture file: the bytes, then the BMP reader, then the PNG reader.
#include <cstdio>

#include "runtime/core/image_decode.h"
#include "runtime/core/log.h"
#include "runtime/core/platform/files.h"

namespace {
bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes, std::string& why) {
    std::FILE* f = PlatformOpenFile(path, "r");
    if (!f) {
        why = "cannot be opened";
        return false;
    }
    bool ok = std::fseek(f, 0, SEEK_END) == 0;
    const long length = ok ? std::ftell(f) : -1;
    if (length < 0 || length > kMaxImageFileBytes) {
        why = length < 0 ? "cannot be read" : "file too large";
        std::fclose(f);
        return false;
    }
    bytes.resize(static_cast<size_t>(length));
    ok = std::fseek(f, 0, SEEK_SET) == 0 &&
         std::fread(bytes.data(), 1, bytes.size(), f) == bytes.size();
    std::fclose(f);
    if (!ok) why = "cannot be read";
    return ok;
}
}  // namespace

bool LoadImageFile(const std::string& path, DecodedImage& out) {
    out = DecodedImage{};
    std::vector<uint8_t> bytes;
    std::string why;
    if (ReadWholeFile(path, bytes, why)) {
        std::string why_bmp;
        if (DecodeBmp(bytes.data(), bytes.size(), out, why_bmp)) return true;
        if (DecodePng(bytes.data(), bytes.size(), out, why)) return true;
        // Say what the file looked like: a BMP reader's complaint about a file starting "BM".
        if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') why = why_bmp;
    }
    AppendLog("Image not loaded: " + path + ": " + why);
    return false;
}
