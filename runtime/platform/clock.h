// The clock and sleeping. Times are milliseconds as doubles.
#pragma once

// Milliseconds from a fixed point (the performance counter), sub-millisecond resolution.
double PlatformNowMs();

// Sleeps for `ms` whole milliseconds (nothing for 0 or less).
void PlatformSleepMs(int ms);

// Sleeps until the clock reads `when` (PlatformNowMs's milliseconds); returns at once for a
// time already past.
void PlatformSleepUntilMs(double when);
