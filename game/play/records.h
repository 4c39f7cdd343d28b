// Records and replays: one records line and one replay line per map, and the player's
// progress mark.
#pragma once
#include "runtime/values/text_value.h"

namespace game {

TextValue ScoreFileName();
TextValue ReplayFileName();
// Which records of each map an aided attempt (undo or a hint) set: one line per map, a
// character per record ("1" aided, "0" not) for steps, points and time, beside the score
// file so that its lines stay as they are. Written only once an aided record is stored.
TextValue AidMarksFileName();
// Whether record `field` (0 steps, 1 points, 2 time) of map `map` was set by an aided attempt.
bool RecordAided(int field);

// The replay line of map `map` for an attempt: `replay_Str` and `rep` (-1 and empty when the
// map has none).
void ReadReplayLine();

// Compares the finished attempt with the records of map `map`, shows and stores what it
// beat (a steps record also makes the attempt's moves the map's replay).
void RecordsAtFinish();
// Whether the lines the last record screen wrote reached the disk (true before any); when
// not, that screen said so.
bool RecordsSaved();

// The comparison on its own: the records line `a_Str` against `passi`, `punti`, `t1`, `t2`
// of `nome_Str`. Leaves the new 30-character line in `a_Str` and returns whether any record
// was beaten (`scrive`).
bool CompareRecords();
// Writes the attempt's moves as the map's replay; false (with a log line, the old replay
// kept) when they are too long for a line of the replay file.
bool StoreStepsReplay();

// With `map` already on the next map: stores it as the highest map reached when it is
// higher and within the set.
void StoreProgress();

// A stored 4-character record field as a number; false when it holds no number of its
// width (a placeholder, a cut "NO_DATA"), which any result beats.
bool RecordFieldValue(const TextValue& field_Str, double* value);

}  // namespace game
