// Wave files from outside: the reader must refuse or accept them without reading out of
// bounds, and an accepted one must convert to the device format.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/audio/wave_reader.h"
#include "runtime/platform/audio.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A private copy, so reads past the end hit the sanitizer's redzone.
    const std::vector<uint8_t> bytes(data, data + size);
    WaveData wave;
    std::string why;
    if (!ReadWave(bytes.data(), bytes.size(), &wave, &why)) return 0;
    if (wave.data < bytes.data() || wave.data + wave.size > bytes.data() + bytes.size())
        __builtin_trap();
    std::vector<int16_t> out;
    PlatformConvertToDevice(wave.format, wave.data, wave.size, &out);
    if (out.size() % 2 != 0) __builtin_trap();
    return 0;
}
