#include "game/maps/editor_records.h"

#include <string>

#include "game/maps/editor_checks.h"
#include "game/maps/editor_history.h"
#include "game/play/records.h"
#include "game/screen/extra_texts.h"
#include "game/state/game_state.h"
#include "runtime/base/log.h"
#include "runtime/values/line_file.h"

namespace game {

namespace {

bool Missing(const TextValue& line_Str) {
    return line_Str == "NO_FILE" || line_Str == "NO_DATA";
}

// The records line of a map nobody has finished, as the shipped score file holds it.
TextValue FreshRecords() {
    const long n = static_cast<long>(map);
    std::string number = std::to_string(n);
    if (number.size() < 2) number = "0" + number;
    return TextValue(number + " 9999 --- ---- --- 9999 --- ");
}

// The first line of the backup file not yet written, or -1 when the file is full.
int FirstFreeBackupLine() {
    for (int n = 0; n < LineSplitter::kLines; ++n)
        if (Missing(ReadFileLine(BackupFileName(), n))) return n;
    return -1;
}

}  // namespace

TextValue BackupFileName() {
    return "Media/Zolv-" + mapset_Str + "-backup." + estdoc_Str;
}

bool MoveStaleRecords(const TextValue& old_board) {
    if (old_board == mappa_Str) return false;
    const TextValue replay = ReadFileLine(ReplayFileName(), map);
    if (Missing(replay) || replay == null_Str || replay.empty()) return false;
    PlayState start;
    PieceRules rules;
    const EditorVerdict v = EditorStartState(&start, &rules);
    if (v.starts > 0 && solver::PlayLine(start, rules, replay.str()).finished) return false;
    const int free_line = FirstFreeBackupLine();
    const std::string name = "map " + std::to_string(static_cast<long>(map));
    if (free_line < 0 || free_line + 1 >= LineSplitter::kLines) {
        // Nothing is dropped: the stale lines stay where they are, and the log says why.
        AppendLog(BackupFileName().str() + " is full: the stale replay of " + name + " stays");
        return false;
    }
    const TextValue records = ReadFileLine(ScoreFileName(), map);
    WriteFileLine(BackupFileName(), free_line, TextValue(name + " replay " + replay.str()));
    WriteFileLine(BackupFileName(), free_line + 1,
                  TextValue(name + " records " + (Missing(records) ? "" : records.str())));
    WriteFileLine(ReplayFileName(), map, null_Str);
    WriteFileLine(ScoreFileName(), map, FreshRecords());
    replay_Str = "";
    // On disk with the map it belongs to, as the save itself is.
    if (!LineFiles().Flush()) AppendLog("The backup of " + name + " could not be written");
    AppendLog("The replay of " + name + " no longer finishes it: it and the records moved to " +
              BackupFileName().str());
    return true;
}

}  // namespace game
