// Reading a picture file: the bytes, then the BMP reader, then the PNG reader.
#include "runtime/base/log.h"
#include "runtime/base/whole_file.h"
#include "runtime/image/image_decode.h"

bool LoadImageFile(const std::string& path, DecodedImage& out) {
    out = DecodedImage{};
    std::vector<uint8_t> bytes;
    std::string why;
    if (ReadWholeFile(path, bytes, &why, kMaxImageFileBytes)) {
        std::string why_bmp;
        if (DecodeBmp(bytes.data(), bytes.size(), out, why_bmp)) return true;
        if (DecodePng(bytes.data(), bytes.size(), out, why)) return true;
        // Say what the file looked like: a BMP reader's complaint about a file starting "BM".
        if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') why = why_bmp;
    }
    AppendLog("Image not loaded: " + path + ": " + why);
    return false;
}
