#include "runtime/input/clipboard.h"

#include "runtime/headless/headless.h"
#include "runtime/platform/clipboard.h"

namespace {
std::string g_headless_clipboard;
}  // namespace

std::string ClipboardText() {
    if (HeadlessActive()) return g_headless_clipboard;
    return PlatformClipboardText();
}

bool SetClipboardText(const std::string& text) {
    if (HeadlessActive()) {
        g_headless_clipboard = text;
        return true;
    }
    return PlatformSetClipboardText(text);
}
