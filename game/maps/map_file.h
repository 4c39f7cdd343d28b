// The board in memory and on disk. The board is mappa_Str, 256 cell characters with cell
// (x, y) at 16 y + x; a map file holds one board per line, line n being map n.
#pragma once
#include "runtime/values/text_value.h"

namespace game {

// Loads map `map` of the map set into mappa_Str, finds the player's start (giocx, giocy)
// and counts eggs and chicks. In play the start cell becomes floor; the editor keeps it.
void MappaCARICA();
// Writes mappa_Str as line `map` of the map file straight to disk, then tints the screen,
// says whether the file was written ("MAPPA SALVATA!") or not ("MAPPA NON SALVATA!", with a
// log line) and waits for a key.
void MappaSALVA();
// The text the last save showed; empty before the first save.
const char* LastSaveNotice();
// The last save wrote the map.
bool LastSaveWritten();
// Puts newtipo_Str into the cell giocx, giocy of mappa_Str.
void MappaModificaXY();
// Screen offsets bordox, bordoy of the board for the current zoom, board mode and editor.
void Margini();

// "Media/Zolv-" + set + "-mappe." + text extension.
TextValue MapFileName();

}  // namespace game
