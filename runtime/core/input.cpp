#include "runtime/core/input.h"

#include <array>
#include <cstdint>
#include <cstring>

#include "runtime/core/platform/keyboard.h"

namespace {
std::array<uint8_t, 256> g_keys{};
int g_escape_ends = 0;
}  // namespace

void InputCreate() { g_keys.fill(0); }
void InputInitDevices(int) {}
void InputShutdown() { g_keys.fill(0); }

void InputNewFrame() { std::memcpy(g_keys.data(), PlatformKeyboardState(), g_keys.size()); }

int KeyDown(int code) { return (g_keys[static_cast<size_t>(code & 0xFF)] & 0x80) ? 1 : 0; }

void SetEscapeEnds(int on) { g_escape_ends = on; }
int EscapeEnds() { return g_escape_ends; }
