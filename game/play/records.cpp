#include "game/play/records.h"

#include "game/maps/board_render.h"
#include "game/play/controls.h"
#include "game/play/game_actions.h"
#include "game/play/play_aids.h"
#include "game/screen/extra_texts.h"
#include "game/screen/screen_helpers.h"
#include "game/state/game_state.h"
#include "runtime/base/log.h"
#include "runtime/gfx/draw2d.h"
#include "runtime/input/input.h"
#include "runtime/values/line_file.h"

namespace game {

namespace {

// A line the line file could not give: the file or the line is missing.
bool Missing(const TextValue& line_Str) {
    return line_Str == "NO_FILE" || line_Str == "NO_DATA";
}

// True when the attempt's value is a new record against the stored field. Fields compare as
// numbers, so -1 points beat -5; a field holding no number beats nothing.
bool Beats(double attempt, const TextValue& stored_Str, bool lower_is_better) {
    double stored = 0;
    if (!RecordFieldValue(stored_Str, &stored)) return true;
    return lower_is_better ? attempt < stored : attempt > stored;
}

// A holder's name in its three columns.
TextValue Holder(const TextValue& name_Str) {
    TextValue n_Str = Substring(name_Str, 0, 3);
    while (Len(n_Str) < 3) n_Str += " ";
    return n_Str;
}

void RecordMessage(int text, double y) {
    ScriveTESTO("RECORD " + testi_Str(text, lingua) + "!!!", 20, y, 20, 1.5);
}

// Which records the attempt just compared has beaten.
bool record_steps = false, record_points = false, record_time = false;
// Whether the lines of the last record screen reached the disk.
bool g_records_saved = true;

}  // namespace

TextValue ScoreFileName() {
    return "Media/Zolv-" + mapset_Str + "-punti." + estdoc_Str;
}
TextValue ReplayFileName() {
    return "Media/Zolv-" + mapset_Str + "-memo." + estdoc_Str;
}

bool RecordsSaved() {
    return g_records_saved;
}

TextValue AidMarksFileName() {
    return "Media/Zolv-" + mapset_Str + "-aiuti." + estdoc_Str;
}

bool RecordAided(int field) {
    const std::string line = ReadFileLine(AidMarksFileName(), map).str();
    return field >= 0 && static_cast<size_t>(field) < line.size() && line[field] == '1';
}

namespace {

// Stores which of the records just beaten an aided attempt set. Unaided attempts write only
// where a mark is to be taken away, so a player who never uses the aids gets no file.
void StoreAidMarks(bool aided) {
    std::string line = ReadFileLine(AidMarksFileName(), map).str();
    if (line.size() != 3 || line.find_first_not_of("01") != std::string::npos) line = "000";
    const std::string before = line;
    const bool beaten[3] = {record_steps, record_points, record_time};
    for (int k = 0; k < 3; ++k)
        if (beaten[k]) line[k] = aided ? '1' : '0';
    if (line != before || (aided && before == "000")) WriteFileLine(AidMarksFileName(), map, line);
}

}  // namespace

bool RecordFieldValue(const TextValue& field_Str, double* value) {
    // Four characters: digits, or leading zeros then "-" and digits ("00-5" is -5).
    const std::string s = field_Str.str();
    if (s.size() != 4) return false;
    size_t i = 0;
    while (i < 3 && s[i] == '0') ++i;
    const bool negative = s[i] == '-';
    if (negative) ++i;
    if (i >= s.size()) return false;
    double n = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9') return false;
        n = n * 10 + (s[i] - '0');
    }
    *value = negative ? -n : n;
    return true;
}

void ReadReplayLine() {
    replay_Str = ReadFileLine(ReplayFileName(), map);
    // The marker line, and a line or file that is missing, mean the map has no replay.
    if (replay_Str != null_Str && !Missing(replay_Str)) {
        rep = 0;
    } else {
        replay_Str = "";
        rep = -1;
    }
}

