// Folders the runtime needs from the system.
#pragma once
#include <string>

// The full name of the running program file; "" when the system does not tell.
std::string PlatformProgramPath();

// The folder that holds the running program file, ending in '/' (on Windows in '\').
std::string PlatformProgramFolder();

// The user's temporary folder, ending in its separator: $TMPDIR when set and not empty, else
// /tmp; on Windows the folder GetTempPathW names, with '\' between folders.
std::string PlatformTempFolder();

// The folder that holds each user's own application data, ending in its separator: on POSIX
// $XDG_DATA_HOME when it is an absolute path, else $HOME/.local/share/; on Windows the folder
// %APPDATA% names. "" when the system names none.
std::string PlatformUserDataFolder();

// Makes `folder` the current directory; false when that fails.
bool PlatformSetCurrentFolder(const std::string& folder);
