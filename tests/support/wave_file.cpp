#include "support/wave_file.h"

#include "support/scratch_files.h"

namespace {
void Put16(std::vector<uint8_t>& v, int x) {
    v.push_back(static_cast<uint8_t>(x & 0xFF));
    v.push_back(static_cast<uint8_t>((x >> 8) & 0xFF));
}
void Put32(std::vector<uint8_t>& v, uint32_t x) {
    Put16(v, static_cast<int>(x & 0xFFFF));
    Put16(v, static_cast<int>(x >> 16));
}
void PutTag(std::vector<uint8_t>& v, const char* tag) {
    for (int i = 0; i < 4; ++i) v.push_back(static_cast<uint8_t>(tag[i]));
}
}  // namespace

std::vector<uint8_t> MakeWave(const WaveLayout& layout, const std::vector<uint8_t>& data) {
    const bool extensible = layout.format_tag == 0xFFFE;
    const int align =
        layout.block_align >= 0 ? layout.block_align : layout.channels * layout.bits / 8;
    std::vector<uint8_t> fmt;
    Put16(fmt, layout.format_tag);
    Put16(fmt, layout.channels);
    Put32(fmt, static_cast<uint32_t>(layout.rate));
    Put32(fmt, static_cast<uint32_t>(layout.rate * align));
    Put16(fmt, align);
    Put16(fmt, layout.bits);
    if (extensible) {
        Put16(fmt, 22);
        Put16(fmt, layout.bits);
        Put32(fmt, layout.channels == 2 ? 3u : 4u);
        Put16(fmt, layout.extensible_subformat);
        const uint8_t tail[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                  0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
        fmt.insert(fmt.end(), tail, tail + 14);
    }
    std::vector<uint8_t> out;
    PutTag(out, "RIFF");
    Put32(out, static_cast<uint32_t>(4 + 8 + fmt.size() + 8 + data.size()));
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, static_cast<uint32_t>(fmt.size()));
    out.insert(out.end(), fmt.begin(), fmt.end());
    PutTag(out, "data");
    Put32(out, static_cast<uint32_t>(data.size()));
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

std::vector<uint8_t> Pcm16(const std::vector<int16_t>& samples) {
    std::vector<uint8_t> out;
    for (int16_t s : samples) Put16(out, static_cast<uint16_t>(s));
    return out;
}

std::string WriteTestFile(const std::string& name, const std::vector<uint8_t>& bytes) {
    // One folder per test process: ctest runs test programs side by side, and a file written
    // by one while another reads it would come out cut short.
    static const std::string folder = MakeScratchFolder("sound");
    const std::string path = folder + name;
    WriteWholeFile(path, std::string(bytes.begin(), bytes.end()));
    return path;
}
