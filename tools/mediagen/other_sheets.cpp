// The sign sheet (panel indicators and the text font) and the final-scene sheet (title letters,
// saucer, partner and rays), and the assembly of all sheets in reading order.
#include "font_art.h"
#include "media_set.h"
#include "player_art.h"
#include "scene_art.h"

namespace mediagen {

void BuildPieceSheet(Sheets& out, SheetLayout& s);

namespace {
void SignSheet(Sheets& out, SheetLayout& s) {
    s.Begin("segn");
    s.Fixed("99");
    s.Extra(6, [](Canvas& c, int x, int y, int i) { art::Indicator(c, x, y, i); });
    s.Fixed("88");
    s.Extra(art::kLastChar - art::kFirstChar + 1,
            [](Canvas& c, int x, int y, int i) { art::Glyph(c, x, y, char(art::kFirstChar + i)); });
    out.images.push_back({s.SheetName(), s.Finish()});
}

void FinalSheet(Sheets& out, SheetLayout& s) {
    s.Begin("fine");
    const struct {
        const char* code;
        char letter;
    } letters[4] = {{"TT", 'Z'}, {"UU", 'O'}, {"cc", 'L'}, {"SS", 'V'}};
    for (const auto& l : letters) {
        s.Fixed(l.code);
        int w = s.CellWidth(), h = s.CellHeight();
        s.Extra(1,
                [&](Canvas& c, int x, int y, int) { art::TitleLetter(c, x, y, w, h, l.letter); });
    }
    s.Fixed("UF");
    s.Extra(4, [](Canvas& c, int x, int y, int i) { art::Saucer(c, x, y, i); });
    s.Fixed("U2");
    s.Extra(2, [](Canvas& c, int x, int y, int i) { art::SaucerPart(c, x, y, i); });
    s.Fixed("WW");
    s.Extra(8, [](Canvas& c, int x, int y, int i) { art::Partner(c, x, y, i); });
    const char* rays[4] = {"R1", "R2", "R3", "R4"};
    for (int r = 0; r < 4; ++r) {
        s.Fixed(rays[r]);
        s.Extra(1, [r](Canvas& c, int x, int y, int) { art::Ray(c, x, y, r); });
    }
    out.images.push_back({s.SheetName(), s.Finish()});
}
}  // namespace

Sheets BuildSheets() {
    Sheets out;
    SheetLayout s(out.lines, out.cuts);
    BuildPieceSheet(out, s);
    // The layout keeps numbering sprites across sheets; the ANISC lines were appended after the
    // piece sheet, so further directives go on after them.
    SignSheet(out, s);
    FinalSheet(out, s);
    return out;
}

}  // namespace mediagen
