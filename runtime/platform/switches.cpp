#include "runtime/platform/switches.h"

#include <cstdlib>
#include <cstring>

namespace {
bool On(const char* name) {
    const char* v = std::getenv(name);
    return v && *v && std::strcmp(v, "0") != 0;
}

RuntimeSwitches Read() {
    RuntimeSwitches s;
    s.gl_present = On("ZOLV_GL_PRESENT");
    s.whole_frames = On("ZOLV_WHOLE_FRAMES");
    s.test = On("ZOLV_TEST");
    s.gl_check = On("ZOLV_GL_CHECK");
    return s;
}

bool g_read = false;
RuntimeSwitches g_switches;
}  // namespace

const RuntimeSwitches& Switches() {
    if (!g_read) ReloadSwitches();
    return g_switches;
}

void ReloadSwitches() {
    g_switches = Read();
    g_read = true;
}
