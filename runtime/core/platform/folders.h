// Folders the runtime needs from the system.
#pragma once
#include <string>

// The folder that holds the running program file, ending in '/'.
std::string PlatformProgramFolder();

// The user's temporary folder ($TMPDIR when set and not empty, else /tmp), ending in '/'.
std::string PlatformTempFolder();

// Makes `folder` the current directory; false when that fails.
bool PlatformSetCurrentFolder(const std::string& folder);
