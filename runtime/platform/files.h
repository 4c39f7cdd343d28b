// Files as the runtime needs them from the system. Names are UTF-8 texts; '/' separates
// folders everywhere, and on Windows '\' does too. Every file is opened in binary mode: the
// bytes read and written are exactly the bytes on disk.
#pragma once
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The path of a UTF-8 name (on Windows the name becomes UTF-16, so any character works).
std::filesystem::path PlatformPath(const std::string& name);
// The UTF-8 text of a path.
std::string PlatformPathText(const std::filesystem::path& path);

// Opens `name` in binary mode; `mode` is "r", "w" or "a". nullptr when that fails.
std::FILE* PlatformOpenFile(const std::string& name, const char* mode);
// Reads `n` bytes at `offset` of an open file; false when fewer could be read.
bool PlatformReadAt(std::FILE* file, int64_t offset, void* out, size_t n);
// The size of an open file in bytes; -1 when it cannot be told.
int64_t PlatformFileSize(std::FILE* file);

// True when `name` is a regular file that can be opened for reading.
bool PlatformIsReadableFile(const std::string& name);
// True when nothing of that name exists; false when something does (or its folder cannot be
// searched, so it may), with the reason in `why`.
bool PlatformFileMissing(const std::string& name, std::string* why);
// Appends `bytes` at the end of `name` (created when missing) and closes it again; false when
// the file could not be opened or written. On Windows the file is held without sharing
// meanwhile.
bool PlatformAppendToFile(const std::string& name, std::string_view bytes);
// Deletes a file; false when it is not there or cannot be deleted.
bool PlatformDeleteFile(const std::string& name);
// Creates the folder that holds `name` and every missing folder above it.
void PlatformMakeFoldersFor(const std::string& name);

// Gives `name` the new contents `bytes` as one step: they go to a new temporary file in the
// same folder, reach the disk, and that file then replaces `name` (keeping its permissions on
// POSIX; on Windows a target held open by another program is retried for about a second).
// On failure `name` is left as it was, the temporary file is removed, and `error` (when given)
// says which step failed and why.
bool PlatformReplaceFile(const std::string& name, std::string_view bytes, std::string* error);

// Whether `file_name` (without its folder) is the name PlatformReplaceFile gives the temporary
// file of a target ("." + target + "." + six letters or digits); the target goes to `target`.
bool PlatformIsReplaceTemporary(const std::string& file_name, std::string* target);
// The names (without the folder) of the regular files in `folder`.
std::vector<std::string> PlatformFilesIn(const std::string& folder);
// Seconds since `name` was last written; negative when that cannot be told.
double PlatformFileAgeSeconds(const std::string& name);

// Creates a new file `folder` + `prefix` + six random characters + `suffix` that did not exist
// before, open for writing in binary mode; its name goes to `name`. nullptr when none could be
// made (`error` says why).
std::FILE* PlatformCreateTemporaryFile(const std::string& folder, const std::string& prefix,
                                       const std::string& suffix, std::string* name,
                                       std::string* error);
