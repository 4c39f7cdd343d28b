// The program's own entry. The system's entry point (runtime/platform/entry, built into
// the program file only) calls it with the command-line arguments as UTF-8 texts; on Windows
// that is SDL's WinMain, so the program is a window program without a console.
#pragma once

int ProgramMain(int argc, char** argv);
