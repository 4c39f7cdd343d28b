// Ending the program: the error state, the shutdown steps and the end routine with its end
// report. The bottom of the runtime: the engine, input, errors and media lookup call down
// into it, and it calls nothing above the log and the platform layer.
#pragma once

// Error numbers the runtime sets.
enum RuntimeError : int {
    kErrorNone = 0,           // normal end
    kErrorFile = 3,           // a file could not be opened or read
    kErrorRange = 7,          // argument out of range, or no memory for an array
    kErrorShape = 8,          // array operation the shape does not allow
    kErrorIndex = 9,          // array index outside the array, or array never sized
    kErrorDataExhausted = 20  // read from the data list past its end
};

// Error state: all doubles, all 0 at start.
struct ErrorState {
    double number = 0;
    double line = 0;
    double file = 0;
    double current_line = 0;
};
ErrorState& Errors();
void ClearErrorState();

// Steps the end routine runs, in the order they were added (file flushing, sound shutdown,
// temporary media files). Each runtime object adds its own when it starts. The final step
// (the engine's: input released, window closed) runs after all of them.
void AddShutdownStep(void (*step)());
void SetFinalShutdownStep(void (*step)());

// Runs the shutdown steps and the final step, once. Also registered to run at a normal
// process exit that did not pass through EndProgram (a host program or test returning from
// main), so the audio thread stops before static objects it reads are destroyed.
void ShutDownRuntime();
void RunShutdownAtExit();

// Whether EndProgram writes its end report to the log (on in the debug build).
void SetEndReport(bool on);

// Ends the program: end report, shutdown steps, process exit. The exit status is 0 after a
// normal end (error number 0) and 1 after a runtime error, whose report is also printed to
// standard error.
[[noreturn]] void EndProgram();
// EndProgram after a normal end whose process exit status is `status` all the same: for a
// check that reported its own failures on standard output.
[[noreturn]] void EndProgramWithStatus(int status);

// A normal end asked for from outside the game's statements (window closed, Alt+F4, Esc, a
// debugger's stop request, the end of a headless script): the normal-end step once, then
// error number 0 whatever non-fatal error was recorded before, error line = current line,
// then EndProgram.
[[noreturn]] void EndNormally();

// What the program above the runtime does at such a normal end before the files are flushed
// (the game saves the player's options there, as its own exit does). Null: nothing.
void SetNormalEndStep(void (*step)());

// Answers an end signal (SIGTERM, SIGINT, SIGHUP, ...) caught since start: a log line naming
// it, then a normal end. Nothing when none was caught or the program is already ending. The
// frame step, the event pump and the headless key source call it.
void EndOnSignal();
