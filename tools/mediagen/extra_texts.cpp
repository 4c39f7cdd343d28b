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

    // Map editor: checks, verdicts, questions.
    {"EDITOR_UNSAVED_ASK", "NON SALVATA: DI NUOVO PER PERDERLA",
     "UNSAVED CHANGES: AGAIN TO DROP THEM"},
    {"EDITOR_SAVED", "MAPPA SALVATA!", "MAP SAVED!"},
    {"EDITOR_NOT_SAVED", "MAPPA NON SALVATA!", "MAP NOT SAVED!"},
    {"EDITOR_CHECK_START", "PARTENZA:", "START:"},
    {"EDITOR_CHECK_EXIT", "USCITA:", "EXIT:"},
    {"EDITOR_CHECK_COLLECT", "DA PRENDERE:", "TO TAKE:"},
    {"EDITOR_YES", "SI", "YES"},
    {"EDITOR_NO", "NO", "NO"},
    {"EDITOR_NO_START", "SENZA PARTENZA NON SI GIOCA", "NO START: IT CANNOT BE PLAYED"},
    {"EDITOR_SOLVED", "RISOLVIBILE IN # PASSI (# POSIZIONI)", "SOLVABLE IN # STEPS (# POSITIONS)"},
    {"EDITOR_UNSOLVABLE", "NESSUNA SOLUZIONE (# POSIZIONI)", "NO SOLUTION (# POSITIONS)"},
    {"EDITOR_GAVE_UP", "RINUNCIO DOPO # POSIZIONI", "GAVE UP AFTER # POSITIONS"},
    {"EDITOR_DEAD_ENDS", ", VICOLI CIECHI", ", DEAD ENDS"},
    {"EDITOR_SOLUTION_STORED", "SOLUZIONE SALVATA COME REPLAY", "SOLUTION STORED AS REPLAY"},
    {"EDITOR_NO_SOLUTION_TO_STORE", "NESSUNA SOLUZIONE DA SALVARE", "NO SOLUTION TO STORE"},
    {"EDITOR_RECORDS_MOVED", "VECCHI REPLAY E RECORD NEL FILE -BACKUP",
     "OLD REPLAY AND RECORDS MOVED TO -BACKUP"},
    // The editor's piece names by kind letters (both, else the first).
    {"PIECE_F", "PAVIMENTO", "FLOOR"},
    {"PIECE_FA", "GHIACCIO", "ICE"},
    {"PIECE_FU", "PAVIMENTO FRAGILE", "CRUMBLING FLOOR"},
    {"PIECE_U", "VUOTO", "EMPTY"},
    {"PIECE_M", "MURO", "WALL"},
    {"PIECE_B", "BLOCCO", "BLOCK"},
    {"PIECE_N", "OSTACOLO", "OBSTACLE"},
    {"PIECE_C", "CABINA GIREVOLE", "TURNING CABIN"},
    {"PIECE_G", "SCIVOLO", "SLIDE"},
    {"PIECE_I", "INTERRUTTORE", "SWITCH"},
    {"PIECE_O", "UOVO", "EGG"},
    {"PIECE_P", "PULCINO", "CHICK"},
    {"PIECE_S", "PARTENZA", "START"},
    {"PIECE_V", "DECORO", "DECORATION"},
    {"PIECE_X", "USCITA", "EXIT"},
    {"EDITOR_COPIED", "LIVELLO COPIATO COME RIGA DI TESTO", "LEVEL COPIED AS A LINE OF TEXT"},
    {"EDITOR_COPIED_WITH_REPLAY", "LIVELLO E REPLAY COPIATI", "LEVEL AND REPLAY COPIED"},
    {"EDITOR_NOT_COPIED", "NON COPIATO: APPUNTI NON DISPONIBILI", "NOT COPIED: NO CLIPBOARD"},
    {"EDITOR_PASTED", "LIVELLO INCOLLATO (NON ANCORA SALVATO)", "LEVEL PASTED (NOT SAVED YET)"},
    {"EDITOR_NOT_A_LEVEL", "NEGLI APPUNTI NON C'E' UN LIVELLO", "THE CLIPBOARD HOLDS NO LEVEL"},
    {"EDITOR_UNDONE", "ANNULLATO", "UNDONE"},
    {"EDITOR_REDONE", "RIFATTO", "REDONE"},
    {"EDITOR_NOTHING_TO_UNDO", "NIENTE DA ANNULLARE", "NOTHING TO UNDO"},
    {"EDITOR_NOTHING_TO_REDO", "NIENTE DA RIFARE", "NOTHING TO REDO"},

    // Saves, files and failures told on screen.
    {"REPLAY_NONE", "NESSUN REPLAY PER QUESTO LIVELLO", "NO REPLAY FOR THIS LEVEL"},
    {"REPLAY_RAN_OUT", "IL REPLAY FINISCE PRIMA DELL'USCITA", "THE REPLAY ENDS SHORT OF THE EXIT"},
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
