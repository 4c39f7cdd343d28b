#include "game/flow/main_program.h"

#include "runtime/core/engine.h"

// Until the screens exist, the main program shows frames until the window is closed.
void MainProgram() {
    for (;;) ShowFrame();
}
