#include "runtime/base/log.h"

#include "runtime/platform/browser.h"
#include "runtime/platform/clock.h"
#include "runtime/platform/files.h"
#include "runtime/platform/folders.h"

std::string LogFilePath() {
    return PlatformTempFolder() + "ErrorLog.txt";
}

void AppendLog(std::string_view text) {
    PlatformConsoleLog(text);
    std::string entry(text);
    entry += "\r\n";
    const std::string path = LogFilePath();
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (attempt > 0) PlatformSleepMs(100);
        if (PlatformAppendToFile(path, entry)) return;
    }
}

void DeleteLog() {
    PlatformDeleteFile(LogFilePath());
}
