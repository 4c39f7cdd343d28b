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
