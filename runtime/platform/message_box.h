// The system's own message box, where the system has one that needs no window of ours.
#pragma once
#include <string>

// Shows a warning box with `caption` and `text` (UTF-8) and waits until it is closed; false
// when this system has no such box (the caller then uses SDL's).
bool PlatformSystemWarningBox(const std::string& caption, const std::string& text);
