// Text to and from the clipboard: the system's in a window, one in memory in headless play (so
// scripts copy and paste without touching the desktop's).
#pragma once
#include <string>

std::string ClipboardText();
// False when the text could not be put there.
bool SetClipboardText(const std::string& text);
