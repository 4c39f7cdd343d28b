// The Windows side of the file layer: wide-character names, handles without sharing where the
// file must not change under us, and the replace through MoveFileExW.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>

#include "runtime/platform/files.h"

namespace {
std::wstring Wide(const std::string& name) {
    return PlatformPath(name).wstring();
}

// The system's text for an error code, as UTF-8.
std::string ErrorText(DWORD code) {
    wchar_t* text = nullptr;
    const DWORD n = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring wide = n > 0 && text ? std::wstring(text, n) : std::wstring();
    if (text) LocalFree(text);
    while (!wide.empty() && (wide.back() == L'\r' || wide.back() == L'\n' || wide.back() == L' '))
        wide.pop_back();
    std::string out = PlatformPathText(std::filesystem::path(wide));
    return out.empty() ? "error " + std::to_string(code) : out;
}

bool WriteAll(HANDLE h, const char* bytes, size_t n) {
    while (n > 0) {
        const DWORD chunk = n > (1u << 30) ? (1u << 30) : static_cast<DWORD>(n);
        DWORD done = 0;
        if (!WriteFile(h, bytes, chunk, &done, nullptr) || done == 0) return false;
        bytes += done;
        n -= done;
    }
    return true;
}

// Six characters that differ from call to call and from process to process.
std::string RandomPart() {
    static unsigned long long state = 0;
    if (state == 0) {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        state = static_cast<unsigned long long>(now.QuadPart) ^
                (static_cast<unsigned long long>(GetCurrentProcessId()) << 32);
    }
    state = state * 6364136223846793005ull + 1442695040888963407ull;
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string out;
    unsigned long long bits = state >> 16;
    for (int i = 0; i < 6; ++i) {
        out += kLetters[bits % 36];
        bits /= 36;
    }
    return out;
}

// A new file `base` + random + `suffix` that did not exist before; INVALID_HANDLE_VALUE with
// the last error when none could be made.
HANDLE CreateNew(const std::string& base, const std::string& suffix, std::string* name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        *name = base + RandomPart() + suffix;
        const HANDLE h = CreateFileW(Wide(*name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return h;
    }
    return INVALID_HANDLE_VALUE;
}
}  // namespace

std::FILE* PlatformOpenFile(const std::string& name, const char* mode) {
    std::wstring m;
    for (const char* c = mode; *c; ++c) m += static_cast<wchar_t>(*c);
    // "N": the handle is not inherited by programs started later.
    m += L"bN";
    return _wfopen(Wide(name).c_str(), m.c_str());
}

bool PlatformReadAt(std::FILE* file, int64_t offset, void* out, size_t n) {
    if (_fseeki64(file, offset, SEEK_SET) != 0) return false;
    return std::fread(out, 1, n, file) == n;
}

int64_t PlatformFileSize(std::FILE* file) {
    const int64_t size = _filelengthi64(_fileno(file));
    return size < 0 ? -1 : size;
}

bool PlatformAppendToFile(const std::string& name, std::string_view bytes) {
    const HANDLE h = CreateFileW(Wide(name).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER zero{};
    const bool ok =
        SetFilePointerEx(h, zero, nullptr, FILE_END) && WriteAll(h, bytes.data(), bytes.size());
    return CloseHandle(h) && ok;
}

bool PlatformDeleteFile(const std::string& name) {
    return DeleteFileW(Wide(name).c_str()) != 0;
}

bool PlatformReplaceFile(const std::string& name, std::string_view bytes, std::string* error) {
    const std::filesystem::path target = PlatformPath(name);
    const std::string folder = PlatformPathText(target.parent_path());
    const std::string base = (folder.empty() ? std::string() : folder + "\\") + "." +
                             PlatformPathText(target.filename()) + ".";
    std::string temp;
    const auto fail = [&](const char* step, HANDLE h) {
        const DWORD code = GetLastError();
        if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
        if (!temp.empty()) DeleteFileW(Wide(temp).c_str());
        if (error) *error = std::string(step) + ": " + ErrorText(code);
        return false;
    };

    const HANDLE h = CreateNew(base, "", &temp);
    if (h == INVALID_HANDLE_VALUE) {
        temp.clear();
        return fail("create", h);
    }
    if (!WriteAll(h, bytes.data(), bytes.size())) return fail("write", h);
    if (!FlushFileBuffers(h)) return fail("sync", h);
    if (!CloseHandle(h)) return fail("close", INVALID_HANDLE_VALUE);
    // Another program (a virus scanner, an editor) may hold the old file open for a moment.
    for (int attempt = 0;; ++attempt) {
        if (MoveFileExW(Wide(temp).c_str(), target.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        const DWORD code = GetLastError();
        const bool held = code == ERROR_ACCESS_DENIED || code == ERROR_SHARING_VIOLATION ||
                          code == ERROR_LOCK_VIOLATION;
        if (!held || attempt >= 10) return fail("rename", INVALID_HANDLE_VALUE);
        Sleep(100);
    }
}

std::FILE* PlatformCreateTemporaryFile(const std::string& folder, const std::string& prefix,
                                       const std::string& suffix, std::string* name,
                                       std::string* error) {
    std::string temp;
    const HANDLE h = CreateNew(folder + prefix, suffix, &temp);
    if (h == INVALID_HANDLE_VALUE) {
        if (error) *error = ErrorText(GetLastError());
        return nullptr;
    }
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(h), _O_BINARY | _O_WRONLY);
    std::FILE* f = fd >= 0 ? _fdopen(fd, "wb") : nullptr;
    if (!f) {
        if (error) *error = "no file stream";
        if (fd >= 0)
            _close(fd);
        else
            CloseHandle(h);
        DeleteFileW(Wide(temp).c_str());
        return nullptr;
    }
    *name = temp;
    return f;
}
