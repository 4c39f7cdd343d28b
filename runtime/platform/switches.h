// The runtime's own switches, read from the environment once, here and nowhere else. Each is
// on when its variable is set to anything but "" or "0".
//
//   ZOLV_GL_PRESENT=1    under a software renderer, present by OpenGL's scaled blit and a
//                        buffer swap instead of scaling the picture by the processor
//   ZOLV_WHOLE_FRAMES=1  draw every frame whole, never only the rectangles that changed
//   ZOLV_TEST=1          an unattended run (the test suite): message boxes only go to stderr
//   ZOLV_GL_CHECK=1      while a frame is recorded, check that nothing reaches OpenGL but the
//                        recorder (the program stops with a message when something does);
//                        ./test.sh turns it on for the whole suite
//
// The system's own variables (TMPDIR, HOME, XDG_DATA_HOME, APPDATA, SDL_*) are read where
// they are used.
#pragma once

struct RuntimeSwitches {
    bool gl_present = false;
    bool whole_frames = false;
    bool test = false;
    bool gl_check = false;
};

// Read at the first call; later changes to the environment are not seen.
const RuntimeSwitches& Switches();
// Reads the environment again (tests that change a switch).
void ReloadSwitches();
