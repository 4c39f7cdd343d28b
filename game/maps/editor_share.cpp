#include "game/maps/editor_share.h"

#include "game/maps/editor_checks.h"
#include "game/maps/editor_history.h"
#include "game/play/records.h"
#include "game/screen/extra_texts.h"
#include "game/state/game_state.h"
#include "runtime/input/clipboard.h"
#include "runtime/values/line_file.h"

namespace game {

namespace {

constexpr const char* kPrefix = "ZOLV-MAP ";
constexpr size_t kBoard = 256;

struct Pasted {
    std::string board, replay;
} g_pasted;

// The replay finishes the board in memory.
bool Finishes(const std::string& replay) {
    if (replay.empty()) return false;
    PlayState start;
    PieceRules rules;
    const EditorVerdict v = EditorStartState(&start, &rules);
    return v.starts > 0 && solver::PlayLine(start, rules, replay).finished;
}

}  // namespace

std::string ShareLine(const std::string& replay) {
    std::string line = kPrefix + mappa_Str.str();
    if (!replay.empty()) line += " " + replay;
    return line;
}

bool ReadShareLine(const std::string& text, std::string* board, std::string* replay) {
    std::string line = text;
    // A pasted line may bring its line end and spaces round it.
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r' || line.back() == ' '))
        line.pop_back();
    const size_t start = line.find_first_not_of(' ');
    if (start == std::string::npos) return false;
    line.erase(0, start);
    const std::string prefix = kPrefix;
    if (line.compare(0, prefix.size(), prefix) != 0) return false;
    const std::string rest = line.substr(prefix.size());
    if (rest.size() < kBoard) return false;
    const std::string b = rest.substr(0, kBoard);
    const int pieces = static_cast<int>(ArrayBounds(pezzi_Str, 0));
    for (char c : b) {
        const int piece = static_cast<unsigned char>(c) - static_cast<int>(chrdiff);
        // An empty entry is no piece: the board could be neither drawn nor played.
        if (piece < 0 || piece >= pieces || pezzi_Str(piece).empty()) return false;
    }
    std::string r;
    if (rest.size() > kBoard) {
        if (rest[kBoard] != ' ') return false;
        r = rest.substr(kBoard + 1);
        // A longer replay would be cut by the replay file and no longer finish the board.
        if (r.size() > LineFileCache::kMaxLineLength) return false;
        // Moves 0 to 3 and information stops A to Z, as the replay file holds them.
        for (char c : r)
            if (!((c >= '0' && c <= '3') || (c >= 'A' && c <= 'Z'))) return false;
    }
    *board = b;
    *replay = r;
    return true;
}

void CopyEditorBoard() {
    const TextValue stored = ReadFileLine(ReplayFileName(), map);
    std::string replay = stored.str();
    // A replay goes along only when it finishes this board.
    if (stored == null_Str || stored == "NO_FILE" || stored == "NO_DATA" || !Finishes(replay))
        replay.clear();
    const bool copied = SetClipboardText(ShareLine(replay));
    EditorNotice(ExtraText(!copied          ? "EDITOR_NOT_COPIED"
                           : replay.empty() ? "EDITOR_COPIED"
                                            : "EDITOR_COPIED_WITH_REPLAY"));
}

void PasteEditorBoard() {
    std::string board, replay;
    if (!ReadShareLine(ClipboardText(), &board, &replay)) {
        EditorNotice(ExtraText("EDITOR_NOT_A_LEVEL"));
        return;
    }
    EditorEditBegin();
    mappa_Str = board;
    // The cursor goes to the start, as a loaded map puts it.
    const std::string start(1, static_cast<char>(chrdiff + chgioca));
    const size_t at = board.rfind(start);
    if (at != std::string::npos) {
        giocx = static_cast<double>(at % 16);
        giocy = static_cast<double>(at / 16);
    }
    EditorEditDone();
    g_pasted = {board, Finishes(replay) ? replay : ""};
    EditorNotice(ExtraText("EDITOR_PASTED"));
}

std::string TakePastedReplay(const std::string& saved_board) {
    if (g_pasted.replay.empty() || g_pasted.board != saved_board) return "";
    const TextValue stored = ReadFileLine(ReplayFileName(), map);
    if (!(stored == null_Str || stored == "NO_FILE" || stored == "NO_DATA")) return "";
    std::string replay = g_pasted.replay;
    g_pasted = {};
    return replay;
}

}  // namespace game
