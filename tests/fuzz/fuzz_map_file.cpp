// A map file is text a level maker edits or shares. Whatever a line holds, loading it must
// give a whole board of 256 known pieces in play and in the editor, and every cell must read
// through every view rotation and every drawing grid without a fault.
#include <cstdint>
#include <cstdlib>

#include "game/maps/map_file.h"
#include "game/maps/settings_file.h"
#include "game/maps/tile_read.h"
#include "game/state/game_state.h"
#include "runtime/values/game_array.h"
#include "scratch_media.h"

namespace {

void ReadEveryCell() {
    using namespace game;
    const int pieces = static_cast<int>(ArrayBounds(pezzi_Str, 0));
    if (Len(mappa_Str) != 256) std::abort();
    for (int i = 0; i < 256; ++i) {
        const int piece = CharAt(mappa_Str, i) - static_cast<int>(chrdiff);
        if (piece < 0 || piece >= pieces) std::abort();
    }
    for (rotazione = 0; rotazione < 4; ++rotazione) {
        for (yr = 0; yr < 16; ++yr)
            for (xr = 0; xr < 16; ++xr) MappaLeggeTILE();
        for (mappafissa = 0; mappafissa < 2; ++mappafissa)
            for (zoom = 1; zoom <= 3; ++zoom) {
                SetViewWindow();
                for (double ym = 0; ym <= xym; ++ym)
                    for (double xm = 0; xm <= xym; ++xm)
                        if (GridCell(xm, ym) && (xr < 0 || xr > 15 || yr < 0 || yr > 15))
                            std::abort();
            }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::filesystem::path folder = [] {
        const std::filesystem::path f = fuzz::MakeScratchMedia(true);
        const fuzz::InFolder in(f);
        game::Impostazioni();
        game::suoni = 0;
        return f;
    }();
    const fuzz::InFolder in(folder);
    fuzz::WriteMediaFile(game::MapFileName().str().substr(6), data, size);
    // The first line, a line the first byte names, and one past the end of most files.
    for (const double which : {0.0, static_cast<double>(size > 0 ? data[0] % 100 : 0), 99.0}) {
        for (game::editor = 0; game::editor < 2; ++game::editor) {
            game::map = which;
            game::giocx = 7;
            game::giocy = 7;
            game::giocdir = game::map == 0 ? 1 : 2;
            game::MappaCARICA();
            if (game::giocx < 0 || game::giocx > 15 || game::giocy < 0 || game::giocy > 15)
                std::abort();
            ReadEveryCell();
        }
    }
    game::rotazione = 0;
    game::zoom = 1;
    return 0;
}
