#include "runtime/frame/fade.h"

#include <string>

#include "runtime/frame/engine.h"
#include "runtime/gfx/draw2d.h"
#include "runtime/headless/headless.h"

namespace {
constexpr int kFadeMs = 1500;
}

void FadeToImage(std::string_view file) {
    std::string path;
    if (!FadeBegin(file, &path)) return;
    const double end = NowMs() + kFadeMs;
    double x = 0.9;
    // Nobody watches a headless run: the fade is skipped, not played in virtual time.
    if (HeadlessActive()) x = 0;
    while (x > 0 && x < 1) {
        FadeDraw(x);
        ShowFrame();
        x = (end - NowMs()) / kFadeMs;
    }
    FadeEnd(path);
    ShowFrame();
}
