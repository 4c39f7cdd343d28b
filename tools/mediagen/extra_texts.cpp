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
    {"TITLE_HELP_KEY", "F1: AIUTO", "F1: HELP"},
    {"HELP_HEADING_TITLE", "AIUTO - TITOLO", "HELP - TITLE"},
    {"HELP_HEADING_MENU", "AIUTO - MENU", "HELP - MENU"},
    {"HELP_HEADING_PLAY", "AIUTO - GIOCO", "HELP - PLAY"},
    {"HELP_HEADING_EDITOR", "AIUTO - EDITOR DI MAPPE", "HELP - MAP EDITOR"},
    {"HELP_CLOSE", "UN TASTO CHIUDE L'AIUTO", "ANY KEY CLOSES THE HELP"},
    {"HELP_ANY_KEY", "UN TASTO", "ANY KEY"},
    {"HELP_START_GAME", "AL MENU", "TO THE MENU"},
    {"HELP_SHOW", "QUESTO AIUTO", "THIS HELP"},
    {"HELP_MENU_CHOOSE", "SCEGLIE LA VOCE", "CHOOSE AN ENTRY"},
    {"HELP_MENU_CHANGE", "CAMBIA LIVELLO O OPZIONE", "CHANGE THE LEVEL OR OPTION"},
    {"HELP_MENU_TAKE", "SCEGLIE (TIENI SU RECORD)", "TAKE IT (HOLD ON RECORDS)"},
    {"HELP_MENU_EDITOR", "EDITOR SI / NO", "MAP EDITOR ON / OFF"},
    {"HELP_PLAY_MOVE", "MUOVE", "MOVE"},
    {"HELP_PLAY_TURN", "GIRA LA VISTA", "TURN THE VIEW"},
    {"HELP_PLAY_SPEED", "PIU' LENTO / PIU' VELOCE", "SLOWER / FASTER"},
    {"HELP_PLAY_VIEW", "VISTA FISSA O MOBILE", "FIXED OR MOVING VIEW"},
    {"HELP_PLAY_RESTART", "RICOMINCIA", "START AGAIN"},
    {"HELP_PLAY_MENU", "TORNA AL MENU", "BACK TO THE MENU"},
    {"HELP_EDIT_MOVE", "MUOVE IL CURSORE", "MOVE THE CURSOR"},
    {"HELP_EDIT_CHOOSE", "+ DIREZIONE: SCEGLIE IL PEZZO", "+ DIRECTION: CHOOSE A PIECE"},
    {"HELP_EDIT_TAKE", "PRENDE IL PEZZO SOTTO", "TAKE THE PIECE UNDER IT"},
    {"HELP_EDIT_PUT", "METTE IL PEZZO", "PUT THE PIECE"},
    {"HELP_EDIT_SAVE", "SALVA LA MAPPA", "SAVE THE MAP"},
    {"HELP_EDIT_SHIFT", "+ DIREZIONE: SPOSTA TUTTO", "+ DIRECTION: SHIFT THE BOARD"},
    {"HELP_EDIT_OTHER", "+ DIREZIONE: ALTRA MAPPA", "+ DIRECTION: ANOTHER MAP"},

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
    {"RECORD_NOT_SAVED", "RECORD NON SALVATO!", "RECORD NOT SAVED!"},

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
