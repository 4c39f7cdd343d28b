// A key script is a text a test or a person writes. Any bytes must either parse or be refused
// with a message naming the line, the same verdict every time, and a script that parses must
// start headless play.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "runtime/headless/headless.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::string error;
    const bool parsed = ParseKeyScript(text, &error);
    if (!parsed && error.find("line") == std::string::npos) std::abort();
    std::string again;
    if (ParseKeyScript(text, &again) != parsed || again != error) std::abort();
    return 0;
}
