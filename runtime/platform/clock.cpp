#include "runtime/platform/clock.h"

#include <errno.h>
#include <time.h>
#if defined(__linux__)
#include <sys/prctl.h>
#endif
#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

double PlatformNowMs() {
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1000.0 + static_cast<double>(ts.tv_nsec) / 1.0e6;
}

void PlatformSleepMs(int ms) {
    if (ms <= 0) return;
#ifdef __EMSCRIPTEN__
    // A sleep in the browser hands the page back to its event loop (under Asyncify) for that
    // long: a nanosleep there would spin and freeze the page.
    emscripten_sleep(static_cast<unsigned>(ms));
    return;
#endif
    timespec ts{ms / 1000, static_cast<long>(ms % 1000) * 1000000L};
    while (nanosleep(&ts, &ts) != 0) {
    }
}

void PlatformSleepUntilMs(double when) {
    if (when <= 0) return;
#ifdef __EMSCRIPTEN__
    // The browser's timers count whole milliseconds: the sleep ends before the due time, the
    // frame wait spins the rest.
    const double left = when - PlatformNowMs();
    if (left >= 1) emscripten_sleep(static_cast<unsigned>(left));
    return;
#endif
#if defined(__linux__)
    // The kernel may let a sleep run on by the thread's timer slack (50 us unless set): 1 us
    // lets the frame wait sleep closer to the due time and spin less. Set once, for the thread
    // that waits for frames.
    static thread_local const bool slack_set = prctl(PR_SET_TIMERSLACK, 1000UL, 0, 0, 0) == 0;
    (void)slack_set;
#endif
    const double seconds = when / 1000.0;
    timespec ts;
    ts.tv_sec = static_cast<time_t>(seconds);
    ts.tv_nsec = static_cast<long>((seconds - static_cast<double>(ts.tv_sec)) * 1.0e9);
    if (ts.tv_nsec >= 1000000000L) ts.tv_nsec = 999999999L;
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &ts, nullptr) == EINTR) {
    }
}
