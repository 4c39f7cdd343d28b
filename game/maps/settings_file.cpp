#include "game/maps/settings_file.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "game/maps/map_file.h"
#include "game/maps/media_check.h"
#include "game/state/game_state.h"
#include "runtime/base/log.h"
#include "runtime/gfx/draw2d.h"
#include "runtime/values/line_file.h"

namespace game {

namespace {

// Lines 1 to 255 of a settings file are read; line 0 is the file's title.
constexpr int kLastLine = 255;
// Player names the name entry refuses: three letters and a blank each.
constexpr const char* kRefusedNames = "ASS CUL FAG KKK NAZ SEX TIT WTF ";

// The settings line being read, for messages about it.
std::string g_reading_file;
int g_reading_line = 0;
// Per settings file (1 and 2): whether it could be opened, and its directive lines.
bool g_file_found[3] = {};
int g_directives[3] = {};
unsigned g_given = 0;

}  // namespace

TextValue SettingsFileName(int digit) {
    return "Media/Zolv-dat" + TextValue(digit) + "." + estdoc_Str;
}

void SetSettingsDefaults() {
    fix069 = 0;
    troppipassi = 1280;
    pochipunti = -999;
    troppotempo = 899;
    tasvol2 = 0;
    lettera = 0;
    lingua = 1;
    estdoc_Str = "txt";
    estgfx_Str = "bmp";
    estsfx_Str = "wav";
    map3 = -1;
    suoni = 1;
    vetri = 1;
    mostramuri = 1;
    turbo = 0;
    fattorex = 2.5;
    fattorey = 1.5;
    null_Str = "Ruto_Software";
    esce = 0;
    smoo = 0;
    stereo = 1;
    vecchiatv = 0;
    coloresfondo = 0;
    ttmenu = -1;
    sceltamenu = -1;
    testoreplay = 0;
    trasparenza = -0.25;
    ogni = ControlsEvery(0);
    demo_Str = "";
    xss = 0;
    yss = 0;
    zoom = 1;
    scelta = 0;
    chrdiff = 35;
    bordox = 0;
    bordoy = 0;
    zydiff = 0;
    rotazione = 0;
    rotaz_Str = "";
    animazione = 0;
    mappa_Str = "";
    riga_Str = "";
    movimento = -1;
    movx = 0;
    movy = 0;
    giocdir = 2;
    animaffonda = 0;
    scivolo = -1;
    finelivello = 0;
    mapset_Str = "sch1";
    mapmax = 99;
    traspscivolo = 0;
    tasdir = -1;
    sx = 20;
    spr = 1;
    filegioc_Str = "Media/Zolv-gioc." + estdoc_Str;
}

void ReadSettingsFile(int digit) {
    const TextValue file_Str = SettingsFileName(digit);
    g_reading_file = file_Str.str();
    g_file_found[digit] = ReadFileLine(file_Str, 0) != "NO_FILE";
    g_directives[digit] = 0;
    for (int line = 1; line <= kLastLine; ++line) {
        g_reading_line = line;
        const TextValue line_Str = ReadFileLine(file_Str, line);
        if (CharAt(line_Str, 0) == '=') ++g_directives[digit];
        if (!ApplySettingsLine(line_Str)) return;
    }
}

void NoteSettingsGiven(SettingsGiven what) {
    g_given |= what;
}

void RefuseSettingsLine(const std::string& why) {
    // Lines counted from 1, as a text editor shows them.
    const std::string message = g_reading_file + " line " + std::to_string(g_reading_line + 1) +
                                ": =" + comando_Str.str() + " refused: " + why;
    std::fprintf(stderr, "%s\n", message.c_str());
    AppendLog(message);
}

void RequireSettingsGiven() {
    const auto stop = [](int digit, const std::string& what) {
        StopAtStartUp(SettingsFileName(digit).str() + " " + what +
                      ". The game cannot start without it.");
    };
    for (int digit = 1; digit <= 2; ++digit) {
        if (!g_file_found[digit]) stop(digit, "is missing or cannot be read");
        if (g_directives[digit] == 0)
            stop(digit, "is empty or holds no settings (no line starts with \"=\")");
    }
    // Where the shipped set keeps them: pieces in the first file, menu and keys in the second.
    if (!(g_given & kSettingsPieces)) stop(1, "gives no pieces (=PEZZO lines)");
    if (!(g_given & kSettingsMenu)) stop(2, "gives no menu texts (a valid =MENUT line)");
    if (!(g_given & kSettingsKeys)) stop(2, "gives no keys (=TASGP or =TASCE lines)");
}

// A line the line file could not give: the file or the line is missing.
bool MissingLine(const TextValue& line_Str) {
    return line_Str == "NO_FILE" || line_Str == "NO_DATA";
}

bool PrintableName(const TextValue& name_Str) {
    for (int at = 0; at < Len(name_Str); ++at)
        if (CharAt(name_Str, at) < 32 || CharAt(name_Str, at) > 126) return false;
    return true;
}

bool RefusedName(const TextValue& name_Str) {
    for (int at = 0; at + 3 <= Len(kRefusedNames); at += 4)
        if (Substring(kRefusedNames, at, 3) == name_Str) return true;
    return false;
}

void ReadPlayerName() {
    // Without a player file the player is "PL1", as with a name too short to use, one holding
    // a character outside codes 32 to 126, or one the name entry would refuse.
    const TextValue name_Str = ReadFileLine(filegioc_Str, 0);
    const TextValue first_Str = Substring(name_Str, 0, 3);
    const bool usable = Len(name_Str) >= 3 && !MissingLine(name_Str) && PrintableName(first_Str) &&
                        !RefusedName(first_Str);
    nome_Str = usable ? first_Str : TextValue("PL1");
}

// A switch read from the player file is 0 or 1: anything else counts as 1, so a hand-edited
// file can never put an index out of its table or make a glide worth more steps.
double SwitchValue(double value) {
    return value == 0 ? 0 : 1;
}

void ReadPlayerPreferences() {
    // The player file keeps the switches inverted, so a fresh or missing file means "on".
    const auto line = [](int n) { return TextToNumber(ReadFileLine(filegioc_Str, n)); };
    suoni = SwitchValue(std::fabs(1 - line(3)));
    mostramuri = SwitchValue(std::fabs(1 - line(4)));
    vetri = SwitchValue(std::fabs(1 - line(5)));
    turbo = SwitchValue(line(6));
    lingua = SwitchValue(std::fabs(1 - line(7)));
}

// A frame rate the settings leave out (or make 0 or less) would stop the frame clock.
void CheckFrameRate() {
    if (lfps > 0 && std::isfinite(lfps)) return;
    AppendLog("LFPS " + NumberToText(lfps).str() + " is no frame rate; 60 used");
    lfps = 60;
}

void Impostazioni() {
    CallDepthScope depth;
    SetSettingsDefaults();
    ReadPlayerName();
    noname_Str = kRefusedNames;
    tastlr = tasa = tasb = tasx = tasy = tasr = tasl = tassel = tassta = tasvol = 0;
    DimArray(pezzi_Str, 128);
    DimArray(pressioni, 16);
    DimArray(menu_Str, 16, 2);
    DimArray(testi_Str, 16, 2);
    Margini();
    RequireMediaFolder(SettingsFileName(1));
    g_given = 0;
    for (int digit = 1; digit <= 2; ++digit) ReadSettingsFile(digit);
    RequireSettingsGiven();
    ReadPlayerPreferences();
    CheckFrameRate();
    if (turbo == 1) ogni = ControlsEvery(1);
    if (stereo == 0) volumemax = 1;
    if (stereo == 1) volumemax = 1.5;
    volumebase = volumemax;
    ClearFrame();
    info_Str = "";
}

double ControlsEvery(double turbo_on) {
    return turbo_on == 1 ? 2 : 4;
}

void GiocatoreDATI() {
    CallDepthScope depth;
    const TextValue tens_Str = ReadFileLine(filegioc_Str, 1);
    const TextValue units_Str = ReadFileLine(filegioc_Str, 2);
    ma1 = (CharAt(tens_Str, 0) - 65) * 10;
    ma2 = CharAt(units_Str, 0) - 65;
    map2 = ma1 + ma2;
    // Without progress on file the player starts at the first map, and progress never
    // offers a map the set does not have.
    if (MissingLine(tens_Str) || MissingLine(units_Str)) map2 = 0;
    map2 = std::clamp(map2, 0.0, mapmax);
}

}  // namespace game
