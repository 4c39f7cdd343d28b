// Commentary pages shown over the board while a replay or the demonstration plays.
#pragma once
#include "runtime/values/text_value.h"

namespace game {

// "Media/Zolv-<set>-info-<language digit>.<ext>": one page per line.
TextValue CommentaryFileName();

// Shows page `tasdir` of the commentary file over the board, turned so the last move `ext`
// points up, and waits for a key. The view settings come back afterwards.
void TestoINTRO();

// The view's rotation for a page: turned so the last move points up, or kept when `ext`
// holds no move (past the end of a replay it is -48).
double CommentaryRotation(double rotation, double last_move);

}  // namespace game
