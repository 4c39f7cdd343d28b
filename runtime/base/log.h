// The runtime's log: "ErrorLog.txt" in the temporary folder, one entry per line ending in CR LF.
#pragma once
#include <string>
#include <string_view>

// Full path of the log file, in the temporary folder (see PlatformTempFolder).
std::string LogFilePath();

// Appends one entry. The file is opened for each entry; a failed open is retried up to
// 5 attempts in all, 100 ms apart, and then the entry is dropped.
void AppendLog(std::string_view text);

// Deletes the log file (start-up does this before the first stage).
void DeleteLog();
