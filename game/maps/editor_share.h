// A level shared as one line of text: "ZOLV-MAP " and the board's 256 cell characters, then a
// space and its replay when the replay finishes the board. Copying puts the current board on
// the clipboard; pasting loads a copied line into the current map, in memory only.
#pragma once
#include <string>

namespace game {

// The share line of mappa_Str, with `replay` when it is not empty.
std::string ShareLine(const std::string& replay);
// Reads a share line: false when it is none (wrong start, a board not of 256 characters, a
// character naming no piece or an empty entry of the table, a replay of other characters than
// moves and stops or longer than a line of the replay file); the outputs change only on true.
bool ReadShareLine(const std::string& line, std::string* board, std::string* replay);

// The keys' work: copy the board (and its replay if that finishes it) to the clipboard; load
// a pasted line into the current map as one step of history. Both say what they did.
void CopyEditorBoard();
void PasteEditorBoard();
// A replay pasted with the board, written as the map's replay by a save of that board when the
// map then has none; empty when there is none waiting.
std::string TakePastedReplay(const std::string& saved_board);

}  // namespace game
