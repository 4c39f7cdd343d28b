#include "runtime/core/clipboard.h"

#include "runtime/core/headless.h"
#include "runtime/core/platform/clipboard.h"

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
