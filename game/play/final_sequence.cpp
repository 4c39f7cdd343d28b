#include "game/play/final_sequence.h"

#include <cmath>

#include "game/maps/board_render.h"
#include "game/play/controls.h"
#include "game/play/game_actions.h"
#include "game/screen/screen_helpers.h"
#include "game/state/game_state.h"
#include "runtime/frame/engine.h"
#include "runtime/gfx/draw2d.h"
#include "runtime/input/input.h"
#include "runtime/values/random.h"

namespace game {

namespace {

enum Actor { kChicks = 0, kPlayer = 1, kPartner = 2, kPartnerTwo = 3, kSaucer = 4 };
// Chicks in each of the two rows, 20 pixels apart.
constexpr int kChicksPerRow = 8;

void Place(int actor, double x_pos, double y_pos) {
    animfine(actor, 0) = x_pos;
    animfine(actor, 1) = y_pos;
    animfine(actor, 2) = 0;
    animfine(actor, 3) = 0;
}
void Speed(int actor, double dx, double dy) {
    animfine(actor, 2) = dx;
    animfine(actor, 3) = dy;
}
int X(int actor) {
    return static_cast<int>(animfine(actor, 0));
}
int Y(int actor) {
    return static_cast<int>(animfine(actor, 1));
}

// The changes of each phase; unlisted speeds keep what they had.
void PhaseChanges(int phase) {
    switch (phase) {
        case 1:
            Speed(kPlayer, 0, 3);
            Speed(kPartner, 4, 0);
            Speed(kPartnerTwo, -2, 0);
            break;
        case 2:
            Speed(kChicks, 0, 2);
            break;
        case 3:
            Speed(kPlayer, 0, 0);
            Speed(kPartner, 0, 0);
            Speed(kPartnerTwo, 0, 0);
            Speed(kChicks, 0, 2);
            volte = 6;
            break;
        case 4:
            Speed(kChicks, 0, 0);
            volte = 8;
            break;
        case 5:
            Speed(kSaucer, -6, 4);
            break;
        case 6:
            Speed(kSaucer, 0, 0);
            break;
        case 7:
            Speed(kPlayer, 0, -1);
            Speed(kPartner, 0.25, -1);
            Speed(kPartnerTwo, -0.25, -1);
            volte = 9;
            break;
        case 8:
            Speed(kPlayer, 0, 0);
            Speed(kPartner, 0, 0);
            Speed(kPartnerTwo, 0, 0);
            volte = 2;
            break;
        case 9:
            Speed(kSaucer, -6, 4);
            volte = 2;
            break;
        case 10:
            Speed(kSaucer, -6, -4);
            volte = 2;
            break;
        case 11:
            Speed(kSaucer, 12, -3);
            volte = 1;
            break;
        case 12:
            Speed(kSaucer, 24, -6);
            volte = 1;
            break;
        case 13:
            Speed(kSaucer, 36, -9);
            volte = 4;
            break;
        case 14:
            volte = 4;
            vv = 0.25;
            v2 = 1;
            x = 320;
            y = 0;
            break;
        default:
            break;
    }
}

void PhaseSound(int phase) {
    if (phase == 8) SuonaEFFETTO(15, 0);
    if (phase == 5 || phase >= 9) SuonaEFFETTO(13, 0);
    if (phase == 6 || phase == 7) SuonaEFFETTO(14, 0);
}

}  // namespace

void PlaceFinalActors() {
    DimArray(animfine, 5, 4);
    Place(kChicks, 0, -20);
    Place(kPlayer, 169, -33);
    Place(kPartner, -110, 160);
    Place(kPartnerTwo, 318, 161);
    Place(kSaucer, 340, -40);
}

void DrawFinalFrame(int phase, double k, int j, int fr) {
    const int background = static_cast<int>(coloresfondo);
    SetBlendAlpha(0);
    FillBox(0, 0, 320, 240, background);
    if (phase < 15) {
        const int floor_sprite = static_cast<int>(SpritePEZZO(chsotto));
        for (int row = 0; row < 16; ++row)
            for (int col = 0; col < 16; ++col) DrawSprite(floor_sprite, 20 * col, 12 * row);
        SetBlendAlpha(-0.5);
        ScriveTESTO("..." + testi_Str(phase < 14 ? 6 : 7, lingua) + "!!!", 10, 208, 14, 1);
        SetBlendAlpha(0);
        const int chick = static_cast<int>(SpritePEZZO(chuovo2)) + 4;
        for (int row = 0; row < 2; ++row) {
            for (int n = 0; n < kChicksPerRow; ++n) {
                if (phase < 4) {
                    s1 = fr == 3 ? 1 : fr;
                } else if (phase >= 6) {
                    s1 = Random(1) == 0 ? 1 : 3;
                } else {
                    s1 = 0;
                }
                DrawSprite(chick + static_cast<int>(s1), X(kChicks) + 20 * n + 10 * row + 80,
                           Y(kChicks) + 15 * row);
            }
        }
    }
    if (phase < 14) {
        ss = phase < 3 ? fr : 0;
        DrawSprite(static_cast<int>(SpritePEZZO(chgioca)) + 16 + 2 * static_cast<int>(ss),
                   X(kPlayer), Y(kPlayer));
        DrawSprite(static_cast<int>(chwife + ss), X(kPartner), Y(kPartner));
        DrawSprite(static_cast<int>(chwife + 4 + ss), X(kPartnerTwo), Y(kPartnerTwo));
        if (phase == 6 || phase == 7) {
            SetBlendAlpha(0.6);
            for (int col = 0; col < 2; ++col)
                for (int n = 0; n < 6; ++n)
                    DrawSprite(static_cast<int>(chraggio) + (n + fr) % 4, X(kSaucer) + 20 * col,
                               Y(kSaucer) + 24 + 20 * n);
            SetBlendAlpha(0);
        }
        gg = 0;
        if (phase >= 6 && phase <= 8) gg = j;
        if (phase >= 11) gg = 1;
        DrawSprite(static_cast<int>(chufo) + fr, X(kSaucer), Y(kSaucer));
        DrawSprite(static_cast<int>(chufo + 4 + gg), X(kSaucer) + 20, Y(kSaucer) - 7);
        if (phase == 8) ScriveTESTO(testi_Str(8, lingua), X(kSaucer) + 24, Y(kSaucer) + 24, 8, 0.5);
    }
    if (phase == 14) {
        DrawSpriteStretched(0, 0, 0, 320, 200);
        SetBlendAlpha(-0.5);
        FillBox(0, 0, 320, 200, background);
        SetBlendAlpha(-0.5);
        DrawSpriteZoomed(0, 0, 0, 5 * v2, 5 * v2);
        SetBlendAlpha(0);
        v2 -= 0.01;
        z = k * k * k;
        DrawSpriteZoomed(static_cast<int>(chufo) + fr, static_cast<int>(x), static_cast<int>(y), k,
                         k);
        DrawSpriteZoomed(static_cast<int>(chufo) + 4, static_cast<int>(x + 20),
                         static_cast<int>(y - z - 7), k, k);
        x -= z / 2;
        y += z / 4;
    }
    for (int actor = 0; actor < 5; ++actor) {
        animfine(actor, 0) += animfine(actor, 2);
        animfine(actor, 1) += animfine(actor, 3);
    }
}

EntryPoint FinalSequence() {
    SetBlendAlpha(0);
    Cls();
    SetFrameLimit(16);
    zoom = 1;
    PlaceFinalActors();
    for (animazione = 0; animazione <= 15; ++animazione) {
        const int phase = static_cast<int>(animazione);
        PhaseSound(phase);
        volte = 4;
        vv = 1;
        i = 1;
        PhaseChanges(phase);
        for (double k = 1; k <= volte; k += vv)
            for (int j = 0; j <= i; ++j)
                for (int fr = 0; fr <= 3 * i; ++fr) {
                    DrawFinalFrame(phase, k, j, fr);
                    if (suoni != 0) ControlloVOLUME();
                    if (phase < 15) mostraschermo();
                }
    }
    SetBlendAlpha(0);
    DrawSpriteStretched(0, 0, 0, 320, 240);
    mostraschermo();
    WaitAnyKey();
    return EntryPoint::kTitle;
}

}  // namespace game
