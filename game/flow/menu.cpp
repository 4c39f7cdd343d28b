#include "game/flow/menu.h"

#include <algorithm>
#include <cmath>

#include "game/flow/player_options.h"
#include "game/flow/readme.h"
#include "game/maps/board_render.h"
#include "game/maps/settings_file.h"
#include "game/play/controls.h"
#include "game/play/game_actions.h"
#include "game/play/level_names.h"
#include "game/play/records.h"
#include "game/screen/extra_texts.h"
#include "game/screen/help_overlay.h"
#include "game/screen/screen_helpers.h"
#include "game/state/game_state.h"
#include "runtime/base/errors.h"
#include "runtime/frame/engine.h"
#include "runtime/gfx/draw2d.h"
#include "runtime/input/input.h"
#include "runtime/input/key_codes.h"
#include "runtime/values/line_file.h"

namespace game {

namespace {

constexpr int kPlay = 0;
constexpr int kRecords = 1;
constexpr int kReplay = 2;
constexpr int kLanguage = 3;
constexpr int kDemonstration = 4;
constexpr int kReadme = 5;
constexpr int kName = 6;
constexpr int kFirstOption = 7;
constexpr int kLastOption = 10;
constexpr double kRed = 255;
constexpr int kFirstPrintable = 32;
constexpr int kLastPrintable = 126;

bool Whole(double value) {
    return value == std::floor(value);
}

double& OptionSwitch(int entry) {
    switch (entry) {
        case 7:
            return suoni;
        case 8:
            return mostramuri;
        case 9:
            return vetri;
        default:
            return turbo;
    }
}

// Name entry. Returns false when the frame ends here (a refused name was undone).
bool NameEntry() {
    if (lettera > 0 && (tasa == 1 || tasx == 1 || tasy == 1 || tasl == 1 || tasr == 1 ||
                        tassel == 1 || tassta == 1)) {
        for (f = 1; f <= Len(noname_Str); f += 4) {
            if (Substring(noname_Str, static_cast<int>(f) - 1, 3) == nome_Str) {
                // Back to the name from before the edit; editing goes on.
                nome_Str = nomeprec_Str;
                SuonaEFFETTO(12, 0);
                return false;
            }
        }
        lettera = 0;
        WriteFileLine(filegioc_Str, 0, nome_Str);
    }
    if (tasb == 1) {
        if (lettera == 0) nomeprec_Str = nome_Str;
        lettera = 1;
    }
    if (lettera > 0) {
        if (tasdir == 3 && lettera > 1) lettera -= 1;
        if (tasdir == 1 && lettera < 3) lettera += 1;
        if (tasdir == 0 || tasdir == 2) {
            n_Str = nome_Str;
            const int at = static_cast<int>(lettera) - 1;
            int code = CharAt(n_Str, at) + static_cast<int>(tasdir) - 1;
            if (code == 64) code = 90;
            if (code == 91) code = 65;
            // A name holds printable characters only: stepping stops at either end.
            code = std::clamp(code, kFirstPrintable, kLastPrintable);
            nome_Str = Substring(n_Str, 0, at) + CharText(code) + Substring(n_Str, at + 1, -1);
        }
    }
    return true;
}

void InputPhase() {
    if (lettera != 0) return;
    if (tasdir == 0 && opz > 0) opz -= 1;
    if (tasdir == 2 && opz < ttmenu) opz += 1;
    const bool vertical = tasdir == 0 || tasdir == 2;
    if (opz == kDemonstration && vertical) {
        map5 = map;
        map = 0;
    }
    if ((opz == kLanguage && tasdir == 0) || (opz == kReadme && tasdir == 2)) map = map5;
    mm = 0;
    if (opz != kDemonstration && opz != ttmenu) {
        if (tasdir == 1) mm = 1;
        if (tasdir == 3) mm = -1;
    }
    if (mm != 0) {
        map += mm;
        if (map < 0) map = map2;
        if (map > map2) map = 0;
        Sprite0();
    }
}

void DrawRecordsTable() {
    a_Str = ReadFileLine(ScoreFileName(), map);
    ScriveTESTO(testi_Str(4, lingua) + ":" + Substring(a_Str, 3, 4), 8, 80, 12, 0.5);
    ScriveTESTO(Substring(a_Str, 8, 3), 40, 100, 32, 1);
    ScriveTESTO(testi_Str(3, lingua) + ":" + Substring(a_Str, 12, 4), 16, 135, 12, 0.5);
    ScriveTESTO(Substring(a_Str, 17, 3), 48, 155, 32, 1);
    ScriveTESTO(
        testi_Str(2, lingua) + ":" + Substring(a_Str, 21, 2) + "." + Substring(a_Str, 23, 2), 24,
        190, 12, 0.5);
    ScriveTESTO(Substring(a_Str, 26, 3), 56, 210, 32, 1);
    // A record set with undo or a hint carries a mark beside its holder.
    const double mark_y[3] = {100, 155, 210};
    bool any = false;
    for (int k = 0; k < 3; ++k)
        if (RecordAided(k)) {
            ScriveTESTO("*", 140, mark_y[k], 16, 1);
            any = true;
        }
    // The legend sits on the right, between the level line and the preview.
    if (any) ScriveTESTO("* " + ExtraText("AID_MARK"), 164, 110, 7.5, 0.45);
}

void DrawMenuList() {
    double line_y = 40;
    st = 15;
    for (int entry = 0; entry <= ttmenu; ++entry) {
        TextValue text_Str = menu_Str(entry, lingua);
        if (entry >= kFirstOption && entry <= kLastOption)
            text_Str += " " + testi_Str(13 + OptionSwitch(entry), lingua);
        SetBlendAlpha(0);
        const double length = Len(text_Str) > 0 ? Len(text_Str) : 1;
        double text_x = 0, scale = 0.6, advance = 128 / length, draw_y = line_y;
        const bool selected = entry == opz;
        if (selected) {
            draw_y += 4;
            scale = 1;
            advance = 154 / length;
            if (Whole(std::fabs(v1) / 4)) SetBlendAlpha(0.5);
            if (entry == ttmenu) {
                draw_y -= 12;
                text_x = 888;
                scale = 2.5;
                advance = 48;
            }
        }
        if (opz1 == 1 || entry == kRecords) ScriveTESTO(text_Str, text_x, draw_y, advance, scale);
        line_y += st;
        // The chosen entry is drawn larger: the next entry starts below its letters.
        if (selected) line_y += entry == ttmenu ? 4 : 8;
    }
}

void DrawTitleLetters() {
    z = 0.4;
    z2 = 16;
    v3 = v4 = -38;
    if (opz == ttmenu) {
        z = 1;
        z2 = 32;
        v3 = v4 = 0;
    }
    SetBlendAlpha(0);
    a = std::fabs(v1);
    const int t = static_cast<int>(chtitolo);
    DrawSpriteZoomed(t + 2, static_cast<int>(120 + 2 * a), static_cast<int>(v4 + z2 + 2), z, z);
    DrawSpriteZoomed(t + 1, static_cast<int>(120 - 2 * a), static_cast<int>(v4), z, z);
    DrawSpriteZoomed(t + 3, static_cast<int>(120 + 5 * a), static_cast<int>(v3 + 6), z, z);
    DrawSpriteZoomed(t + 0, static_cast<int>(120 - 5 * a), static_cast<int>(v3 + 2), z, z);
    v1 += v2;
    if (v1 <= -20 || v1 >= 20) v2 = -v2;
}

// The menu over the captured preview; presenting is the caller's.
void DrawingPhase() {
    SetBlendAlpha(0);
    FillBox(0, 0, 320, 240, static_cast<int>(opz == ttmenu ? kRed : coloresfondo));
    if (opz < ttmenu) {
        DrawSpriteZoomed(0, 80, 60, 0.5, 0.5);
        n_Str = nome_Str;
        m = map2;
        if (opz == kDemonstration) {
            n_Str = "Zolv";
            m = 99;
        }
        SetBlendAlpha(0);
        const bool flash = lettera > 0 && Whole(std::fabs(v1) / 4);
        if (flash) SetBlendAlpha(0.5);
        ScriveTESTO(testi_Str(5, lingua) + ":", 170, 54, 12, 0.75);
        for (int c = 0; c <= 2; ++c) {
            const double scale = lettera == c + 1 ? 1.2 : 0.75;
            ScriveTESTO(Substring(n_Str, c, 1), 230 + 14 * c, 54, 12, scale);
        }
        SetBlendAlpha(0);
        // A long level line ("LIVELLO:11/11") is drawn narrower so it ends inside the screen.
        const TextValue level_Str =
            testi_Str(1, lingua) + ":" + NumberToText(map) + "/" + NumberToText(m);
        const int level_length = Len(level_Str) > 0 ? Len(level_Str) : 1;
        ScriveTESTO(level_Str, 170, 88, std::min(12.0, 140.0 / level_length), 0.75);
        r = 48;
        for (int k = -1; k <= 1; ++k) {
            const int d = 8 * std::abs(k);
            DrawLine(160, static_cast<int>(r) + d, 160, 240 - d, 0);
            DrawLine(8 + d, static_cast<int>(r), 312 - d, static_cast<int>(r), 0);
        }
        if (opz != kDemonstration) DrawLevelName(map, 240, 202, 156);
    }
    if (editor != 0 && opz < ttmenu) ScriveTESTO(testi_Str(9, lingua), 176, 216, 8, 0.5);
    opz1 = 1;
    if (opz == kRecords && tasb == 1) {
        opz1 = 0;
        DrawRecordsTable();
    }
    DrawMenuList();
    DrawTitleLetters();
}

void ZoomTransition() {
    SetFrameLimit(30);
    a1 = 80;
    a2 = 60;
    for (int step = 0; step < 8; ++step) {
        f = 0.6 + 0.05 * step;
        a1 -= 8;
        a2 -= 6;
        Cls();
        DrawSpriteZoomed(0, static_cast<int>(a1), static_cast<int>(a2), f, f);
        mostraschermo();
    }
}

[[noreturn]] void ExitGame() {
    SaveOptions();
    StopErrorZero();
}

EntryPoint ActionPhase() {
    if (lettera > 0) return EntryPoint::kMenuLoop;
    rivede = 0;
    if (tasb != 1) return EntryPoint::kMenuLoop;
    const int entry = static_cast<int>(opz);
    if (entry == kLanguage) lingua = std::fabs(1 - lingua);
    if (entry == kReadme) return ReadmeViewer();
    if (editor == 0 && (entry == kPlay || entry == kReplay || entry == kDemonstration))
        ZoomTransition();
    if (entry == kPlay) return LevelStart();
    if (entry == kReplay && editor == 0) {
        map3 = 111;
        rivede = 1;
        return LevelStart();
    }
    if (entry == kDemonstration && editor == 0) {
        map3 = map;
        map = 0;
        rivede = 1;
        return LevelStart();
    }
    if (entry == ttmenu) ExitGame();
    if (entry >= kFirstOption && entry <= kLastOption) {
        double& option = OptionSwitch(entry);
        option = std::fabs(1 - option);
        // Turbo glides twice as fast and reads the controls twice as often, as at start-up.
        if (entry == kLastOption) ogni = ControlsEvery(turbo);
    }
    return EntryPoint::kMenuRestart;
}

}  // namespace

void SaveOptions() {
    WriteFileLine(filegioc_Str, 3, NumberToText(1 - suoni));
    WriteFileLine(filegioc_Str, 4, NumberToText(1 - mostramuri));
    WriteFileLine(filegioc_Str, 5, NumberToText(1 - vetri));
    WriteFileLine(filegioc_Str, 6, NumberToText(turbo));
    WriteFileLine(filegioc_Str, 7, NumberToText(1 - lingua));
}

EntryPoint LevelStart() {
    zoom = 2;
    SetFrameLimit(lfps);
    testoreplay = 0;
    sceltamenu = -1;
    return EntryPoint::kAttemptStart;
}

EntryPoint MenuSetUp() {
    rotazione = 0;
    GiocatoreDATI();
    ApplyPlayerOptions();
    v1 = -20;
    v2 = 1;
    zoom = 1;
    mappafissa = 1;
    rotazione = 0;
    SetBlendAlpha(0);
    ClearFrame();
    Sprite0();
    return EntryPoint::kMenuRestart;
}

EntryPoint MenuRestart() {
    animazione = 0;
    return EntryPoint::kMenuLoop;
}

void MenuFrameBegin() {
    animazione += 1;
    if (animazione == 8) animazione = 0;
    if (editor == 1 && map > map2) map = map2;
    rotazione = 0;
    map3 = -1;
    zoom = 1;
    mappafissa = 1;
    SetBlendAlpha(0);
    ClearFrame();
}

void DrawMenuFrame() {
    // While a name is being edited the preview is not captured again.
    if (lettera == 0 && opz < ttmenu) {
        SetBlendAlpha(0);
        Sprite0();
        ClearFrame();
    }
    DrawingPhase();
}

EntryPoint MenuLoop() {
    MenuFrameBegin();
    SetFrameLimit(10);
    tasdir = -1;
    TastiAZZERA();
    Tasti();
    if (HelpAsked() && lettera == 0) {
        // The menu stays as it is under the help: no key of this frame acts on it.
        DrawMenuFrame();
        ShowHelp(HelpScreen::kMenu);
        return EntryPoint::kMenuLoop;
    }
    OneStepPerTap();
    OneEditorSwitchPerPress();
    // F2 opens the player's options (not while a name is being edited).
    static bool options_key_was_down = true;
    const bool options_key = KeyDown(kKeyF2) != 0;
    const bool options_pressed = options_key && !options_key_was_down;
    options_key_was_down = options_key;
    if (options_pressed && lettera == 0) return OptionsScreen();
    if (tasl == 1 && tasr == 1) editor = std::fabs(1 - editor);
    if (opz == kName && !NameEntry()) {
        // The refused frame is still presented, so the keys and the window are read anew.
        DrawMenuFrame();
        mostraschermo();
        return EntryPoint::kMenuLoop;
    }
    InputPhase();
    DrawMenuFrame();
    mostraschermo();
    return ActionPhase();
}

}  // namespace game
