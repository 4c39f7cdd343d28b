// The player, score and replay files are text players keep and edit. The same bytes are put
// in all three and read by the game's own readers: the player's name, switches and progress,
// every map's records line compared with an attempt, and every map's replay line. Each must
// give values the menu and play can use; progress stored must read back.
#include <cstdint>
#include <cstdlib>

#include "game/maps/settings_file.h"
#include "game/play/records.h"
#include "game/state/game_state.h"
#include "scratch_media.h"

namespace {

bool IsSwitch(double v) {
    return v == 0 || v == 1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace game;
    static const std::filesystem::path folder = [] {
        const std::filesystem::path f = fuzz::MakeScratchMedia(true);
        const fuzz::InFolder in(f);
        Impostazioni();
        suoni = 0;
        return f;
    }();
    const fuzz::InFolder in(folder);
    const std::string player = filegioc_Str.str().substr(6);
    fuzz::WriteMediaFile(player, data, size);
    fuzz::WriteMediaFile(ScoreFileName().str().substr(6), data, size);
    fuzz::WriteMediaFile(ReplayFileName().str().substr(6), data, size);

    ReadPlayerName();
    if (Len(nome_Str) != 3) std::abort();
    ReadPlayerPreferences();
    if (!IsSwitch(suoni) || !IsSwitch(mostramuri) || !IsSwitch(vetri) || !IsSwitch(turbo) ||
        !IsSwitch(lingua))
        std::abort();
    suoni = 0;
    GiocatoreDATI();
    if (map2 < 0 || map2 > mapmax) std::abort();

    const uint8_t a = size > 0 ? data[0] : 0, b = size > 1 ? data[1] : 0;
    for (map = 0; map <= mapmax; ++map) {
        a_Str = ReadFileLine(ScoreFileName(), static_cast<int>(map));
        passi = static_cast<int>(a * 37 + map) % 10000;  // within the four columns
        punti = static_cast<double>(b) * 39 - 999;
        t1 = a % 100;
        t2 = b % 100;
        CompareRecords();
        if (Len(a_Str) != 30) std::abort();
        double value = 0;
        for (const int at : {3, 12, 21})
            if (!RecordFieldValue(Substring(a_Str, at, 4), &value)) std::abort();
        ReadReplayLine();
        if (rep != 0 && rep != -1) std::abort();
        if (rep == -1 && !replay_Str.empty()) std::abort();
    }

    // Progress stored for a map within the set reads back as the highest map reached.
    map2 = 0;
    map = a % (static_cast<int>(mapmax) + 1);
    StoreProgress();
    FlushLineFile();
    GiocatoreDATI();
    if (map2 != map) std::abort();
    return 0;
}
