#include "game/play/play_rules.h"

#include <cstring>

namespace game {

namespace {

// Kind letters sit at characters 7 and 8 of a piece-table entry.
constexpr int kKindAt = 7;
constexpr int kKind2At = 8;

// Cabin sides by screen facing, four characters per facing: a cabin whose second letter is
// among them refuses the player entering it (A) or leaving it (B) while facing that way.
constexpr const char* kCabinEnterClosed = "2349035601471258";
constexpr const char* kCabinLeaveClosed = "0147125823490356";
// A cabin left turns to its next orientation: the character at the same place of the second
// text.
constexpr const char* kCabinTurnFrom = ";<=>?@WX{}";
constexpr const char* kCabinTurnTo = "<=>;@?X{}W";
// Switch rewrites by the switch's second letter "0" to "4", as pairs: the first character of
// a pair becomes the second, the first pair that matches a cell wins.
constexpr const char* kSwitchRewrites[5] = {"9::9;<<==>>;?@@?WXX{{}}W", "CccCDddD", "EeeEFffF",
                                            "GggGHhhH", "IJJIKLLKMNNM"};

// Board step of a direction: 0 up, 1 right, 2 down, 3 left; any other direction stays put.
constexpr int8_t kStepX[4] = {0, 1, 0, -1};
constexpr int8_t kStepY[4] = {-1, 0, 1, 0};
inline int StepX(int d) {
    return d >= 0 && d < 4 ? kStepX[d] : 0;
}
inline int StepY(int d) {
    return d >= 0 && d < 4 ? kStepY[d] : 0;
}
// A glide that has not ended by this frame (turbo other than 0 or 1 from the settings) is
// not run on further in one go.
constexpr int kLongestGlide = 100;

inline int WrapFacing(int d) {
    return SlideRequest(d, 0);
}

uint8_t SideMask(const char* table, uint8_t kind2) {
    uint8_t mask = 0;
    for (int facing = 0; facing < 4; ++facing)
        for (int i = 0; i < 4; ++i)
            if (table[facing * 4 + i] == static_cast<char>(kind2))
                mask |= static_cast<uint8_t>(1 << facing);
    return mask;
}

inline uint8_t CharOf(const char* entry, int at) {
    // An entry is a NUL-ended text: stop at its end.
    for (int i = 0; i < at; ++i)
        if (entry[i] == 0) return 0;
    return static_cast<uint8_t>(entry[at]);
}

inline bool CountersDone(const PlayState& s) {
    return s.uova == 0 && s.uova2 == 0;
}

// The glide is over: the cell being left changes, the player arrives, and the cell arrived
// at takes effect, in this order.
void Complete(PlayState& s, const PieceRules& r, const CellRule& left, const CellRule& ahead,
              SoundList* sounds, FrameReport& out) {
    auto sound = [sounds](int effect) {
        if (sounds) sounds->Add(effect);
    };
    FrameReadings& seen = s.last;
    s.movimento = -1;
    s.scivolo = -1;
    uint8_t newtipo = 0;
    const int from = s.giocy * 16 + s.giocx;
    if (left.kind == 'C') {
        if (r.turn[s.cells[from]] != s.cells[from]) newtipo = r.turn[s.cells[from]];
        sound(2);
    }
    if (left.kind2 == 'A') {
        if (r.hole_fault) {
            out.fault = 3;
            return;
        }
        s.animaffonda = 0;
        newtipo = r.hole;
        sound(3);
    }
    if (left.kind == 'P') {
        newtipo = '8';
        --s.uova2;
        sound(8);
        if (CountersDone(s)) {
            s.finelivello = 1;
            sound(5);
        }
    }
    if (newtipo != 0) s.cells[from] = newtipo;
    seen.newtipo = newtipo;

    s.giocx = static_cast<int8_t>(s.giocx + seen.mx);
    s.giocy = static_cast<int8_t>(s.giocy + seen.my);
    s.movx = 0;
    s.movy = 0;
    s.direzione = -1;
    const int to = s.giocy * 16 + s.giocx;

    if (ahead.kind == 'G') {
        s.scivolo = static_cast<int8_t>(ahead.slide);
        s.movimento = 0;
        if (left.kind != 'G') sound(9);
    }
    s.passi += s.turbo + 1;
    if (left.kind == 'G' && ahead.kind == 'G') s.passi -= 1;
    seen.pt = static_cast<int8_t>(StepPoints(ahead.kind, ahead.kind2));
    s.punti += seen.pt * (s.turbo + 1);
    if (ahead.kind == 'V' && ahead.kind2 == 'U') sound(11);
    if (ahead.kind2 == 'U') {
        seen.newtipo = '^';
        s.cells[to] = '^';
    }
    if (ahead.kind == 'O') {
        if (r.floor_fault) {
            out.fault = 4;
            return;
        }
        seen.newtipo = r.floor;
        // An empty floor entry writes nothing: the board keeps its 256 cells.
        if (r.floor != 0) s.cells[to] = r.floor;
        sound(6);
        --s.uova;
        if (CountersDone(s)) {
            s.finelivello = 1;
            sound(5);
        }
    }
    if (ahead.kind == 'I') {
        seen.switched = ahead.kind2;
        if (ahead.switch_table != 0) {
            const uint8_t* rewrite = r.rewrite[ahead.switch_table - 1];
            for (uint8_t& cell : s.cells) cell = rewrite[cell];
        }
        sound(4);
    }
    out.completed = true;
}

}  // namespace

const char* SwitchRewriteText(uint8_t kind2) {
    return kind2 >= '0' && kind2 <= '4' ? kSwitchRewrites[kind2 - '0'] : "";
}

int StepPoints(uint8_t kind, uint8_t kind2) {
    int pt = 0;
    if (kind2 == 'U') pt = 15;
    if (kind2 == 'A') pt = -5;
    if (kind == 'I') pt = -10;
    if (kind == 'O') pt = 25;
    if (kind == 'P') pt = 35;
    if (kind == 'C') pt = -1;
    return pt;
}

void BuildPieceRules(PieceRules& rules, PieceEntryFn entry, void* context, int chrdiff,
                     int chghibuco, int chsotto, double fattorex, double fattorey) {
    for (int rot = 0; rot < 4; ++rot) {
        for (int code = 0; code < 256; ++code) {
            CellRule rule;
            const char* stored = entry(code - chrdiff, context);
            const char* shown = stored ? entry(CharOf(stored, rot) - chrdiff, context) : nullptr;
            if (!shown) {
                rule.fault = 1;
            } else {
                rule.shown = CharOf(stored, rot);
                rule.kind = CharOf(shown, kKindAt);
                rule.kind2 = CharOf(shown, kKind2At);
                rule.blocks =
                    rule.kind == 'M' || rule.kind == 'B' || rule.kind == 'U' || rule.kind == 'N';
                if (rule.kind == 'C') {
                    rule.enter_closed = SideMask(kCabinEnterClosed, rule.kind2);
                    rule.leave_closed = SideMask(kCabinLeaveClosed, rule.kind2);
                }
                // A slide's second letter is its direction as a number (a non-digit reads as
                // 0), kept within the four directions.
                const int value = rule.kind2 >= '0' && rule.kind2 <= '9' ? rule.kind2 - '0' : 0;
                rule.slide = static_cast<uint8_t>(value % 4);
                if (rule.kind2 >= '0' && rule.kind2 <= '4')
                    rule.switch_table = static_cast<uint8_t>(rule.kind2 - '0' + 1);
            }
            rules.cell[rot][code] = rule;
        }
    }
    for (int code = 0; code < 256; ++code) {
        rules.turn[code] = static_cast<uint8_t>(code);
        const char* at = std::strchr(kCabinTurnFrom, code);
        if (code != 0 && at)
            rules.turn[code] = static_cast<uint8_t>(kCabinTurnTo[at - kCabinTurnFrom]);
    }
    for (int t = 0; t < 5; ++t) {
        for (int code = 0; code < 256; ++code) rules.rewrite[t][code] = static_cast<uint8_t>(code);
        const char* pairs = kSwitchRewrites[t];
        // Backwards, so the first pair naming a character is the one that stays.
        for (int s = static_cast<int>(std::strlen(pairs)) - 2; s >= 0; s -= 2)
            rules.rewrite[t][static_cast<uint8_t>(pairs[s])] = static_cast<uint8_t>(pairs[s + 1]);
    }
    const char* hole = entry(chghibuco, context);
    const char* floor = entry(chsotto, context);
    rules.hole_fault = hole == nullptr;
    rules.floor_fault = floor == nullptr;
    rules.hole = hole ? CharOf(hole, 0) : 0;
    rules.floor = floor ? CharOf(floor, 0) : 0;
    rules.fattorex = fattorex;
    rules.fattorey = fattorey;
}

namespace {

// One frame of the game actions; with `whole_glide` the glide frames that follow run on to the
// end of the glide at once. Between two frames of a glide nothing but the glide itself
// changes, so their reads and refusal tests would come out the same and are not repeated.
FrameReport Advance(PlayState& s, const PieceRules& r, int tasdir, SoundList* sounds,
                    bool whole_glide) {
    FrameReport out;
    if (tasdir > -1) {
        s.direzione = static_cast<int8_t>(tasdir);
        s.giocdir = static_cast<int8_t>(WrapFacing(tasdir + s.rotazione));
        s.movimento = 0;
    }
    if (s.movimento <= -1) return out;
    if (s.movimento == 0) {
        // Recorded and consumed before the move is checked, so a refused move counts too.
        out.started = true;
        out.move_char = static_cast<int8_t>(tasdir);
    }
    FrameReadings& seen = s.last;
    out.moving = true;
    seen.mx = static_cast<int8_t>(StepX(s.direzione));
    seen.my = static_cast<int8_t>(StepY(s.direzione));
    const int nx = s.giocx + seen.mx;
    const int ny = s.giocy + seen.my;
    if (nx < 0 || nx > 15 || ny < 0 || ny > 15) {
        s.movimento = -1;
        out.refused = true;
        return out;
    }
    const int rot = s.rotazione & 3;
    const bool on_board = s.giocx >= 0 && s.giocx <= 15 && s.giocy >= 0 && s.giocy <= 15;
    const uint8_t here = on_board ? s.cells[s.giocy * 16 + s.giocx] : 0;
    const uint8_t there = s.cells[ny * 16 + nx];
    const CellRule& left = r.cell[rot][here];
    const CellRule& ahead = r.cell[rot][there];
    seen.exx = s.giocx;
    seen.exy = s.giocy;
    seen.expez = here;
    seen.xr = static_cast<int8_t>(nx);
    seen.yr = static_cast<int8_t>(ny);
    seen.pez = there;
    if (left.fault || ahead.fault) {
        out.fault = left.fault ? 1 : 2;
        return out;
    }
    out.read = true;
    seen.extipo = left.kind;
    seen.extipo2 = left.kind2;
    seen.va = ahead.shown;
    seen.tipo = ahead.kind;
    seen.tipo2 = ahead.kind2;

    const int facing = 1 << (s.giocdir & 3);
    if (ahead.blocks || (ahead.enter_closed & facing) || (left.leave_closed & facing)) {
        s.movimento = -1;
        out.refused = true;
        return out;
    }
    do {
        if (left.kind2 == 'A') s.animaffonda = 1;
        s.movx += StepX(s.giocdir) * r.fattorex;
        s.movy += StepY(s.giocdir) * r.fattorey;
        ++s.movimento;
        ++out.frames;
        if (s.movimento == 8 || (s.turbo == 1 && s.movimento == 4)) {
            Complete(s, r, left, ahead, sounds, out);
            break;
        }
    } while (whole_glide && s.movimento < kLongestGlide);
    return out;
}

}  // namespace

FrameReport AdvanceFrame(PlayState& s, const PieceRules& r, int tasdir, SoundList* sounds) {
    return Advance(s, r, tasdir, sounds, false);
}

StepOutcome Step(PlayState& s, const PieceRules& r, int dir, SoundList* sounds) {
    StepOutcome outcome;
    int tasdir = dir;
    int legs = 0;
    for (;;) {
        const FrameReport frame = Advance(s, r, tasdir, sounds, true);
        outcome.frames += frame.frames;
        if (frame.started) ++outcome.moves;
        if (frame.fault) {
            outcome.result = StepResult::kFault;
            return outcome;
        }
        if (frame.completed) {
            outcome.result = StepResult::kMoved;
            if (++legs >= kMaxLegs && s.scivolo > -1) {
                outcome.result = StepResult::kEndless;
                return outcome;
            }
        }
        // The play loop's next frame: a picked-up slide becomes the move request.
        tasdir = -1;
        if (s.scivolo > -1) {
            tasdir = SlideRequest(s.scivolo, s.rotazione);
            s.scivolo = -1;
        }
        if (tasdir == -1 && s.movimento <= -1) return outcome;
    }
}

ReplayOutcome PlayReplay(PlayState& s, const PieceRules& r, std::string_view line) {
    ReplayOutcome out;
    const int length = static_cast<int>(line.size());
    while (out.consumed < length) {
        const int request = static_cast<uint8_t>(line[out.consumed]) - '0';
        if (request > 3) {
            ++out.stops;
            ++out.consumed;
            continue;
        }
        if (request < 0) {
            out.stuck = true;
            return out;
        }
        const StepOutcome step = Step(s, r, request);
        out.frames += step.frames;
        out.consumed += step.moves;
        if (out.consumed > length) out.consumed = length;
        out.endless = step.result == StepResult::kEndless;
        out.fault = step.result == StepResult::kFault;
        if (out.endless || out.fault) return out;
    }
    return out;
}

bool FinishedAtRest(const PlayState& s, const PieceRules& r) {
    if (!AtRest(s) || s.finelivello <= 0) return false;
    if (s.giocx < 0 || s.giocx > 15 || s.giocy < 0 || s.giocy > 15) return false;
    return r.cell[s.rotazione & 3][s.cells[s.giocy * 16 + s.giocx]].kind == 'X';
}

uint64_t PositionHash(const PlayState& s) {
    uint64_t h = 0x9E3779B97F4A7C15ull;
    for (int i = 0; i < kBoardCells; i += 8) {
        uint64_t word;
        std::memcpy(&word, s.cells + i, 8);
        h = (h ^ word) * 0xFF51AFD7ED558CCDull;
        h ^= h >> 29;
    }
    const uint64_t rest = static_cast<uint64_t>(static_cast<uint8_t>(s.giocx)) |
                          static_cast<uint64_t>(static_cast<uint8_t>(s.giocy)) << 8 |
                          static_cast<uint64_t>(static_cast<uint16_t>(s.uova)) << 16 |
                          static_cast<uint64_t>(static_cast<uint16_t>(s.uova2)) << 32 |
                          static_cast<uint64_t>(s.finelivello > 0) << 48;
    h = (h ^ rest) * 0xC4CEB9FE1A85EC53ull;
    return h ^ (h >> 32);
}

bool SamePosition(const PlayState& a, const PlayState& b) {
    return a.giocx == b.giocx && a.giocy == b.giocy && a.uova == b.uova && a.uova2 == b.uova2 &&
           (a.finelivello > 0) == (b.finelivello > 0) &&
           std::memcmp(a.cells, b.cells, kBoardCells) == 0;
}

}  // namespace game
