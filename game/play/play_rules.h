// The rules of play in one place: what every piece does when the player leaves it or arrives
// on it, worked on a copyable play state. AzioniGIOCO runs one frame of these rules at a time
// on the game's variables (copied in and back out); the step function below runs whole moves
// on a state of its own, for the replay check and the solver, through the same frame code
// (letting each glide run on to its end in one go).
//
// Nothing here allocates, touches the game's variables or plays a sound: a state, the piece
// rules built once from the piece table, and an optional list the effect sounds are reported
// into. A program without a window gets both from a media set the game's way: Impostazioni
// (it needs no window), map = n, MappaCARICA, then PieceRulesFromGame and PlayStateFromGame
// (game_actions.h).
#pragma once
#include <cstdint>
#include <string_view>

namespace game {

constexpr int kBoardCells = 256;

// Up to 64 effect sounds in the order the game plays them (each stops every sound before it,
// so the last one is what is heard). Sounds past the capacity are counted but not kept.
struct SoundList {
    static constexpr int kCapacity = 64;
    uint8_t slot[kCapacity];
    int count = 0;
    void Add(int effect) {
        if (count < kCapacity) slot[count] = static_cast<uint8_t>(effect);
        ++count;
    }
};

// What one frame last read and worked out, under the names of the game variables that hold
// them (cells as their characters, kind letters as their character codes, 0 for none).
struct FrameReadings {
    int8_t mx = 0, my = 0;    // board step of the move
    int8_t exx = 0, exy = 0;  // cell being left
    uint8_t expez = 0;        // its character (piece number + chrdiff)
    uint8_t extipo = 0, extipo2 = 0;
    int8_t xr = 0, yr = 0;  // cell ahead
    uint8_t pez = 0;        // its character
    uint8_t va = 0;         // the character shown for it under the view rotation
    uint8_t tipo = 0, tipo2 = 0;
    uint8_t newtipo = 0;   // last character written into a cell, 0 for none
    int8_t pt = 0;         // points of the step just completed
    uint8_t switched = 0;  // second letter of the switch stepped on, 0 for none
};

// Everything the rules change. Numbers the game keeps as doubles are whole numbers here.
struct PlayState {
    uint8_t cells[kBoardCells] = {};  // the map text, cell (x, y) at 16 y + x; 0 past a short board
    int8_t giocx = 0, giocy = 0;
    int16_t uova = 0, uova2 = 0;  // eggs and chicks still to take
    int32_t finelivello = 0;      // 1 once the last egg or chick is taken (drawing counts on)
    int32_t passi = 0, punti = 0;
    int8_t turbo = 0;           // 1: glides of 4 frames, steps and points doubled
    int8_t rotazione = 0;       // view rotation 0 to 3: which turned piece gives the kind letters
    int8_t movimento = -1;      // -1 idle, 0 move started, 1 to 7 frames of the glide done
    int8_t direzione = -1;      // direction of the move on the board, -1 after it completes
    int8_t giocdir = 2;         // facing on the screen: direzione + rotazione
    int8_t scivolo = -1;        // slide direction picked up on arrival, on the screen, else -1
    int8_t animaffonda = 0;     // 1 while gliding off ice
    double movx = 0, movy = 0;  // drawing offset of the glide, screen pixels
    FrameReadings last;         // for the debugger's view; not part of the position
};

// Kind letters and what they mean, for one cell character under one view rotation.
struct CellRule {
    uint8_t shown = 0;            // character of the piece shown under the rotation
    uint8_t kind = 0, kind2 = 0;  // its two kind letters, 0 for none
    uint8_t blocks = 0;           // 1: first letter M, B, U or N, never entered
    uint8_t enter_closed = 0;     // bit d: a cabin refusing entry while facing d
    uint8_t leave_closed = 0;     // bit d: a cabin refusing exit while facing d
    uint8_t slide = 0;            // slide direction of a "G" cell, 0 to 3
    uint8_t switch_table = 0;     // 1 + the switch table of an "I" cell, 0 for none
    uint8_t fault = 0;            // 1: reading this cell stops the game (piece outside the table)
};

// The piece table turned into what the rules read, built once per piece table.
struct PieceRules {
    CellRule cell[4][256];    // by view rotation and cell character
    uint8_t turn[256];        // a cabin's character after it is left (itself when none)
    uint8_t rewrite[5][256];  // the five switch rewrites, cell character to cell character
    uint8_t hole = 0;         // first character of the hole piece (0 when its entry is empty)
    uint8_t floor = 0;        // first character of the floor piece
    uint8_t hole_fault = 0, floor_fault = 0;  // role piece outside the table
    double fattorex = 2.5, fattorey = 1.5;    // glide pixels per frame, across and down
};

// Fills the tables from the kind letters, rotation characters and role pieces the rules use.
// The text-free source of a piece table: entry(p) is the entry of piece p or nullptr when p
// lies outside the table (after the table's own rule that a negative index counts from the
// end), and an entry's characters past its end read as 0.
using PieceEntryFn = const char* (*)(int piece, void* context);
void BuildPieceRules(PieceRules& rules, PieceEntryFn entry, void* context, int chrdiff,
                     int chghibuco, int chsotto, double fattorex, double fattorey);

// What one frame did.
struct FrameReport {
    int8_t move_char = -1;   // the requested direction, when this frame started a move
    bool started = false;    // a move started: its character is recorded and consumed
    bool moving = false;     // a move was under way: the board step mx, my was taken
    bool read = false;       // both cells were read (the move was not stopped by the edge)
    bool refused = false;    // the move was refused (board edge, wall, closed cabin side)
    bool completed = false;  // a glide ended and the cell effects happened
    // A cell or role piece outside the piece table was read: the game stops with error 9
    // there. 1 cell being left, 2 cell ahead, 3 hole piece, 4 floor piece.
    int8_t fault = 0;
    int8_t frames = 0;  // glide frames run (1 in a frame of play; the step function runs on)
};

// One frame of the game actions after the info marker: starts a move when `tasdir` is 0 to
// 3, glides, refuses, and at the end of the glide carries out the cell effects. Effect
// sounds go to `sounds` when given.
FrameReport AdvanceFrame(PlayState& state, const PieceRules& rules, int tasdir, SoundList* sounds);

// The rewrite text of a switch with this second letter, as pairs (the first character of a
// pair becomes the second); "" for a letter that names none.
const char* SwitchRewriteText(uint8_t kind2);

// Points of arriving on a cell with these kind letters (before doubling in turbo).
int StepPoints(uint8_t kind, uint8_t kind2);

// The move request a picked-up slide makes in the next frame: its screen direction turned
// back by the view rotation, into 0 to 3.
inline int SlideRequest(int scivolo, int rotazione) {
    int d = scivolo - rotazione;
    if (d > 3) d -= 4;
    if (d < 0) d += 4;
    return d;
}

enum class StepResult : uint8_t {
    kMoved,    // at least one step completed
    kRefused,  // the first move was refused: nothing but the facing changed
    kEndless,  // the slides never stop (a cycle); given up after kMaxLegs legs
    kFault,    // a cell outside the piece table was read
};

struct StepOutcome {
    StepResult result = StepResult::kRefused;
    int frames = 0;  // glide frames, one per frame of play (a refused move takes none)
    int moves = 0;   // move characters recorded: the move itself and every slide leg
};

// Legs of one step (the move and its slides) after which the slides count as endless.
constexpr int kMaxLegs = 4096;

// Applies move `dir` (0 up, 1 right, 2 down, 3 left on the board, as a replay character gives
// it) to a state at rest and runs frame after frame until it is at rest again, as the play
// loop would: the glide, the cell effects, slide legs one after another, refusals.
StepOutcome Step(PlayState& state, const PieceRules& rules, int dir, SoundList* sounds = nullptr);

// A replay line played from a state at rest, as the game plays it back: "0" to "3" start a
// move, and every move started (slide legs too) consumes one character, which is how the
// game records slides; characters above "3" are information stops and only consumed.
struct ReplayOutcome {
    int consumed = 0;  // characters of the line used
    int frames = 0;    // frames of game actions (glides only, no waiting for input)
    int stops = 0;     // information stops passed
    // Why the line stopped before its end: a step whose slides never stop, a piece outside
    // the table, or a character below "0", where the game would wait for ever.
    bool endless = false, fault = false, stuck = false;
};
ReplayOutcome PlayReplay(PlayState& state, const PieceRules& rules, std::string_view line);

// At rest: no move under way and no slide to follow.
inline bool AtRest(const PlayState& s) {
    return s.movimento <= -1 && s.scivolo <= -1;
}
// At rest on an exit cell with every egg and chick taken: the level ends from here.
bool FinishedAtRest(const PlayState& state, const PieceRules& rules);

// Hash and equality of what moves can change: cells, position, egg and chick counters and
// whether the level-end counter runs. Steps, points, facing and glide state are left out.
uint64_t PositionHash(const PlayState& state);
bool SamePosition(const PlayState& a, const PlayState& b);

}  // namespace game
