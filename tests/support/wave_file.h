// Builds RIFF/WAVE files in memory for tests of the sound code.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct WaveLayout {
    int format_tag = 1;  // 1 PCM, 3 float, 0xFFFE extensible
    int channels = 1;
    int rate = 22050;
    int bits = 16;
    int block_align = -1;          // -1: channels x bits / 8
    int extensible_subformat = 1;  // format tag inside the extensible sub-format GUID
};

// A whole file: RIFF header, "fmt " chunk (40 bytes when extensible), then "data".
std::vector<uint8_t> MakeWave(const WaveLayout& layout, const std::vector<uint8_t>& data);

// 16-bit little-endian sample bytes.
std::vector<uint8_t> Pcm16(const std::vector<int16_t>& samples);

// Writes bytes to a file in the tests' "sound" scratch folder; returns its path.
std::string WriteTestFile(const std::string& name, const std::vector<uint8_t>& bytes);
