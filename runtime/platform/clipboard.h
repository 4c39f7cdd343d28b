// The system clipboard as text (UTF-8).
#pragma once
#include <string>

// The clipboard's text; empty when it holds none or cannot be read.
std::string PlatformClipboardText();
// False when the clipboard cannot be written.
bool PlatformSetClipboardText(const std::string& text);
