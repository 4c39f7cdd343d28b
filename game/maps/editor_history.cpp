#include "game/maps/editor_history.h"

#include <deque>
#include <vector>

#include "game/screen/extra_texts.h"
#include "game/screen/screen_helpers.h"
#include "game/state/game_state.h"
#include "runtime/gfx/draw2d.h"

namespace game {

namespace {

// Frames a notice stays (at the editor's 60 frames a second, about three seconds).
constexpr int kNoticeFrames = 180;

struct Snapshot {
    double map = 0;
    std::string board;
    std::string saved;  // the board as the file holds it
};

struct History {
    bool started = false;
    Snapshot current;  // the board as the editor last left it
    std::deque<Snapshot> undo, redo;
    Snapshot before;  // of the edit under way
    bool editing = false;
    bool asked = false;
    bool armed = false;  // asked, and the keys let go since
    std::string notice;
    int notice_frames = 0;
} g_history;

Snapshot Now() {
    return {map, mappa_Str.str(), g_history.current.saved};
}

void Push(std::deque<Snapshot>& steps, Snapshot s) {
    steps.push_back(std::move(s));
    if (steps.size() > kEditorHistorySteps) steps.pop_front();
}

void Restore(const Snapshot& s) {
    map = s.map;
    mappa_Str = s.board;
    g_history.current = s;
    g_history.asked = g_history.armed = false;
    EditorCountEggs();
}

}  // namespace

void EditorTrackBoard(bool keys_read) {
    History& h = g_history;
    if (keys_read && h.asked && tassel == 0) h.armed = true;
    if (h.notice_frames > 0) --h.notice_frames;
    if (h.editing) return;
    if (h.started && h.current.map == map && h.current.board == mappa_Str.str()) return;
    // A board loaded from the file.
    if (h.started && h.current.map != map) {
        Push(h.undo, h.current);
        h.redo.clear();
    }
    h.started = true;
    h.current = {map, mappa_Str.str(), mappa_Str.str()};
    h.asked = h.armed = false;
}

void EditorEditBegin() {
    g_history.before = Now();
    g_history.editing = true;
}

void EditorEditDone() {
    History& h = g_history;
    h.editing = false;
    if (h.before.board == mappa_Str.str() && h.before.map == map) return;
    Push(h.undo, h.before);
    h.redo.clear();
    h.current = Now();
    h.before = h.current;
    h.asked = h.armed = false;
    EditorCountEggs();
}

bool EditorUndo() {
    History& h = g_history;
    if (h.undo.empty()) {
        EditorNotice(ExtraText("EDITOR_NOTHING_TO_UNDO"));
        return false;
    }
    Push(h.redo, Now());
    const Snapshot s = h.undo.back();
    h.undo.pop_back();
    Restore(s);
    EditorNotice(ExtraText("EDITOR_UNDONE") + " (" + std::to_string(h.undo.size()) + ")");
    return true;
}

bool EditorRedo() {
    History& h = g_history;
    if (h.redo.empty()) {
        EditorNotice(ExtraText("EDITOR_NOTHING_TO_REDO"));
        return false;
    }
    Push(h.undo, Now());
    const Snapshot s = h.redo.back();
    h.redo.pop_back();
    Restore(s);
    EditorNotice(ExtraText("EDITOR_REDONE") + " (" + std::to_string(h.redo.size()) + ")");
    return true;
}

bool EditorBoardChanged() {
    const History& h = g_history;
    return h.started && h.current.map == map && mappa_Str.str() != h.current.saved;
}

void EditorBoardSaved() {
    g_history.current = {map, mappa_Str.str(), mappa_Str.str()};
    g_history.asked = g_history.armed = false;
}

bool EditorMayDropChanges() {
    History& h = g_history;
    if (!EditorBoardChanged() || h.armed) {
        h.asked = h.armed = false;
        return true;
    }
    if (!h.asked) EditorNotice(ExtraText("EDITOR_UNSAVED_ASK"));
    h.asked = true;
    return false;
}

void EditorCountEggs() {
    const TextValue egg_Str = Substring(pezzi_Str(chuovo), 0, 1);
    const TextValue chick_Str = Substring(pezzi_Str(chuovo2), 0, 1);
    const std::string board = mappa_Str.str();
    uova = 0;
    uova2 = 0;
    for (char c : board) {
        if (!egg_Str.empty() && c == egg_Str.str()[0]) ++uova;
        if (!chick_Str.empty() && c == chick_Str.str()[0]) ++uova2;
    }
}

void EditorNotice(const std::string& text) {
    g_history.notice = text;
    g_history.notice_frames = kNoticeFrames;
}

bool EditorNoticeShown() {
    return g_history.notice_frames > 0 && !g_history.notice.empty();
}

std::string LastEditorNotice() {
    std::string text = g_history.notice;
    for (char& c : text)
        if (c == '\n') c = ';';
    return text;
}

void DrawEditorNotice() {
    const History& h = g_history;
    if (!EditorNoticeShown()) return;
    std::vector<std::string> lines;
    size_t from = 0;
    for (size_t at; (at = h.notice.find('\n', from)) != std::string::npos; from = at + 1)
        lines.push_back(h.notice.substr(from, at - from));
    lines.push_back(h.notice.substr(from));
    if (lines.size() > 4) lines.resize(4);
    // Lines 12 pixels apart on a dark band, ending above the tallest pieces of the row (32
    // pixels high); the font's letters stand 8 to 20 pixels below a line's y at this size.
    const int n = static_cast<int>(lines.size());
    const int top = 186 - 12 * (n - 1);
    FillBox(0, top + 6, 320, 12 * n + 4, 0);
    for (int i = 0; i < n; ++i)
        ScriveTESTO(lines[static_cast<size_t>(i)], 888, top + 12.0 * i, 8, 0.5);
}

}  // namespace game
