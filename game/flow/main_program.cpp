#include "game/flow/main_program.h"

#include "game/maps/board_render.h"
#include "game/maps/map_file.h"
#include "game/maps/settings_file.h"
#include "game/screen/screen_helpers.h"
#include "game/state/game_state.h"
#include "runtime/core/draw2d.h"
#include "runtime/core/engine.h"
#include "runtime/core/input.h"

namespace game {
namespace {

// Start-up: the settings files define the game, then the 320 x 240 display.
void StartUp() {
    ClearFrame();
    mostraschermo();
    Impostazioni();
    exturbo = turbo;
    exlfps = lfps;
    CreateOffscreen(0, 0, 320, 240);
    SetDisplayMode(320, 240, static_cast<int>(fullscrn));
    ClearFrame();
    mostraschermo();
    SetFiltering(static_cast<int>(smoo));
    SetEscapeEnds(static_cast<int>(esce));
    SetFrameLimit(lfps);
}

// The title: the picture fades in, the four letters and the credits line go over it, and a
// key moves on.
void TitleScreen() {
    FadeToImage(("Media/Zolv-sfo1." + estgfx_Str).str());
    SetBlendAlpha(-0.5);
    DrawSprite(static_cast<int>(chtitolo) + 0, 8, 4);
    DrawSprite(static_cast<int>(chtitolo) + 1, 76, 4);
    DrawSprite(static_cast<int>(chtitolo) + 2, 158, 36);
    DrawSprite(static_cast<int>(chtitolo) + 3, 220, 8);
    SetBlendAlpha(-0.5);
    ScriveTESTO("Made by the Zolv team", 40, 208, 11, 1.2);
    SetBlendAlpha(0);
    SuonaEFFETTO(12, 0);
    mostraschermo();
    WaitAnyKey();
    sceltamenu = 0;
    map = map2;
    map5 = map;
    map = 0;
    opz = 1;
}

}  // namespace
}  // namespace game

// Start-up and the title run as the game will run them. The menu and play are not built
// yet: after the title, the first level's board is drawn as play draws it, the player
// standing at the start, until the window is closed.
void MainProgram() {
    using namespace game;
    StartUp();
    TitleScreen();
    map = 0;
    editor = 0;
    mappafissa = 1;
    zoom = 1;
    rotazione = 0;
    sceltamenu = -1;
    MappaCARICA();
    for (;;) {
        MappaRENDER();
        mostraschermo();
        animazione = animazione + 1;
        if (animazione == 8) animazione = 0;
    }
}
