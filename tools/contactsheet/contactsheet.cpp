// zolv_contactsheet FOLDER OUT_PREFIX [MAP]
//
// Reads the settings files of FOLDER/Media exactly as the game does at start-up, then writes
//   OUT_PREFIX-sprites-N.png  every cut sprite in a grid, numbered;
//   OUT_PREFIX-pieces.png     every piece of the table: its sprite, character, number and
//                             kind letters;
//   OUT_PREFIX-map-M.png      board M (default 1) as play first shows it: fixed board, the
//                             player at the start, the information panel, at 320 x 240.
// Runs without a display (SDL's offscreen driver) unless SDL_VIDEODRIVER says otherwise.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "game/maps/board_render.h"
#include "game/maps/map_file.h"
#include "game/maps/settings_file.h"
#include "game/screen/screen_helpers.h"
#include "game/state/game_state.h"
#include "runtime/frame/engine.h"
#include "runtime/gfx/draw2d.h"
#include "runtime/gfx/fonts.h"
#include "screen_png.h"

namespace {

constexpr int kSheetWidth = 1024;
constexpr int kSheetHeight = 768;
// One grid cell of the sprite sheet: room for a 40 x 32 sprite and its number below.
constexpr int kCellWidth = 48;
constexpr int kCellHeight = 48;
constexpr int kCellBackground = 0x302828;

void Label(const std::string& text, int x, int y) {
    SetBlendAlpha(0);
    PrintText(text, x, y);
}

// Draws sprite n inside the box at (x, y), shrunk to fit when larger.
void SpriteInBox(int n, int x, int y, int w, int h) {
    double sw = 0, sh = 0;
    SpriteSize(n, sw, sh);
    if (sw <= 0 || sh <= 0) return;
    SetBlendAlpha(0);
    if (sw <= w && sh <= h) {
        DrawSprite(n, x, y);
        return;
    }
    const double scale = std::min(w / sw, h / sh);
    DrawSpriteStretched(n, x, y, static_cast<int>(sw * scale), static_cast<int>(sh * scale));
}

bool Save(const std::string& path) {
    const bool ok = SaveScreenPng(path);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", path.c_str());
    return ok;
}

int WriteSpriteSheets(const std::string& prefix) {
    const int last = static_cast<int>(game::spr) - 1;
    const int columns = kSheetWidth / kCellWidth;
    const int per_page = columns * (kSheetHeight / kCellHeight);
    int page = 0;
    for (int first = 1; first <= last; first += per_page, ++page) {
        SetBlendAlpha(0);
        FillBox(0, 0, kSheetWidth, kSheetHeight, 0);
        for (int n = first; n <= last && n < first + per_page; ++n) {
            const int x = ((n - first) % columns) * kCellWidth;
            const int y = ((n - first) / columns) * kCellHeight;
            FillBox(x + 1, y + 1, kCellWidth - 2, kCellHeight - 12, kCellBackground);
            SpriteInBox(n, x + 2, y + 2, kCellWidth - 4, kCellHeight - 14);
            Label(std::to_string(n), x + 2, y + kCellHeight - 10);
        }
        if (!Save(prefix + "-sprites-" + std::to_string(page + 1) + ".png")) return 1;
    }
    std::printf("%d sprites; font from %g, indicators from %g, title letters from %g\n", last,
                game::chchr, game::chvarie, game::chtitolo);
    return 0;
}

int WritePieceSheet(const std::string& prefix) {
    constexpr int kPieceWidth = 64;
    constexpr int kPieceHeight = 64;
    const int columns = kSheetWidth / kPieceWidth;
    SetBlendAlpha(0);
    FillBox(0, 0, kSheetWidth, kSheetHeight, 0);
    int shown = 0;
    for (int p = 0; p < 128; ++p) {
        const TextValue entry_Str = game::pezzi_Str(p);
        if (entry_Str.empty()) continue;
        const int x = (shown % columns) * kPieceWidth;
        const int y = (shown / columns) * kPieceHeight;
        FillBox(x + 1, y + 1, kPieceWidth - 2, 40, kCellBackground);
        SpriteInBox(static_cast<int>(game::SpritePEZZO(p)), x + 2, y + 2, kPieceWidth - 4, 38);
        // Cell character, piece number, then the two kind letters.
        Label(Substring(entry_Str, 0, 1).str() + " " + std::to_string(p), x + 2, y + 43);
        Label("[" + Substring(entry_Str, 7, 2).str() + "]", x + 2, y + 53);
        ++shown;
    }
    std::printf("%d pieces\n", shown);
    return Save(prefix + "-pieces.png") ? 0 : 1;
}

int WriteMap(const std::string& prefix, int map) {
    SetDisplayMode(320, 240, 0);
    CreateOffscreen(0, 0, 320, 240);
    game::map = map;
    game::editor = 0;
    game::mappafissa = 1;
    game::zoom = 1;
    game::rotazione = 0;
    game::MappaCARICA();
    SetBlendAlpha(0);
    game::exam = 0;
    game::MappaRENDER();
    std::printf("map %d: player at %g, %g; %g eggs, %g chicks\n", map, game::giocx, game::giocy,
                game::uova, game::uova2);
    return Save(prefix + "-map-" + std::to_string(map) + ".png") ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s FOLDER OUT_PREFIX [MAP]\n", argv[0]);
        return 2;
    }
    // Start-up moves to the program's folder, so both paths are fixed first.
    const std::string prefix = std::filesystem::absolute(argv[2]).string();
    const std::filesystem::path folder = std::filesystem::absolute(argv[1]);
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    Startup() = StartupSettings{};
    EngineInit("", 1, "Zolv contact sheet");
    std::filesystem::current_path(folder);
    game::Impostazioni();
    SetDisplayMode(kSheetWidth, kSheetHeight, 0);
    int failed = WriteSpriteSheets(prefix);
    failed |= WritePieceSheet(prefix);
    failed |= WriteMap(prefix, argc > 3 ? std::atoi(argv[3]) : 1);
    return failed;
}
