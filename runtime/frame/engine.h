// The runtime's outer shell: start-up, the frame present with its frame limiter and event
// pumping, display mode and the clock. The end routine is in program_end.h (included here).
#pragma once
#include <source_location>
#include <string>

#include "runtime/base/program_end.h"

// Start-up settings, written by the entry before EngineInit.
struct StartupSettings {
    int width = 640;
    int height = 480;
    int fullscreen = 0;
    int fps = 60;
    int multisample = 0;
    int hide_mouse = 0;
    int debug_build = 1;  // no pause on focus loss; EndProgram writes its end report
    std::string folder;   // the folder the game runs from; empty: the program's own folder
};
StartupSettings& Startup();

// Opens the window and starts every runtime object. Returns 0; on a window or context that
// cannot be had it logs the reason, prints it to standard error and ends with status 1.
int EngineInit(const std::string& command_line, int show_command, const std::string& title);
bool EngineStarted();

// Presents the finished frame and prepares the next (the once-per-frame call).
void ShowFrame(std::source_location where = std::source_location::current());

// Swaps, waits for the frame's due time while pumping events, clears the new frame.
// Returns the milliseconds spent plus 1, so never 0.
double FrameWait();

// The frame schedule: from `due`, advance by whole intervals until it is not before `now`.
// (One interval is always added; late frames are not made up.)
double AdvanceDueTime(double due, double interval, double now);

// The frame schedule as it stands (TimerNow's zero, the last two frames' start, the next due
// time, the interval), and putting it back: a run that plays several checks starts each at
// the same point of its clock.
struct FrameSchedule {
    double start_time = 0, previous_frame = 0, current_frame = 0, due = 0, interval = 0;
};
FrameSchedule CurrentFrameSchedule();
void RestoreFrameSchedule(const FrameSchedule& schedule);

// Frames per second, truncated; 0 or less gives a 2 ms interval.
void SetFrameLimit(double fps);
double FrameInterval();
double NextFrameDue();

// New logical client size (0 keeps the current one) and windowed / full-screen desktop.
void SetDisplayMode(int width, int height, int fullscreen);
int ScreenWidth();
int ScreenHeight();

// Milliseconds since start-up, and sleeping for whole milliseconds.
double TimerNow();
void SleepMs(double ms);
double NowMs();

bool Paused();
const std::string& WindowTitle();
void SetWindowTitle(const std::string& title);
