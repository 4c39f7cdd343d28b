// Presenting the frame and clearing the screen.
#include "game/screen/screen_helpers.h"
#include "game/state/game_state.h"
#include "runtime/frame/engine.h"
#include "runtime/gfx/draw2d.h"

namespace game {

namespace {
// Scan lines of the old-television look: near-black, because pure black is the key colour
// and would be drawn fully transparent.
constexpr int kScanLineColour = 0x010101;
constexpr int kVolumeFrameColour = 0x00B400;
constexpr int kVolumeBarColour = 0x00F800;
}  // namespace

double mostraschermo() {
    CallDepthScope depth;
    if (vecchiatv > 0) {
        SetBlendAlpha(-vecchiatv / 100);
        for (int row = 1; row < 240; row += 2) DrawLine(0, row, 319, row, kScanLineColour);
        SetBlendAlpha(0);
    }
    if (tasvol2 > 0) {
        tasvol2 = tasvol2 - 1;
        vovo = 100 * volumebase / volumemax;
        SetBlendAlpha(0);
        FillBox(108, 14, 104, 12, kVolumeFrameColour);
        if (vovo > 0) FillBox(110, 16, static_cast<int>(vovo), 8, kVolumeBarColour);
    }
    ShowFrame();
    return 0;
}

double Cls() {
    CallDepthScope depth;
    FillBox(0, 0, 320, 240, static_cast<int>(coloresfondo));
    return 0;
}

}  // namespace game
