#include "game/flow/player_options.h"

#include <algorithm>
#include <sstream>

#include "game/screen/extra_texts.h"
#include "game/screen/screen_helpers.h"
#include "game/state/game_state.h"
#include "runtime/frame/engine.h"
#include "runtime/gfx/draw2d.h"
#include "runtime/input/input.h"
#include "runtime/values/line_file.h"

namespace game {

namespace {

constexpr int kDirectionKeyBase = 152;
constexpr int kKeys = 20;
constexpr int kSwitches = 3;
constexpr int kEntries = kSwitches + kKeys;
// Keys of the screen itself, whatever the settings: arrows, Enter and Esc.
constexpr int kUp = 200, kDown = 208, kLeft = 203, kRight = 205, kEnter = 28, kEsc = 1;
// Hold before a direction repeats with one step per tap.
constexpr double kRepeatMs = 350;

PlayerOptions g_options;
PlayerOptions g_settings;  // the settings' own keys and lines
bool g_captured = false;
double g_settings_tv = 0;

TextValue OptionsFileName() {
    return "Media/Zolv-opzioni." + estdoc_Str;
}

void CaptureSettings() {
    if (g_captured) return;
    g_captured = true;
    for (int d = 0; d < 4; ++d)
        g_settings.keys[d] = (CharAt(rotaz_Str, d) + kDirectionKeyBase) & 255;
    for (int b = 0; b < 16; ++b) g_settings.keys[4 + b] = static_cast<int>(pressioni(b));
    g_settings_tv = vecchiatv;
}

void PutInForce(const PlayerOptions& o) {
    std::string keys;
    // A direction is kept as the character whose code plus the base gives the key code in its
    // low 8 bits, so any key can be a direction.
    for (int d = 0; d < 4; ++d)
        keys += static_cast<char>((o.keys[d] + 256 - kDirectionKeyBase) & 255);
    rotaz_Str = keys + keys;
    for (int b = 0; b < 16; ++b) pressioni(b) = o.keys[4 + b];
    vecchiatv = o.tv ? g_settings_tv : 0;
}

// The line of the options file holding `name`, or the first free line; -1 when full.
int LineOf(const std::string& name, bool* found) {
    *found = false;
    int free_line = -1;
    for (int n = 0; n < 256; ++n) {
        const std::string line = ReadFileLine(OptionsFileName(), n).str();
        std::string who;
        PlayerOptions o;
        if (ParseOptionsLine(line, &who, &o)) {
            if (who == name) {
                *found = true;
                return n;
            }
        } else if (free_line < 0) {
            free_line = n;
        }
    }
    return free_line;
}

// Edge of a key of the screen: true on the frame it went down.
bool Went(int code, uint8_t* was) {
    const bool down = KeyDown(code) != 0;
    const bool went = down && !*was;
    *was = down;
    return went;
}

// The lowest key code held now, 0 for none.
int KeyHeld() {
    for (int code = 1; code < 256; ++code)
        if (KeyDown(code)) return code;
    return 0;
}

std::string KeyName(int code) {
    static const char* const kRows[] = {"QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};
    static const int kStarts[] = {16, 30, 44};
    for (int r = 0; r < 3; ++r) {
        const std::string row = kRows[r];
        if (code >= kStarts[r] && code < kStarts[r] + static_cast<int>(row.size()))
            return std::string(1, row[code - kStarts[r]]);
    }
    switch (code) {
        case 1:
            return "ESC";
        case 14:
            return "BACKSPACE";
        case 15:
            return "TAB";
        case 28:
            return "ENTER";
        case 29:
            return "LCTRL";
        case 42:
            return "LSHIFT";
        case 54:
            return "RSHIFT";
        case 56:
            return "ALT";
        case 57:
            return "SPACE";
        case 200:
            return "UP";
        case 203:
            return "LEFT";
        case 205:
            return "RIGHT";
        case 208:
            return "DOWN";
        default:
            break;
    }
    if (code >= 2 && code <= 10) return std::to_string(code - 1);
    if (code == 11) return "0";
    std::string unnamed = "#";
    unnamed += std::to_string(code);
    return unnamed;
}

std::string EntryText(const PlayerOptions& o, int entry) {
    static const char* const kSwitchKeys[kSwitches] = {"OPT_ONE_STEP", "OPT_TV", "OPT_AIDS"};
    const bool on[kSwitches] = {o.one_step, o.tv, o.aids};
    if (entry < kSwitches)
        return ExtraText(kSwitchKeys[entry]) + " " +
               testi_Str(13 + (on[entry] ? 1 : 0), lingua).str();
    const int k = entry - kSwitches;
    static const char* const kDirections[4] = {"AID_UP", "AID_RIGHT", "AID_DOWN", "AID_LEFT"};
    static const char* const kButtons[8] = {"A", "B", "X", "Y", "R", "L", "SELECT", "START"};
    std::string label =
        k < 4 ? ExtraText(kDirections[k])
              : kButtons[(k - 4) % 8] + std::string(" (") + std::to_string(1 + (k - 4) / 8) + ")";
    return label + ": " + KeyName(o.keys[k]);
}

void DrawScreen(const PlayerOptions& o, int chosen, const std::string& message) {
    // Eleven entries at a time, the chosen one kept in view, and room below for two lines of
    // help whose letters reach a few pixels under their line.
    constexpr int kShown = 11;
    const int first = std::clamp(chosen - kShown / 2, 0, kEntries - kShown);
    SetBlendAlpha(0);
    FillBox(0, 0, 320, 240, static_cast<int>(coloresfondo));
    ScriveTESTO(ExtraText("OPT_TITLE"), 8, 4, 12, 0.8);
    for (int e = first; e < first + kShown; ++e) {
        const double y = 26 + (e - first) * 15;
        if (e == chosen) ScriveTESTO(">", 4, y, 10, 0.6);
        ScriveTESTO(EntryText(o, e), 18, y, 10, 0.6);
    }
    if (message.empty()) {
        ScriveTESTO(ExtraText("OPT_HELP"), 4, 200, 9, 0.5);
        ScriveTESTO(ExtraText("OPT_HELP2"), 4, 214, 9, 0.5);
    } else {
        ScriveTESTO(message, 4, 207, 9, 0.5);
    }
}

}  // namespace

const PlayerOptions& CurrentOptions() {
    return g_options;
}

std::string OptionsLine(const std::string& name, const PlayerOptions& o) {
    std::string s = name + " " + (o.one_step ? "1" : "0") + " " + (o.tv ? "1" : "0") + " " +
                    (o.aids ? "1" : "0");
    for (int k = 0; k < kKeys; ++k) {
        s += ' ';
        s += std::to_string(o.keys[k]);
    }
    return s;
}

bool ParseOptionsLine(const std::string& line, std::string* name, PlayerOptions* o) {
    std::istringstream in(line);
    int one_step = 0, tv = 0, aids = 0;
    if (!(in >> *name >> one_step >> tv >> aids)) return false;
    PlayerOptions read;
    read.one_step = one_step == 1;
    read.tv = tv == 1;
    read.aids = aids == 1;
    for (int k = 0; k < kKeys; ++k) {
        if (!(in >> read.keys[k]) || read.keys[k] < 1 || read.keys[k] > 255) return false;
        for (int j = 0; j < k; ++j)
            if (read.keys[j] == read.keys[k]) return false;
    }
    std::string rest;
    if (in >> rest) return false;
    *o = read;
    return true;
}

bool KeyTaken(const PlayerOptions& o, int entry, int code) {
    for (int k = 0; k < kKeys; ++k)
        if (k != entry && o.keys[k] == code) return true;
    // The screen's own keys and the fixed volume and aid keys stay free.
    return code == kEnter || code == 60 || code == 2 || code == 3 || code == 201 || code == 209 ||
           code == 22 || code == 23 || code == 35;
}

void ApplyPlayerOptions() {
    CaptureSettings();
    g_options = g_settings;
    g_options.tv = true;
    bool found = false;
    const int n = LineOf(nome_Str.str(), &found);
    if (found) {
        std::string who;
        ParseOptionsLine(ReadFileLine(OptionsFileName(), n).str(), &who, &g_options);
    }
    PutInForce(g_options);
}

EntryPoint OptionsScreen() {
    ApplyPlayerOptions();
    PlayerOptions o = g_options;
    int chosen = 0;
    std::string message;
    uint8_t was[6] = {1, 1, 1, 1, 1, 1};  // keys held on entry count from their release
    const int codes[6] = {kUp, kDown, kLeft, kRight, kEnter, kEsc};
    bool waiting = false;
    for (;;) {
        DrawScreen(o, chosen, waiting ? ExtraText("OPT_PRESS_KEY") : message);
        mostraschermo();
        bool went[6];
        for (int i = 0; i < 6; ++i) went[i] = Went(codes[i], &was[i]);
        if (waiting) {
            const int code = KeyHeld();
            if (code == 0 || (code == kEnter && was[4])) continue;
            waiting = false;
            for (int i = 0; i < 6; ++i) was[i] = KeyDown(codes[i]) != 0;
            const int k = chosen - kSwitches;
            if (code == o.keys[k]) {
                message.clear();
            } else if (KeyTaken(o, k, code) || code == kDirectionKeyBase) {
                message = ExtraText("OPT_KEY_TAKEN") + " " + KeyName(code);
                SuonaEFFETTO(12, 0);
            } else {
                o.keys[k] = code;
                message.clear();
            }
            continue;
        }
        if (went[5]) break;
        if (went[0]) chosen = chosen > 0 ? chosen - 1 : kEntries - 1;
        if (went[1]) chosen = chosen < kEntries - 1 ? chosen + 1 : 0;
        if ((went[2] || went[3]) && chosen < kSwitches) {
            bool* const flags[kSwitches] = {&o.one_step, &o.tv, &o.aids};
            *flags[chosen] = !*flags[chosen];
        }
        if (went[4] && chosen >= kSwitches) {
            waiting = true;
            message.clear();
        }
    }
    bool found = false;
    const int n = LineOf(nome_Str.str(), &found);
    if (n >= 0) WriteFileLine(OptionsFileName(), n, TextValue(OptionsLine(nome_Str.str(), o)));
    g_options = o;
    PutInForce(g_options);
    return EntryPoint::kMenuSetUp;
}

void OneEditorSwitchPerPress() {
    static bool held_both = false;
    const bool both = tasl == 1 && tasr == 1;
    if (!g_options.one_step) {
        held_both = both;
        return;
    }
    if (both && held_both) {
        tasl = 0;
        tasr = 0;
    }
    held_both = both;
}

void OneStepPerTap() {
    static int held_dir = -1, held_lr = 0;
    static double since = 0;
    if (!g_options.one_step) return;
    const double now = TimerNow();
    if (tasdir < 0) {
        held_dir = -1;
    } else if (tasdir != held_dir) {
        held_dir = static_cast<int>(tasdir);
        since = now;
    } else if (now - since < kRepeatMs) {
        tasdir = -1;
    }
    const int lr = static_cast<int>(tastlr);
    if (lr != 0 && lr == held_lr) tastlr = 0;
    held_lr = lr;
}

}  // namespace game
