// Signals that ask the program to end (SIGTERM, SIGINT, SIGHUP, SIGQUIT; on Windows SIGINT,
// SIGTERM and SIGBREAK). The handler only notes the signal: the frame step, the event pump
// and the headless key source look at the note and end the program in the ordinary way, so
// the end report is written and the line files are flushed. A second such signal while the
// first is still unanswered ends the process at once, the system's way (a way out of a loop
// that looks at nothing). A write past the file-size limit fails with an error instead of
// killing the program (SIGXFSZ ignored).
#pragma once

// Installs the handlers; call before the window system installs its own.
void PlatformCatchEndSignals();
// The first end signal caught and not yet answered, 0 when none.
int PlatformEndSignal();
// A short name for a signal number ("SIGTERM").
const char* PlatformSignalName(int signal_number);
