// Aids in play beside the game's own controls: undo and redo of whole moves, and a hint of
// the next move from the solver search on the game's rules. Fixed keys no key setting uses:
// U takes back the last move, I plays an undone move again, H shows the next move of a
// shortest way to a finish. An attempt that used any of them counts as aided.
#pragma once
#include <string>

namespace game {

// Key codes of the aids (U, I, H on the keyboard).
constexpr int kUndoKey = 22;
constexpr int kRedoKey = 23;
constexpr int kHintKey = 35;

// An aid asked for by another input than its key (a game pad's button combination): taken
// at the next reading of the controls in play as if its key had gone down.
enum class AidRequest { kUndo, kRedo, kHint };
void RequestAid(AidRequest which);

// On a frame that reads the controls in play, after Tasti: a game pad's B held with X, Y or
// A asks for undo, redo or a hint, once each time the pair is made. While the pair is held the
// second button's flag is cleared, so X and Y do not change the speed and A stops no
// recording. Nothing happens while the aids are off.
void AidsPadButtons();
// A new attempt: no moves to take back, nothing aided.
void AidsAttemptStart();
// On a frame that reads the controls in play, with the player at rest: undo, redo or hint
// when their key went down. Returns true when the frame's move is to be left alone (an undo
// or a hint took the frame). A redo sets tasdir to the move played again.
bool AidsKeys();
// Around the frame's game actions: what the move about to start changes can be taken back.
// `slide_leg`: the frame's move is a slide going on, part of the move before it.
void AidsBeforeActions(bool slide_leg);
void AidsAfterActions();
// Draws the hint or the dead-end message while it lasts (after the board and panel).
void AidsDraw();
// Whether the attempt used undo or a hint.
bool AttemptAided();
// The last hint given, for the headless summary: "map:move" with move 0 to 3 on the board,
// "map:none" when no finish can be reached, "" before any.
const std::string& LastHint();

}  // namespace game
