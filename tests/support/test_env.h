// Helpers shared by the test programs: private temporary folders, file reading, and the
// environment for opening a window without a display.
#pragma once
#include <string>
#include <vector>

#include "support/scratch_files.h"

// A new empty folder under the system's temporary folder, ending in '/'.
std::string MakeTempFolder(const std::string& prefix);

// Points $TMPDIR (where the log goes) at a fresh private folder and returns it.
std::string UsePrivateTempFolder();

// Uses SDL's offscreen video driver (EGL on Mesa) unless a test asks for the X display.
void UseOffscreenVideo();

// The log's entries (split on CR LF) in the current $TMPDIR.
std::vector<std::string> ReadLogEntries();
