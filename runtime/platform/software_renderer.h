// Telling a software OpenGL renderer from a graphics card's.
#pragma once
#include <string>

enum class SoftwareRenderer {
    kNone,   // a graphics card's driver
    kQuiet,  // Mesa's llvmpipe or softpipe: the normal case without a GPU, only logged
    kWarn,   // the system's own software OpenGL: the player is told to update the driver
};

// `renderer` is the GL_RENDERER text; `generic_pixel_format` tells whether the window's pixel
// format is the system's generic (unaccelerated) one.
SoftwareRenderer ClassifyRenderer(const std::string& renderer, bool generic_pixel_format);

// The warning box's caption and text.
extern const char kSoftwareWarningCaption[];
extern const char kSoftwareWarningText[];
