// What the board drawing decides besides the picture: the level-end counter and its sound,
// the player's frames (walk, blink, spin, dance), its position in a glide and on ice, the
// panel's time text, hidden walls, the cabin without glass and the still picture of a map.
#include <gtest/gtest.h>

#include "game/screen/screen_helpers.h"
#include "render_fixture.h"

namespace {

using game_test::BoardDrawing;

// Map 15: the start (2, 4) is floor once loaded, (2, 5) an exit, (2, 6) ice, (4, 4) a slide.
constexpr int kExitX = 2, kExitY = 5;

// The frame counter as the play loop advances it after each picture.
void NextAnimationStep() {
    game::animazione = game::animazione + 1;
    if (game::animazione == 8) game::animazione = 0;
}

bool EffectPlayed() {
    return game::distanza != -1;
}

class PlayerDrawing : public BoardDrawing {
  protected:
    void SetUp() override {
        BoardDrawing::SetUp();
        if (IsSkipped()) return;
        game::suoni = 1;
        game::lfps = 60;
        game::distanza = -1;
        // Blinks and idle sounds are drawn by chance: the same draws on every run.
        SeedRandom(11);
    }
    // Draws one picture and says whether an effect played during it.
    static bool Frame() {
        game::distanza = -1;
        game::MappaRENDER();
        return EffectPlayed();
    }
};

TEST_F(PlayerDrawing, LevelEndsInThe121stFrameOnTheExitWithOneSound) {
    game::giocx = kExitX;
    game::giocy = kExitY;
    game::animazione = 1;
    // Eggs left: standing on the exit neither counts nor dances.
    EXPECT_FALSE(Frame());
    EXPECT_EQ(game::finelivello, 0);
    EXPECT_EQ(game::ani, 16);

    // The last egg is taken: the counter is 1 and the play loop ends the level at 2 lfps + 2.
    game::finelivello = 1;
    int frames = 0;
    int sounds = 0;
    const char* dance = "55664465";
    while (game::finelivello < 2 * game::lfps + 2 && frames < 1000) {
        const double step = game::animazione;
        sounds += Frame();
        ++frames;
        EXPECT_EQ(game::ani, 32 + (dance[static_cast<int>(step)] - '0')) << "frame " << frames;
        NextAnimationStep();
    }
    EXPECT_EQ(frames, 121);
    EXPECT_EQ(sounds, 1) << "the level-end sound plays once per attempt";
    EXPECT_EQ(game::suonofine, 1);

    // Off the exit the count stands still; back on it goes on.
    game::finelivello = 50;
    game::giocy = kExitY - 1;
    Frame();
    EXPECT_EQ(game::finelivello, 50);
    game::giocy = kExitY;
    EXPECT_FALSE(Frame());
    EXPECT_EQ(game::finelivello, 51);
}

TEST_F(PlayerDrawing, BlinkOnlyOnTheFirstStepAndNeverFacingUp) {
    game::giocx = 2;
    game::giocy = 4;
    game::giocdir = 1;
    int blinks = 0;
    for (int i = 0; i < 400; ++i) {
        game::animazione = i % 8;
        Frame();
        if (game::animazione != 0) {
            ASSERT_EQ(game::ani, 8) << "step " << game::animazione;
        } else {
            ASSERT_TRUE(game::ani == 8 || game::ani == 40) << game::ani;
            blinks += game::ani == 40;
        }
    }
    // One chance in eleven on each of the 50 first steps.
    EXPECT_GT(blinks, 2);
    EXPECT_LT(blinks, 15);

    game::giocdir = 0;
    game::animazione = 0;
    for (int i = 0; i < 40; ++i) {
        Frame();
        ASSERT_EQ(game::ani, 0);
    }
}

TEST_F(PlayerDrawing, SpinOnASlideWithAnOccasionalSound) {
    game::giocx = 4;
    game::giocy = 4;
    const char* spin = "32211123";
    game::lfps = 1;  // the idle sound then plays on about every second picture
    int sounds = 0;
    for (int i = 0; i < 64; ++i) {
        game::animazione = i % 8;
        sounds += Frame();
        ASSERT_EQ(game::ani, 32 + (spin[i % 8] - '0')) << "step " << i % 8;
    }
    EXPECT_GT(sounds, 5);
    EXPECT_LT(sounds, 59);

    // Gliding over a slide walks instead of spinning.
    game::giocdir = 3;
    game::direzione = 3;
    game::movimento = 2;
    EXPECT_FALSE(Frame());
    EXPECT_EQ(game::ani, 26);
}

TEST_F(PlayerDrawing, WalkFramesGlideOffsetAndIceBob) {
    game::giocx = 2;
    game::giocy = 4;
    game::giocdir = 3;
    game::direzione = 3;
    game::animazione = 1;
    game::movimento = 3;
    game::movx = -5;
    Frame();
    EXPECT_EQ(game::ani, 27);
    // Fixed board at zoom 1: the cell at (40, 76), moved by the glide.
    EXPECT_EQ(game::zxp, 35);
    EXPECT_EQ(game::zyp, 76);
    // Turbo: frames 2, 4, 6 of the facing, the glide offset doubled.
    game::turbo = 1;
    for (int m = 1; m <= 3; ++m) {
        game::movimento = m;
        Frame();
        EXPECT_EQ(game::ani, 24 + 2 * m);
    }
    EXPECT_EQ(game::zxp, 30);
    // A scrolling board moves under the player instead.
    game::mappafissa = 0;
    Frame();
    EXPECT_EQ(game::zxp, 6 * 20 + game::bordox);

    // Standing on ice: 2, 2, 1, 1, 0, 0, 1, 1 pixels lower.
    game::mappafissa = 1;
    game::turbo = 0;
    game::movimento = -1;
    game::movx = 0;
    game::giocy = 6;
    const int bob[] = {2, 2, 1, 1, 0, 0, 1, 1};
    for (int step = 0; step < 8; ++step) {
        game::animazione = step;
        Frame();
        EXPECT_EQ(game::zyp, 6 * 12 + 28 + bob[step]) << "step " << step;
    }
}

TEST_F(PlayerDrawing, PanelTimeAsMinutesAndSeconds) {
    const struct {
        double tempo;
        const char* minutes;
        const char* seconds;
    } cases[] = {{65.9, "01", "05"}, {0.5, "00", "00"}, {899.99, "14", "59"}, {6000, "100", "00"}};
    for (const auto& c : cases) {
        game::tempo = c.tempo;
        game::DisegnaINFO();
        EXPECT_EQ(game::t1_Str, c.minutes) << c.tempo;
        EXPECT_EQ(game::t2_Str, c.seconds) << c.tempo;
    }
    // Zoom 3 (the commentary's close-up) has no texts, nor has the editor a time.
    game::tempo = 125;
    game::zoom = 3;
    game::DisegnaINFO();
    EXPECT_EQ(game::t1_Str, "100");
    game::zoom = 1;
    game::editor = 1;
    game::DisegnaINFO();
    EXPECT_EQ(game::t1_Str, "100");
    game::editor = 0;
    game::DisegnaINFO();
    EXPECT_EQ(game::t1_Str, "02");
}

// Without the panel, so that only the board is compared.
TEST_F(BoardDrawing, WallsHiddenInPlayButAlwaysShownInTheEditor) {
    game::sceltamenu = 0;
    game::mostramuri = 1;
    const RgbImage shown = Render();
    game::mostramuri = 0;
    EXPECT_NE(Render().rgb, shown.rgb);

    game::editor = 1;
    game::mostramuri = 1;
    const RgbImage editor_shown = Render();
    game::mostramuri = 0;
    EXPECT_EQ(Render().rgb, editor_shown.rgb);
}

TEST_F(BoardDrawing, FixedBoardCornersAndThePlayerInACabinWithoutGlass) {
    game::Margini();
    game::DisegnaSCHEMA();
    // The last cell drawn is (15, 15) of the fixed board at (0, 28).
    EXPECT_EQ(game::zx, 300);
    EXPECT_EQ(game::zy, 208);

    LoadMap(16);
    game::giocx = 7;
    game::giocy = 4;
    game::vetri = 0;
    game::animazione = 1;
    game::pers = -1;
    Render();
    EXPECT_EQ(game::pers, game::SpritePEZZO(game::chgioca) + 16) << "player drawn in the cabin";
    EXPECT_EQ(game::zxp, 7 * 20);
}

TEST_F(BoardDrawing, StillPictureOfAMapInSpriteZero) {
    game::map = 16;
    game::giocx = -1;
    SeedRandom(7);
    game::Sprite0();
    EXPECT_EQ(game::sceltamenu, 0);
    EXPECT_GE(game::giocx, 0) << "the map was loaded";
    double w = 0, h = 0;
    SpriteSize(0, w, h);
    EXPECT_EQ(w, 320);
    EXPECT_EQ(h, 240);
    const RgbImage drawn = Render();
    ClearFrame();
    DrawSprite(0, 0, 0);
    EXPECT_EQ(ReadScreen().rgb, drawn.rgb);
}

}  // namespace
