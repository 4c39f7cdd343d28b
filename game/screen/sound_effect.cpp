// Sound effects placed by where the player stands on the screen.
#include <cmath>

#include "game/screen/local_vars.h"
#include "game/screen/screen_helpers.h"
#include "game/state/game_state.h"
#include "runtime/audio/sound.h"
#include "runtime/values/random.h"

namespace game {

EffectPlacement PlaceEffect(double zxp, double zyp, double volumebase, double stereo) {
    if (stereo != 1) return {0, volumebase};
    // Screen pixels: x 150 is the middle of the pan range, and the sound fades by one
    // volume unit per 360 pixels away from row 180.
    const double fade = std::fabs((180 - zyp) / 360);
    return {zxp / 150 - 1, volumebase - fade};
}

double SuonaEFFETTO(double numero, double aspetta) {
    static DebugVarTable table;
    LocalVars locals(table);
    locals.Number("numero", numero).Number("aspetta", aspetta);
    locals.Note();
    if (suoni == 0) return 0;
    // Idle effects play about once in lfps + 1 calls, so about once a second at any speed.
    if (aspetta == 1 && Random(lfps) == lfps) aspetta = 0;
    if (aspetta != 0) return 0;
    StopAllSounds();
    distanza = std::fabs((180 - zyp) / 360);
    const EffectPlacement placed = PlaceEffect(zxp, zyp, volumebase, stereo);
    a = PlaySoundSlot(static_cast<int>(numero), placed.pan, placed.volume);
    return 0;
}

}  // namespace game
