// The POSIX side of the end signals.
#include <signal.h>

#include "runtime/platform/signals.h"

namespace {
volatile sig_atomic_t g_signal = 0;

constexpr int kEndSignals[] = {SIGTERM, SIGINT, SIGHUP, SIGQUIT};

void OnEndSignal(int number) {
    if (g_signal != 0) {
        // Asked twice: whatever the program is doing, it does not look at the first request.
        signal(number, SIG_DFL);
        raise(number);
        return;
    }
    g_signal = number;
}
}  // namespace

void PlatformCatchEndSignals() {
    struct sigaction action {};
    action.sa_handler = &OnEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : kEndSignals) sigaction(number, &action, nullptr);
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGXFSZ, &ignore, nullptr);
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
        case SIGHUP:
            return "SIGHUP";
        case SIGQUIT:
            return "SIGQUIT";
        default:
            return "signal";
    }
}