bool CompareRecords() {
    gpassi_Str = FormattaNUMERO(passi, 4);
    gpunti_Str = FormattaNUMERO(punti, 4);
    gtempo_Str = FormattaNUMERO(t1, 2) + FormattaNUMERO(t2, 2);
    rpassi_Str = Substring(a_Str, 3, 4);
    rpunti_Str = Substring(a_Str, 12, 4);
    rtempo_Str = Substring(a_Str, 21, 4);
    rn1_Str = Substring(a_Str, 8, 3);
    rn2_Str = Substring(a_Str, 17, 3);
    rn3_Str = Substring(a_Str, 26, 3);
    scrive = 0;
    record_steps = Beats(passi, rpassi_Str, true);
    record_points = Beats(punti, rpunti_Str, false);
    record_time = Beats(t1 * 100 + t2, rtempo_Str, true);
    if (record_steps) {
        rpassi_Str = gpassi_Str;
        rn1_Str = nome_Str;
    }
    if (record_points) {
        rpunti_Str = gpunti_Str;
        rn2_Str = nome_Str;
    }
    if (record_time) {
        rtempo_Str = gtempo_Str;
        rn3_Str = nome_Str;
    }
    if (record_steps || record_points || record_time) scrive = 1;
    a_Str = FormattaNUMERO(map, 2) + " " + rpassi_Str + " " + Holder(rn1_Str) + " " + rpunti_Str +
            " " + Holder(rn2_Str) + " " + rtempo_Str + " " + Holder(rn3_Str) + " ";
    return scrive == 1;
}

// A replay line the replay file can hold whole is written; a longer one would be cut and no
// longer finish the level, so the old line stays, with a log line and a text on screen.
static bool StoreReplayLine(const TextValue& line_Str, const char* what) {
    if (static_cast<size_t>(Len(line_Str)) > LineFileCache::kMaxLineLength) {
        AppendLog("Map " + NumberToText(map).str() + ": " + what + " of " +
                  std::to_string(Len(line_Str)) +
                  " moves is too long for the replay file; old replay kept");
        SetBlendAlpha(0);
        ScriveTESTO(ExtraText("REPLAY_TOO_LONG"), 8, 222, 10, 0.6);
        return false;
    }
    WriteFileLine(ReplayFileName(), map, line_Str);
    return true;
}

bool StoreStepsReplay() {
    return StoreReplayLine(mosse_Str, "steps record");
}

bool StoreRecording() {
    return StoreReplayLine(replay_Str, "recording");
}

void RecordsAtFinish() {
    CallDepthScope depth;
    MappaRENDER();
    SetBlendAlpha(0);
    a_Str = ReadFileLine(ScoreFileName(), map);
    if (!CompareRecords()) return;
    // Both reach the disk before the key wait, the record first: a kill between the two
    // leaves the new record beside the old replay (which still finishes the level), never a
    // new replay beside a record it did not earn. The screen tells the player when they could
    // not be saved (a full disk, a file-size limit, a read-only folder).
    const int failures = LineFiles().write_failures();
    WriteFileLine(ScoreFileName(), map, a_Str);
    StoreAidMarks(AttemptAided());
    g_records_saved = LineFiles().Flush();
    if (record_steps) {
        StoreStepsReplay();
        g_records_saved = LineFiles().Flush() && g_records_saved;
        RecordMessage(4, 60);
    }
    g_records_saved = g_records_saved && LineFiles().write_failures() == failures;
    if (record_points) RecordMessage(3, 120);
    if (record_time) RecordMessage(2, 180);
    if (!g_records_saved) ScriveTESTO(ExtraText("RECORD_NOT_SAVED"), 888, 216, 12, 1);
    mostraschermo();
    WaitAnyKey();
}

void StoreProgress() {
    if (!(map > map2 - 1 && map < mapmax + 1)) return;
    m_Str = FormattaNUMERO(map, 2);
    ma1 = TextToNumber(Substring(m_Str, 0, 1));
    ma2 = TextToNumber(Substring(m_Str, 1, 1));
    WriteFileLine(filegioc_Str, 1, CharText(static_cast<int>(ma1 + 65)));
    WriteFileLine(filegioc_Str, 2, CharText(static_cast<int>(ma2 + 65)));
}

}  // namespace game
