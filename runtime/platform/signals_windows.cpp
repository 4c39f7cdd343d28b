// The Windows side of the end signals: the C runtime's SIGINT and SIGBREAK (Ctrl+C and
// Ctrl+Break in a console) and SIGTERM (raised within the program). There is no file-size
// signal.
#include <signal.h>

#include "runtime/platform/signals.h"

namespace {
volatile sig_atomic_t g_signal = 0;

constexpr int kEndSignals[] = {SIGTERM, SIGINT, SIGBREAK};

void OnEndSignal(int number) {
    if (g_signal != 0) {
        signal(number, SIG_DFL);
        raise(number);
        return;
    }
    g_signal = number;
    // The C runtime resets the handler before calling it.
    signal(number, &OnEndSignal);
}
}  // namespace

void PlatformCatchEndSignals() {
    for (int number : kEndSignals) signal(number, &OnEndSignal);
}

int PlatformEndSignal() {
    return g_signal;
}

const char* PlatformSignalName(int signal_number) {
    switch (signal_number) {
        case SIGTERM:
            return "SIGTERM";
        case SIGINT:
            return "SIGINT";
        case SIGBREAK:
            return "SIGBREAK";
        default:
            return "signal";
    }
}
