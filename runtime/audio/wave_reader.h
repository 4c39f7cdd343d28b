// Reads a RIFF/WAVE file held in memory: the "fmt " and "data" chunks of an uncompressed
// (PCM) sound, 8 or 16 bit, mono or stereo, any rate. Everything else is refused with a
// reason; nothing is read outside the given bytes.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "runtime/platform/audio.h"

struct WaveData {
    WaveFormat format;
    const uint8_t* data = nullptr;  // points into the file's bytes
    size_t size = 0;                // bytes, a whole number of frames
};

// Fills `out` and returns true for a readable PCM wave file; else false with `why` set.
bool ReadWave(const uint8_t* bytes, size_t size, WaveData* out, std::string* why);
