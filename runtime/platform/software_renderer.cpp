#include "runtime/platform/software_renderer.h"

const char kSoftwareWarningCaption[] = "!!OpenGL Software Emulation!!";
// The German half ends in "unterstützt!" (UTF-8, as the message box takes it).
const char kSoftwareWarningText[] =
    "Please update your GFX adapter's driver\nso it can render OpenGL by HARDWARE\n\n\n"
    "Bitte aktualisieren Sie Ihren\nGrafkkartentreiber, damit er OpenGL\nper HARDWARE "
    "unterst\xC3\xBCtzt!";

SoftwareRenderer ClassifyRenderer(const std::string& renderer, bool generic_pixel_format) {
    if (generic_pixel_format || renderer == "Mesa Windows GDI Driver")
        return SoftwareRenderer::kWarn;
    if (renderer.find("llvmpipe") != std::string::npos ||
        renderer.find("softpipe") != std::string::npos)
        return SoftwareRenderer::kQuiet;
    return SoftwareRenderer::kNone;
}
