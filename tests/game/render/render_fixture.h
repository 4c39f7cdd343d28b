// The board drawing tests: the shipped media set read as at start-up, then the game's
// 320 x 240 screen with off-screen target 0, and the play state an attempt starts with.
#pragma once
#include <gtest/gtest.h>

#include "game/maps/board_render.h"
#include "game/maps/map_file.h"
#include "game/maps/settings_file.h"
#include "game/media_folder.h"
#include "game/state/game_state.h"
#include "runtime/frame/engine.h"
#include "runtime/gfx/draw2d.h"
#include "runtime/values/random.h"
#include "support/gl_test_screen.h"

namespace game_test {

class BoardDrawing : public InMediaFolder {
  protected:
    void SetUp() override {
        StartTestEngine(640, 480);
        InMediaFolder::SetUp();
        if (!ShippedMediaPresent()) GTEST_SKIP() << "media set not in this tree";
        CopyShippedMedia();
        // Sheets are cut from the 640 x 480 screen, as at start-up.
        SelectTarget(-1);
        SetDisplayMode(640, 480, 0);
        game::Impostazioni();
        SetDisplayMode(320, 240, 0);
        CreateOffscreen(0, 0, 320, 240);
        SetBlendAlpha(0);
        ClearFrame();
        game::lingua = 1;
        LoadMap(15);
    }

    // Map `number` as an attempt starts it: fixed board at zoom 1, idle, facing down.
    static void LoadMap(int number) {
        game::map = number;
        game::editor = 0;
        game::mappafissa = 1;
        game::zoom = 1;
        game::rotazione = 0;
        game::video = 0;
        game::giocdir = 2;
        game::movimento = -1;
        game::direzione = -1;
        game::movx = 0;
        game::movy = 0;
        game::animaffonda = 0;
        game::scivolo = -1;
        game::animazione = 0;
        game::sceltamenu = -1;
        game::MappaCARICA();
    }

    // One picture of the board, the random flickers of chicks and walls the same every time.
    static RgbImage Render() {
        SeedRandom(7);
        SetBlendAlpha(0);
        game::exam = 0;
        ClearFrame();
        game::MappaRENDER();
        return ReadScreen();
    }
};

}  // namespace game_test
