// The piece sheet: every board piece with its rotation characters, first sprite and kind letters.
// Kind letters: first M wall, B glass block, U and N blocking, C cabin, G slide, O egg, P chick,
// I switch, X exit, V passable decoration, F plain floor, S the start; second letter A ice,
// U pickup (drawn 12 up), P drawn 8 up, X/Y flickering torch, "." a wall the player may hide,
// "!" raised and turning in the editor, digits a slide's direction, a cabin's closed sides or a
// switch's board rewrite, "-" nothing more.
#include "board_art.h"
#include "media_set.h"
#include "palette.h"
#include "player_art.h"

namespace mediagen {

using namespace pal;

namespace {
std::string Same(char ch) {
    return std::string(4, ch);
}

struct Colour {
    Rgb rgb;
    char up[3];    // pieces that stand raised now
    char down[3];  // pieces that lie flat now
};
// Switch 1 red, 2 blue, 3 green, 4 yellow; each pair swaps when its switch is stepped on.
const Colour kBarriers[4] = {
    {kRed, {'C', 'd', 0}, {'c', 'D', 0}},
    {kBlue, {'E', 'f', 0}, {'e', 'F', 0}},
    {kGreen, {'G', 'h', 0}, {'g', 'H', 0}},
    {kGold, {'I', 'L', 'M'}, {'J', 'K', 'N'}},
};

void Ground16(SheetLayout& s) {
    s.Height(16);
    s.Piece(Same('#'), "F-", [](Canvas& c, int x, int y) { art::Floor(c, x, y); });
    s.Line(Directive("SPRIT", "SOTT", ""));
    s.Piece(Same('$'), "U-", [](Canvas& c, int x, int y) { art::Water(c, x, y); });
    s.Line(Directive("SPRIT", "VUOT", ""));
    s.Piece(Same('/'), "U-", [](Canvas& c, int x, int y) { art::Hole(c, x, y); });
    s.Line(Directive("SPRIT", "GHIA", ""));
    s.Piece(Same('^'), "F-", [](Canvas& c, int x, int y) { art::TakenMark(c, x, y); });
    s.Piece(Same('8'), "F-", [](Canvas& c, int x, int y) { art::Shells(c, x, y); });
    s.Piece(Same(':'), "F-", [](Canvas& c, int x, int y) { art::GateOpen(c, x, y); });
    for (const auto& b : kBarriers)
        for (char ch : b.down)
            if (ch)
                s.Piece(Same(ch), "F-",
                        [rgb = b.rgb](Canvas& c, int x, int y) { art::BarrierDown(c, x, y, rgb); });
    s.Piece(Same('5'), "X1", [](Canvas& c, int x, int y) { art::Exit(c, x, y, 0); });
    s.Piece(Same('6'), "X2", [](Canvas& c, int x, int y) { art::Exit(c, x, y, 1); });
    const std::pair<char, Rgb> switches[5] = {
        {'7', kWhite}, {'A', kRed}, {'B', kBlue}, {'O', kGreen}, {'P', kGold}};
    for (int i = 0; i < 5; ++i)
        s.Piece(Same(switches[i].first), std::string("I") + char('0' + i),
                [rgb = switches[i].second](Canvas& c, int x, int y) { art::Switch(c, x, y, rgb); });
    s.Piece(Same('.'), "FA", [](Canvas& c, int x, int y) { art::Ice(c, x, y, 0); });
    s.Extra(7, [](Canvas& c, int x, int y, int i) { art::Ice(c, x, y, i + 1); });
    // Slides: the piece itself is frame 0, three more pieces hold frames 1 to 3.
    const char* dirs = "1234";
    const char* frames[4] = {"abi", "jkl", "mno", "pqr"};
    for (int d = 0; d < 4; ++d) {
        std::string rot;
        for (int r = 0; r < 4; ++r) rot += dirs[(d + r) % 4];
        std::string kind = std::string("G") + char('0' + d);
        s.Piece(rot, kind, [d](Canvas& c, int x, int y) { art::Slide(c, x, y, d, 0); });
        // Frame pieces turn like their slide, so a frame placed on a map still behaves.
        for (int f = 0; f < 3; ++f) {
            std::string frot;
            for (int r = 0; r < 4; ++r) frot += frames[(d + r) % 4][f];
            s.Piece(frot, kind, [d, f](Canvas& c, int x, int y) { art::Slide(c, x, y, d, f + 1); });
        }
    }
    // Cabins: ";<=>" turn through four ways, "?@" through two, "WX{}" through four.
    const std::string cabins = ";<=>?@WX{}";
    const std::string cycles[3] = {";<=>", "?@", "WX{}"};
    for (int k = 0; k < 10; ++k) {
        const std::string& cyc = k < 4 ? cycles[0] : k < 6 ? cycles[1] : cycles[2];
        size_t at = cyc.find(cabins[k]);
        std::string rot;
        for (int r = 0; r < 4; ++r) rot += cyc[(at + r) % cyc.size()];
        s.Piece(rot, std::string("C") + char('0' + k),
                [k](Canvas& c, int x, int y) { art::CabinBase(c, x, y, k); });
    }
    s.Piece(Same('U'), "V-", [](Canvas& c, int x, int y) { art::Flowers(c, x, y, 0); });
    s.Piece(Same('V'), "V-", [](Canvas& c, int x, int y) { art::Flowers(c, x, y, 1); });
}

void Raised28(SheetLayout& s) {
    s.Height(28);
    s.Piece(Same('&'), "M.", [](Canvas& c, int x, int y) { art::Wall(c, x, y, 0); });
    s.Piece(Same('\''), "M.", [](Canvas& c, int x, int y) { art::Wall(c, x, y, 1); });
    // Torches flicker two sprites on ("X") or back ("Y"): keep them two apart.
    s.Piece(Same('('), "MX", [](Canvas& c, int x, int y) { art::Brazier(c, x, y, 0); });
    s.Piece(Same(')'), "M.", [](Canvas& c, int x, int y) { art::Wall(c, x, y, 2); });
    s.Piece(Same('*'), "MY", [](Canvas& c, int x, int y) { art::Brazier(c, x, y, 1); });
    s.Piece(Same('9'), "NU", [](Canvas& c, int x, int y) { art::GateClosed(c, x, y); });
    for (const auto& b : kBarriers)
        for (char ch : b.up)
            if (ch)
                s.Piece(Same(ch), "NU",
                        [rgb = b.rgb](Canvas& c, int x, int y) { art::BarrierUp(c, x, y, rgb); });
    s.Piece(Same(','), "OP", [](Canvas& c, int x, int y) { art::Egg(c, x, y); });
    s.Line(Directive("SPRIT", "UOVO", ""));
    s.Piece(Same('-'), "PP", [](Canvas& c, int x, int y) { art::Chick(c, x, y, 0); });
    s.Line(Directive("SPRIT", "PULC", ""));
    s.Extra(7, [](Canvas& c, int x, int y, int i) { art::Chick(c, x, y, i + 1); });
    s.Piece(Same('0'), "FU", [](Canvas& c, int x, int y) { art::Gem(c, x, y); });
    s.Piece(Same('Q'), "VU", [](Canvas& c, int x, int y) { art::Star(c, x, y); });
    s.Piece(Same('R'), "NU", [](Canvas& c, int x, int y) { art::Rock(c, x, y); });
    s.Piece(Same('S'), "NP", [](Canvas& c, int x, int y) { art::Bush(c, x, y, 0); });
    s.Extra(2, [](Canvas& c, int x, int y, int i) { art::Bush(c, x, y, i + 1); });
    s.Piece(Same('T'), "NP", [](Canvas& c, int x, int y) { art::Hen(c, x, y, 0); });
    s.Extra(2, [](Canvas& c, int x, int y, int i) { art::Hen(c, x, y, i + 1); });
    s.Piece(Same('Y'), "N-", [](Canvas& c, int x, int y) { art::CabinPane(c, x, y, 1); });
    s.Line(Directive("SPRIT", "CABI", ""));
    s.Extra(5, [](Canvas& c, int x, int y, int i) { art::CabinPane(c, x, y, i + 2); });
    s.Piece(Same('%'), "S!", [](Canvas& c, int x, int y) { art::Player(c, x, y, 0); });
    s.Line(Directive("SPRIT", "GIOC", ""));
    s.Extra(art::kPlayerFrames - 1,
            [](Canvas& c, int x, int y, int i) { art::Player(c, x, y, i + 1); });
}

}  // namespace

void BuildPieceSheet(Sheets& out, SheetLayout& s) {
    s.Begin("pezz");
    Ground16(s);
    Raised28(s);
    s.Height(32);
    s.Piece(Same('+'), "B-", [](Canvas& c, int x, int y) { art::GlassBlock(c, x, y); });
    out.images.push_back({s.SheetName(), s.Finish()});
    // Slide animation frames, appended to each slide's entry.
    out.lines.push_back(Directive("ANISC", "1abi", ""));
    out.lines.push_back(Directive("ANISC", "2jkl", ""));
    out.lines.push_back(Directive("ANISC", "3mno", ""));
    out.lines.push_back(Directive("ANISC", "4pqr", ""));
}

}  // namespace mediagen
