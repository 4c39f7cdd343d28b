// Scratch folders and whole-file reads and writes for tests that touch the disk.
#pragma once
#include <string>

// A fresh empty folder under the build tree (or $TMPDIR), ending in '/'. Each call gives a new one.
std::string MakeScratchFolder(const std::string& label);

// The same folder for the same label on every call (and in re-executed death-test children),
// created when missing, ending in '/'. Its contents are left as they are.
std::string NamedScratchFolder(const std::string& label);

// Writes `bytes` exactly as given; returns false when the file cannot be written.
bool WriteWholeFile(const std::string& path, const std::string& bytes);

// The whole file, or an empty string when it cannot be read.
std::string ReadWholeFile(const std::string& path);

bool FileExists(const std::string& path);
