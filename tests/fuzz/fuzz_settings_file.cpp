// A settings file is text a level maker edits by hand. Whatever its bytes, the game must read
// it line by line to the end (or to "FINE!") without a fault, and the same file read twice
// from the defaults must give the same tables.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "game/maps/settings_file.h"
#include "game/state/game_state.h"
#include "scratch_media.h"

namespace {

// The tables the directives fill, as one text.
std::string Tables() {
    using namespace game;
    std::string s;
    for (int i = 0; i < ArrayBounds(pezzi_Str, 0); ++i) s += pezzi_Str(i).str() + "\n";
    for (int i = 0; i < ArrayBounds(menu_Str, 0); ++i)
        s += menu_Str(i, 0).str() + "|" + menu_Str(i, 1).str() + "\n";
    for (int i = 0; i < ArrayBounds(testi_Str, 0); ++i)
        s += testi_Str(i, 0).str() + "|" + testi_Str(i, 1).str() + "\n";
    return s + rotaz_Str.str() + mapset_Str.str() + NumberToText(mapmax).str();
}

std::string ReadFromDefaults() {
    using namespace game;
    ResetGameState();
    SetSettingsDefaults();
    DimArray(pezzi_Str, 128);
    DimArray(pressioni, 16);
    DimArray(menu_Str, 16, 2);
    DimArray(testi_Str, 16, 2);
    FlushLineFile();
    ReadSettingsFile(1);
    return Tables();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::filesystem::path folder = fuzz::MakeScratchMedia(false);
    const fuzz::InFolder in(folder);
    fuzz::WriteMediaFile("Zolv-dat1.txt", data, size);
    const std::string first = ReadFromDefaults();
    if (ReadFromDefaults() != first) std::abort();
    return 0;
}
