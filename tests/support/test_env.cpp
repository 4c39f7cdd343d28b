#include "support/test_env.h"

#include <stdlib.h>
#include <unistd.h>

#include <stdexcept>

#include "runtime/base/log.h"

std::string MakeTempFolder(const std::string& prefix) {
    const char* base = getenv("ZOLV_TEST_TMP");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/" + prefix + "XXXXXX";
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    if (!mkdtemp(buf.data())) throw std::runtime_error("mkdtemp failed");
    return std::string(buf.data()) + "/";
}

std::string UsePrivateTempFolder() {
    std::string dir = MakeTempFolder("zolv-test-");
    setenv("TMPDIR", dir.c_str(), 1);
    return dir;
}

void UseOffscreenVideo() {
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
}

std::vector<std::string> ReadLogEntries() {
    std::string text = ReadWholeFile(LogFilePath());
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t pos; (pos = text.find("\r\n", start)) != std::string::npos; start = pos + 2)
        lines.push_back(text.substr(start, pos - start));
    if (start < text.size()) lines.push_back(text.substr(start) + "<no CR LF>");
    return lines;
}
