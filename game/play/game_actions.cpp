#include "game/play/game_actions.h"

#include <string_view>

#include "game/maps/tile_read.h"
#include "game/screen/screen_helpers.h"
#include "game/state/game_state.h"
#include "runtime/input/input.h"

namespace game {

namespace {

// Replay characters: a move is "0" to "3", information stops "A", "B", ...
constexpr int kMoveCharBase = 48;
constexpr int kInfoCharBase = 65;

// Entry p of the piece table, with its rule that a negative index counts from the end; nullptr
// where the table would stop the game.
const char* PieceEntry(int piece, void*) {
    const int size = pezzi_Str.size(0);
    if (!pezzi_Str.sized()) return nullptr;
    if (piece < 0) piece += size;
    if (piece < 0 || piece >= size) return nullptr;
    return pezzi_Str(piece).c_str();
}

// The piece rules of the current piece table. The table is filled once at start-up, so they
// are worked out anew only when a move starts, not in every frame of a glide.
const PieceRules& CurrentRules(bool move_starts) {
    static PieceRules rules;
    static bool built = false;
    if (move_starts || !built) {
        PieceRulesFromGame(rules);
        built = true;
    }
    return rules;
}

int Whole(double value) {
    return static_cast<int>(value);
}

// The game's way of stopping at a piece outside the table: the same checked reads tile reading
// and the role lookups make, which end the program with error 9.
void StopAtFault(const PlayState& s, int fault) {
    if (fault == 1 || fault == 2) {
        xr = fault == 1 ? s.last.exx : s.last.xr;
        yr = fault == 1 ? s.last.exy : s.last.yr;
        MappaLeggeTILE();
    }
    if (fault == 3) static_cast<void>(pezzi_Str(chghibuco));
    if (fault == 4) static_cast<void>(pezzi_Str(chsotto));
}

// The working variables of the frame, for the debugger and the drawing that reads them.
void ShowReadings(const FrameReport& frame, const FrameReadings& seen) {
    if (!frame.moving) return;
    mx = seen.mx;
    my = seen.my;
    if (!frame.read) return;
    exx = seen.exx;
    exy = seen.exy;
    expez = seen.expez - chrdiff;
    extipo_Str = CharText(seen.extipo);
    extipo2_Str = CharText(seen.extipo2);
    xr = seen.xr;
    yr = seen.yr;
    pez = seen.pez - chrdiff;
    va = seen.va - chrdiff;
    tipo_Str = CharText(seen.tipo);
    tipo2_Str = CharText(seen.tipo2);
    if (!frame.completed) return;
    newtipo_Str = CharText(seen.newtipo);
    pt = seen.pt;
    if (seen.switched != 0) {
        seq_Str = SwitchRewriteText(seen.switched);
        temp_Str = mappa_Str;
        p_Str = Substring(mappa_Str, kBoardCells - 1, 1);
    }
}

}  // namespace

void PieceRulesFromGame(PieceRules& rules) {
    BuildPieceRules(rules, PieceEntry, nullptr, Whole(chrdiff), Whole(chghibuco), Whole(chsotto),
                    fattorex, fattorey);
}

void PlayStateFromGame(PlayState& s) {
    for (int i = 0; i < kBoardCells; ++i) s.cells[i] = static_cast<uint8_t>(CharAt(mappa_Str, i));
    s.giocx = static_cast<int8_t>(Whole(giocx));
    s.giocy = static_cast<int8_t>(Whole(giocy));
    s.uova = static_cast<int16_t>(Whole(uova));
    s.uova2 = static_cast<int16_t>(Whole(uova2));
    s.finelivello = Whole(finelivello);
    s.passi = Whole(passi);
    s.punti = Whole(punti);
    s.turbo = static_cast<int8_t>(Whole(turbo));
    s.rotazione = static_cast<int8_t>(Whole(rotazione));
    s.movimento = static_cast<int8_t>(Whole(movimento));
    s.direzione = static_cast<int8_t>(Whole(direzione));
    s.giocdir = static_cast<int8_t>(Whole(giocdir));
    s.scivolo = static_cast<int8_t>(Whole(scivolo));
    s.animaffonda = static_cast<int8_t>(Whole(animaffonda));
    s.movx = movx;
    s.movy = movy;
}

void PlayStateToGame(const PlayState& s) {
    bool changed = false;
    for (int i = 0; i < kBoardCells && !changed; ++i)
        changed = s.cells[i] != static_cast<uint8_t>(CharAt(mappa_Str, i));
    if (changed) {
        // A board from a short line stays short: its missing cells read as 0 and end the text.
        int length = 0;
        while (length < kBoardCells && s.cells[length] != 0) ++length;
        mappa_Str = std::string_view(reinterpret_cast<const char*>(s.cells), length);
    }
    giocx = s.giocx;
    giocy = s.giocy;
    uova = s.uova;
    uova2 = s.uova2;
    finelivello = s.finelivello;
    passi = s.passi;
    punti = s.punti;
    movimento = s.movimento;
    direzione = s.direzione;
    giocdir = s.giocdir;
    scivolo = s.scivolo;
    animaffonda = s.animaffonda;
    movx = s.movx;
    movy = s.movy;
}

void AzioniGIOCO() {
    CallDepthScope depth;
    // An information stop while recording goes into the replay before this frame's move.
    if (rivede == -1 && tasa != 0) {
        replay_Str.AppendChar(static_cast<char>(Whole(testoreplay) + kInfoCharBase));
        testoreplay = testoreplay + 1;
        ScriveTESTO("Aggiungo info", 0, 100, 20, 1);
        mostraschermo();
        WaitAnyKey();
    }
    const PieceRules& rules = CurrentRules(tasdir > -1);
    PlayState state;
    PlayStateFromGame(state);
    SoundList sounds;
    const FrameReport frame = AdvanceFrame(state, rules, Whole(tasdir), &sounds);
    if (frame.fault) StopAtFault(state, frame.fault);
    if (frame.started) {
        const char move = static_cast<char>(frame.move_char + kMoveCharBase);
        if (rivede == -1) replay_Str.AppendChar(move);
        if (rivede == 1 && Len(replay_Str) > rep) rep = rep + 1;
        mosse_Str.AppendChar(move);
    }
    PlayStateToGame(state);
    ShowReadings(frame, state.last);
    if (frame.refused) ok = 1;
    for (int i = 0; i < sounds.count && i < SoundList::kCapacity; ++i)
        SuonaEFFETTO(sounds.slot[i], 0);
}

void Punteggi() {
    CallDepthScope depth;
    pt = StepPoints(static_cast<uint8_t>(CharCode(tipo_Str)),
                    static_cast<uint8_t>(CharCode(tipo2_Str)));
    punti = punti + pt * (turbo + 1);
}

}  // namespace game
