#include "runtime/audio/wave_reader.h"

#include <cstring>

namespace {
constexpr int kFormatPcm = 1;
constexpr int kFormatExtensible = 0xFFFE;
// The rest of the PCM sub-format GUID after its leading 16-bit format tag
// (00000001-0000-0010-8000-00aa00389b71).
constexpr uint8_t kGuidTail[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                   0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
// Rates SDL's converter accepts comfortably; anything outside is a broken header.
constexpr int kMinRate = 1000;
constexpr int kMaxRate = 384000;

uint16_t Read16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}
uint32_t Read32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

struct Chunk {
    const uint8_t* body = nullptr;
    size_t size = 0;  // as declared in its header
};

// Walks the chunks after the 12-byte RIFF header, from `*offset`, to the next one tagged
// `tag`. Bodies are skipped by their declared size plus the pad byte of an odd size.
bool FindChunk(const uint8_t* bytes, size_t size, size_t* offset, const char* tag, Chunk* out) {
    while (size - *offset >= 8) {
        const uint8_t* head = bytes + *offset;
        const size_t body_size = Read32(head + 4);
        *offset += 8;
        if (std::memcmp(head, tag, 4) == 0) {
            out->body = bytes + *offset;
            out->size = body_size;
            return true;
        }
        const size_t skip = body_size + (body_size & 1);
        if (skip > size - *offset) return false;
        *offset += skip;
    }
    return false;
}

bool Fail(std::string* why, const char* text) {
    if (why) *why = text;
    return false;
}
}  // namespace

bool ReadWave(const uint8_t* bytes, size_t size, WaveData* out, std::string* why) {
    if (!bytes || size < 12) return Fail(why, "too short for a wave file");
    if (std::memcmp(bytes, "RIFF", 4) != 0 || std::memcmp(bytes + 8, "WAVE", 4) != 0)
        return Fail(why, "not a RIFF/WAVE file");

    size_t offset = 12;
    Chunk fmt;
    if (!FindChunk(bytes, size, &offset, "fmt ", &fmt)) return Fail(why, "no \"fmt \" chunk");
    if (fmt.size < 16 || fmt.size > size - offset) return Fail(why, "short \"fmt \" chunk");
    const int tag = Read16(fmt.body);
    WaveFormat f;
    f.channels = Read16(fmt.body + 2);
    const uint32_t rate = Read32(fmt.body + 4);
    f.block_align = Read16(fmt.body + 12);
    f.bits_per_sample = Read16(fmt.body + 14);

    // Only plain PCM is taken: a float or compressed sound read as PCM plays as loud noise.
    bool pcm = tag == kFormatPcm;
    if (tag == kFormatExtensible && fmt.size >= 40 && Read16(fmt.body + 16) >= 22) {
        const uint8_t* guid = fmt.body + 24;
        pcm = Read16(guid) == kFormatPcm && std::memcmp(guid + 2, kGuidTail, 14) == 0;
    }
    if (!pcm) return Fail(why, "not PCM (compressed or floating-point sound)");
    if (f.channels != 1 && f.channels != 2) return Fail(why, "neither mono nor stereo");
    if (f.bits_per_sample != 8 && f.bits_per_sample != 16)
        return Fail(why, "neither 8 nor 16 bits per sample");
    if (f.block_align != f.channels * f.bits_per_sample / 8)
        return Fail(why, "block alignment does not match the format");
    if (rate < kMinRate || rate > kMaxRate) return Fail(why, "sample rate out of range");
    f.samples_per_second = static_cast<int>(rate);
    offset += fmt.size + (fmt.size & 1);
    if (offset > size) offset = size;

    Chunk data;
    if (!FindChunk(bytes, size, &offset, "data", &data)) return Fail(why, "no \"data\" chunk");
    if (data.size > size - offset) return Fail(why, "\"data\" chunk cut short");

    out->format = f;
    out->data = data.body;
    out->size = data.size - data.size % static_cast<size_t>(f.block_align);
    return true;
}
