// The map editor on the shipped media: picking and putting under the view rotation, the
// board shift, stepping the piece choice, the cursor at the board's edges, the map chooser's
// grid and wraps, the piece row past the end of the piece table, and pictures of the editor.
#include "game/maps/editor.h"

#include <gtest/gtest.h>

#include <string>

#include "game/play/controls.h"
#include "game/screen/screen_helpers.h"
#include "render_fixture.h"

namespace {

using game::EntryPoint;
using game_test::BoardDrawing;

constexpr int kUp = 0, kRight = 1, kDown = 2, kLeft = 3;

int Cell(int x, int y) {
    return CharAt(game::mappa_Str, y * 16 + x);
}
void SetCell(int x, int y, char c) {
    std::string board = game::mappa_Str.str();
    board[static_cast<size_t>(y * 16 + x)] = c;
    game::mappa_Str = TextValue(board);
}

class Editor : public BoardDrawing {
  protected:
    void SetUp() override {
        BoardDrawing::SetUp();
        if (IsSkipped()) return;
        // Map 1 in the editor keeps its start piece "%" at (5, 6) and puts the cursor on it.
        game::editor = 1;
        game::map = 1;
        game::MappaCARICA();
        game::Margini();
        game::scelta = 0;
        NoKeys();
    }
    // The key flags as one input frame leaves them.
    static void NoKeys() {
        game::TastiAZZERA();
        game::tasdir = -1;
    }
    // One input frame of the editor with these flags set, then the cursor step of the frame.
    static std::optional<EntryPoint> Keys(std::initializer_list<double*> flags, int direction) {
        NoKeys();
        for (double* flag : flags) *flag = 1;
        game::tasdir = direction;
        const auto next = game::EditorKeys(true);
        if (!next) game::EditorCursorMove();
        return next;
    }
};

TEST_F(Editor, PickAndPutCopyAPieceAndTurnItBackByTheView) {
    ASSERT_EQ(game::giocx, 5);
    ASSERT_EQ(game::giocy, 6);
    ASSERT_EQ(Cell(5, 6), '%');
    // Rotation 0: X on the start, Y one cell up copies it.
    EXPECT_FALSE(Keys({&game::tasx}, -1));
    EXPECT_EQ(game::scelta, '%' - 35 - 6);
    Keys({}, kUp);
    Keys({&game::tasy}, -1);
    EXPECT_EQ(Cell(5, 5), '%');

    // Rotation 2: the slide "1" (entry "1234") is seen as "3"; what is put back is position 2
    // of the entry of "3" ("3412"), the same slide as stored.
    SetCell(5, 5, '1');
    game::rotazione = 2;
    Keys({&game::tasx}, -1);
    EXPECT_EQ(game::scelta, '3' - 35 - 6);
    Keys({}, kUp);
    ASSERT_EQ(game::giocy, 4);
    Keys({&game::tasy}, -1);
    EXPECT_EQ(Cell(5, 4), '1');
    EXPECT_EQ(Cell(5, 5), '1');
}

TEST_F(Editor, PuttingAnEmptyEntryChangesNoCell) {
    const TextValue before = game::mappa_Str;
    // Pieces -2 and 120 have no entry in the shipped table.
    for (double chosen : {-8.0, 114.0}) {
        game::scelta = chosen;
        ASSERT_TRUE(game::pezzi_Str(chosen + 6).empty());
        Keys({&game::tasy}, -1);
        EXPECT_EQ(game::mappa_Str, before) << "choice " << chosen;
        EXPECT_EQ(Len(game::mappa_Str), 256);
    }
}

TEST_F(Editor, ShiftWrapsTheBoardInMapCellsUnderAnyRotation) {
    const std::string m = game::mappa_Str.str();
    const std::string expected[4] = {
        m.substr(16) + m.substr(0, 16), m.substr(255) + m.substr(0, 255),
        m.substr(240) + m.substr(0, 240), m.substr(1) + m.substr(0, 1)};
    for (int r : {0, 1}) {
        for (int d = 0; d < 4; ++d) {
            game::mappa_Str = TextValue(m);
            game::rotazione = r;
            Keys({&game::tasb}, d);
            EXPECT_EQ(game::mappa_Str.str(), expected[d]) << "rotation " << r << " direction " << d;
        }
    }
    // B with L turns the view instead: the board stays.
    game::mappa_Str = TextValue(m);
    Keys({&game::tasb, &game::tasl}, kUp);
    EXPECT_EQ(game::mappa_Str.str(), m);
}

TEST_F(Editor, CursorStopsAtTheEdgesAndStandsStillWhileAStepsTheChoice) {
    game::giocx = 15;
    game::giocy = 0;
    Keys({}, kRight);
    Keys({}, kUp);
    EXPECT_EQ(game::giocx, 15);
    EXPECT_EQ(game::giocy, 0);
    // B and right at column 15: the board shifts, the cursor stays.
    const TextValue before = game::mappa_Str;
    Keys({&game::tasb}, kRight);
    EXPECT_NE(game::mappa_Str, before);
    EXPECT_EQ(game::giocx, 15);
    EXPECT_EQ(game::giocdir, kRight);

    // A with a direction steps the choice through a grid six wide, turned with the view.
    game::scelta = 0;
    Keys({&game::tasa}, kUp);
    EXPECT_EQ(game::scelta, 6);
    EXPECT_EQ(game::giocy, 0);
    game::rotazione = 1;
    Keys({&game::tasa}, kUp);
    EXPECT_EQ(game::scelta, 7);
    // The wrap corrects once by 86 (the highest choice + 1): past 85 comes 0, below -8 the
    // choice comes back 86 higher.
    game::rotazione = 0;
    game::scelta = 85;
    Keys({&game::tasa}, kRight);
    EXPECT_EQ(game::scelta, 0);
    game::scelta = -8;
    Keys({&game::tasa}, kLeft);
    EXPECT_EQ(game::scelta, 77);
    Keys({&game::tasa}, kDown);
    EXPECT_EQ(game::scelta, 71);
}

TEST_F(Editor, SelectAndStartLeaveForTheMenuAndEndEditingOnlyInTestPlay) {
    game::rotazione = 3;
    EXPECT_EQ(Keys({&game::tassel, &game::tassta}, -1), EntryPoint::kMenuSetUp);
    EXPECT_EQ(game::editor, 1);
    EXPECT_EQ(game::rotazione, 0);
    game::prova = 1;
    EXPECT_EQ(Keys({&game::tassel, &game::tassta}, -1), EntryPoint::kMenuSetUp);
    EXPECT_EQ(game::editor, 0);
}

TEST_F(Editor, SelectAndStartThatOpenedTheEditorLeaveItOnlyOnceLetGo) {
    game::prova = 1;
    game::EditorEnteredWithSelectStart();
    EXPECT_FALSE(Keys({&game::tassel, &game::tassta}, -1));
    EXPECT_EQ(game::editor, 1);
    // A frame without a reading of the keys does not count as letting go.
    NoKeys();
    EXPECT_FALSE(game::EditorKeys(false));
    EXPECT_FALSE(Keys({&game::tassel, &game::tassta}, -1));
    Keys({}, -1);
    EXPECT_EQ(Keys({&game::tassel, &game::tassta}, -1), EntryPoint::kMenuSetUp);
    EXPECT_EQ(game::editor, 0);
}

TEST_F(Editor, SelectWithADirectionChoosesAMapAndStartsIt) {
    game::map2 = 5;
    game::map = 1;
    EXPECT_EQ(Keys({&game::tassel}, kRight), EntryPoint::kAttemptStart);
    EXPECT_EQ(game::map, 2);
}

struct ChooserCase {
    double map, mapgioc, rotation;
    int direction;
    double expected;
};

TEST(MapChooser, GridTenWideWrappedIntoTheMapsAllowed) {
    const ChooserCase cases[] = {
        {0, 99, 1, kUp, 1},     // under rotation 1, up is +1
        {0, 99, 0, kDown, 90},  // -10 wraps to 90
        {95, 99, 0, kUp, 5},    // 105 wraps to 5
        {5, 99, 0, kLeft, 4},  {99, 99, 0, kRight, 0},
        {0, 99, 0, kLeft, 99}, {0, 3, 0, kUp, 2},  // ten past map 0 of four maps is map 2
        {1, 5, 0, kDown, 3},   {2, 0, 3, kDown, 0},
    };
    for (const ChooserCase& c : cases) {
        game::ResetGameState();
        game::prova = 0;
        game::map = c.map;
        game::map2 = c.mapgioc;
        game::rotazione = c.rotation;
        game::tasdir = c.direction;
        game::MappaSceglie();
        EXPECT_EQ(game::map, c.expected)
            << "map " << c.map << " of 0.." << c.mapgioc << " rotation " << c.rotation
            << " direction " << c.direction;
        EXPECT_EQ(game::mapgioc, c.mapgioc);
    }
    // Test play chooses among every map of the set.
    game::ResetGameState();
    game::prova = 1;
    game::map2 = 2;
    game::mapmax = 17;
    game::map = 1;
    game::tasdir = kUp;
    game::MappaSceglie();
    EXPECT_EQ(game::map, 11);
}

void ExpectGolden(const std::string& name) {
    const std::string problem = CompareWithGolden(name, ReadScreen());
    EXPECT_TRUE(problem.empty()) << problem;
}

// The cursor on the start piece, the piece row from piece 2 (the chosen one, 8, in the middle
// with its character over it on frame 0), walls and raised "!" pieces as the editor shows them.
TEST_F(Editor, PicturesAtRotationZeroAndOne) {
    game::mostramuri = 0;
    game::scelta = 2;
    game::animazione = 0;
    Render();
    ExpectGolden("editor_rotation_0");
    game::rotazione = 1;
    game::animazione = 3;
    game::scelta = 40;
    Render();
    ExpectGolden("editor_rotation_1");
}

// The chosen piece on its own with its name, above the right end of the row; with the cursor
// in the bottom right corner it stands at the left end, in Italian here.
TEST_F(Editor, ChosenPieceBesideTheRowMakesWayForTheCursor) {
    game::mostramuri = 0;
    game::scelta = 2;
    game::animazione = 1;
    game::lingua = 0;
    game::giocx = 15;
    game::giocy = 15;
    Render();
    ExpectGolden("editor_chosen_left");
}

// A piece picked from the end of the table puts the row past it: those places stay empty
// rather than stopping the game.
TEST_F(Editor, PieceRowPastTheEndOfTheTable) {
    game::scelta = 127 - 6;
    Render();
    EXPECT_EQ(game::s, game::scelta + 13);
    game::scelta = -8;
    Render();
}

}  // namespace
