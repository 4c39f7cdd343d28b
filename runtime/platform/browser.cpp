#include "runtime/platform/browser.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>

#include <string>

void PlatformSavesChanged() {
    // The page's own function (app/web/pre.js): it starts a copy at once, or one more after
    // the copy under way.
    EM_ASM({
        if (Module.zolvSaveSoon) Module.zolvSaveSoon();
    });
}

void PlatformConsoleLog(std::string_view text) {
    const std::string line(text);
    EM_ASM({ console.log("zolv: " + UTF8ToString($0)); }, line.c_str());
}

#else

void PlatformSavesChanged() {}
void PlatformConsoleLog(std::string_view) {}

#endif
