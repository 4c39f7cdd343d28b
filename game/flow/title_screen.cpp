#include "game/flow/title_screen.h"

#include "game/maps/settings_file.h"
#include "game/play/controls.h"
#include "game/screen/extra_texts.h"
#include "game/screen/help_overlay.h"
#include "game/screen/screen_helpers.h"
#include "game/state/game_state.h"
#include "runtime/frame/engine.h"
#include "runtime/frame/fade.h"
#include "runtime/gfx/draw2d.h"
#include "runtime/input/input.h"
#include "runtime/input/key_codes.h"

namespace game {

EntryPoint StartUp() {
    ClearFrame();
    mostraschermo();
    Impostazioni();
    PadKeys();
    exturbo = turbo;
    exlfps = lfps;
    CreateOffscreen(0, 0, 320, 240);
    SetDisplayMode(320, 240, static_cast<int>(fullscrn));
    ClearFrame();
    mostraschermo();
    SetFiltering(static_cast<int>(smoo));
    SetEscapeEnds(static_cast<int>(esce));
    SetFrameLimit(lfps);
    return EntryPoint::kTitle;
}

void DrawTitleLetters() {
    SetBlendAlpha(-0.5);
    DrawSprite(static_cast<int>(chtitolo) + 0, 8, 4);
    DrawSprite(static_cast<int>(chtitolo) + 1, 76, 4);
    DrawSprite(static_cast<int>(chtitolo) + 2, 158, 36);
    DrawSprite(static_cast<int>(chtitolo) + 3, 220, 8);
    // A dark band under the credit and the key lines keeps them readable over the bricks.
    SetBlendAlpha(0);
    FillBox(0, 180, 320, 60, 0x000000);
    // One line for both keys, above the credit line where it stands.
    ScriveTESTO(TextValue(ExtraText("TITLE_PRESS_KEY")) + TextValue("  -  ") +
                    TextValue(ExtraText("TITLE_HELP_KEY")),
                888, 188, 8, 0.6);
    SetBlendAlpha(-0.5);
    ScriveTESTO("Made by the Zolv team", 40, 208, 11, 1.2);
    SetBlendAlpha(0);
}

EntryPoint TitleScreen() {
    FadeToImage(("Media/Zolv-sfo1." + estgfx_Str).str());
    DrawTitleLetters();
    SuonaEFFETTO(12, 0);
    mostraschermo();
    while (WaitAnyKeyOr(kKeyF1)) {
        DrawBackground();
        DrawTitleLetters();
        ShowHelp(HelpScreen::kTitle);
        DrawBackground();
        DrawTitleLetters();
        mostraschermo();
    }
    return TitleToMenu();
}

EntryPoint TitleToMenu() {
    sceltamenu = 0;
    map = map2;
    map5 = map;
    map = 0;
    opz = 1;
    return EntryPoint::kMenuSetUp;
}

}  // namespace game
