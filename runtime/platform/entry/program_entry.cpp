// The system's entry point of the program file. On Windows SDL_main.h turns this main into
// SDL_main, which SDL's WinMain calls with the arguments as UTF-8.
#include "runtime/platform/program_entry.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_main.h>

int main(int argc, char* argv[]) {
    return ProgramMain(argc, argv);
}
