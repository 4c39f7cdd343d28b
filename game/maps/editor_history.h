// Undo and redo of the editor's edits (cells put, shifts, pastes and map choices), whether the
// board differs from its file, and the editor's one-line notices.
#pragma once
#include <string>

namespace game {

// Run at the start of every editor frame: a board the editor did not make (the map loaded at
// the start, another map chosen) becomes the board on file; a map choice is a step of history.
// `keys_read`: the controls were read this frame (a question waits for them to be let go).
void EditorTrackBoard(bool keys_read);
// An edit is about to change the board; EditorEditDone records it as one step of history (a
// stroke of the mouse is one step however many cells it paints).
void EditorEditBegin();
void EditorEditDone();
// Steps back or forward; false (with a notice) when there is nothing to step to.
bool EditorUndo();
bool EditorRedo();
// Steps kept each way at most.
constexpr int kEditorHistorySteps = 200;

// The board differs from the map file's line as last loaded or saved.
bool EditorBoardChanged();
// The board now stands in the file.
void EditorBoardSaved();
// Before changes would be dropped (another map, leaving): true when there are none or the
// question was asked at an earlier press and the keys were let go since; else asks.
bool EditorMayDropChanges();

// The eggs and chicks of the board into uova and uova2.
void EditorCountEggs();

// A notice shown under the board for about three seconds.
void EditorNotice(const std::string& text);
void DrawEditorNotice();
// A notice is on the screen.
bool EditorNoticeShown();
// The last notice, its lines joined by ";" (for the headless summary).
std::string LastEditorNotice();

}  // namespace game
