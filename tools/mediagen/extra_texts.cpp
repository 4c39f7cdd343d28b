// The texts of the screens we added beside the game (help, options, hints, the editor's
// checks): one table, both languages side by side, written to Media/Zolv-testi-0.txt and
// Media/Zolv-testi-1.txt as KEY=text lines. Keep each text within 38 characters where it
// stands on a line of its own (the 320 x 240 screen at 8 pixels a character).
#include "media_set.h"

namespace mediagen {

namespace {

struct ExtraText {
    const char* key;
    const char* italian;
    const char* english;
};

// One section per screen, so that texts added for different screens stay apart.
const ExtraText kExtraTexts[] = {
    // Title and help over every screen.
    {"TITLE_PRESS_KEY", "PREMI UN TASTO", "PRESS ANY KEY"},

    // Player options, undo and hints.
    {"AID_HINT", "PROSSIMA MOSSA:", "NEXT MOVE:"},
    {"AID_UP", "SU", "UP"},
    {"AID_RIGHT", "DESTRA", "RIGHT"},
    {"AID_DOWN", "GIU'", "DOWN"},
    {"AID_LEFT", "SINISTRA", "LEFT"},
    {"AID_NO_WAY", "DA QUI IL LIVELLO NON SI FINISCE", "NO WAY TO FINISH FROM HERE"},
    {"AID_NO_HINT", "NESSUN AIUTO IN TEMPO", "NO HINT FOUND IN TIME"},
    {"AID_UNDO_OR_RESTART", "U ANNULLA, SELECT RICOMINCIA", "U UNDOES, SELECT RESTARTS"},
    {"OPT_TITLE", "OPZIONI DEL GIOCATORE", "PLAYER OPTIONS"},
    {"OPT_ONE_STEP", "UN PASSO PER TOCCO", "ONE STEP PER TAP"},
    {"OPT_TV", "RIGHE DELLA VECCHIA TV", "OLD TV LINES"},
    {"OPT_AIDS", "ANNULLA E AIUTI (U I H)", "UNDO AND HINTS (U I H)"},
    {"OPT_HELP", "SU/GIU' SCEGLI, SIN/DES CAMBIA", "UP/DOWN CHOOSE, LEFT/RIGHT CHANGE"},
    {"OPT_HELP2", "INVIO E UN TASTO, ESC ESCE", "ENTER THEN A KEY, ESC LEAVES"},
    {"OPT_PRESS_KEY", "PREMI IL NUOVO TASTO", "PRESS THE NEW KEY"},
    {"OPT_KEY_TAKEN", "TASTO GIA' USATO:", "KEY ALREADY TAKEN:"},
    {"AID_MARK", "CON AIUTI (U I H)", "WITH AIDS (U I H)"},

    // Map editor: checks, verdicts, questions.

    // Saves, files and failures told on screen.

    // Level names and the menu.
};

}  // namespace

std::vector<std::string> ExtraTexts(int language) {
    std::vector<std::string> lines;
    for (const ExtraText& t : kExtraTexts)
        lines.push_back(std::string(t.key) + "=" + (language == 0 ? t.italian : t.english));
    return lines;
}

}  // namespace mediagen
