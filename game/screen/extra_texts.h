// Texts of the screens and messages we added beside the game (help, options, hints, the
// editor's checks), in the player's language. Each language keeps them in a file of its own,
// "Media/Zolv-testi-0.txt" (Italian) and "Media/Zolv-testi-1.txt" (English), one "KEY=text"
// line each, so the game's own settings files keep their lines.
#pragma once
#include <string>
#include <string_view>

namespace game {

// The text named `key` in language `lingua` (0 Italian, 1 English). A key missing from that
// language's file is taken from the English file, and one missing there too is shown as the
// key itself, so a forgotten text is visible rather than blank.
const std::string& ExtraText(std::string_view key);
// The same in a given language.
const std::string& ExtraTextIn(std::string_view key, int language);
// Forgets the files read, so the next call reads them again (tests, a changed media folder).
void ForgetExtraTexts();

}  // namespace game
