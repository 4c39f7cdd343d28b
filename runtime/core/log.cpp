#include "runtime/core/log.h"

#include <fcntl.h>
#include <unistd.h>

#include "runtime/core/platform/folders.h"

std::string LogFilePath() {
    return PlatformTempFolder() + "ErrorLog.txt";
}

void AppendLog(std::string_view text) {
    std::string entry(text);
    entry += "\r\n";
    const std::string path = LogFilePath();
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (attempt > 0) usleep(100 * 1000);
        int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
        if (fd < 0) continue;
        size_t done = 0;
        while (done < entry.size()) {
            ssize_t n = write(fd, entry.data() + done, entry.size() - done);
            if (n <= 0) break;
            done += static_cast<size_t>(n);
        }
        close(fd);
        return;
    }
}

void DeleteLog() {
    unlink(LogFilePath().c_str());
}
