// Reading a whole file into memory: the one way the loaders, the tools and the tests do it.
#pragma once
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

// Reads the file at `path` into `bytes`. Returns false with `bytes` empty and the reason in
// `why` (when given: "cannot be opened", "cannot be read", "too large") when the file cannot
// be opened or read whole, or holds more than `max_bytes` bytes.
bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes, std::string* why = nullptr,
                   int64_t max_bytes = std::numeric_limits<int64_t>::max());
