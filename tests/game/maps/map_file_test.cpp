// Loading a board from its map file, changing a cell, and the board margins.
#include "game/maps/map_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "game/media_folder.h"
#include "game/state/game_state.h"
#include "game/text_print.h"
#include "runtime/base/log.h"

namespace {

using game_test::CrLfLines;

std::string ReadWholeText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class MapFile : public game_test::InMediaFolder {
  protected:
    void SetUp() override {
        InMediaFolder::SetUp();
        game::chrdiff = 35;
        game::estdoc_Str = "txt";
        game::mapset_Str = "test";
        DimArray(game::pezzi_Str, 128);
        // Floor "#", start "A", egg "O", chick "P".
        game::chsotto = 0;
        game::chgioca = 'A' - 35;
        game::chuovo = 'O' - 35;
        game::chuovo2 = 'P' - 35;
        game::pezzi_Str(game::chsotto) = "####001  ";
        game::pezzi_Str(game::chgioca) = "AAAA002  ";
        game::pezzi_Str(game::chuovo) = "OOOO003OU";
        game::pezzi_Str(game::chuovo2) = "PPPP004PU";
    }
    // A board of floor with the given characters placed at the given cells.
    static std::string Board(std::initializer_list<std::pair<int, char>> cells) {
        std::string board(256, '#');
        for (const auto& [at, c] : cells) board[at] = c;
        return board;
    }
    void WriteMaps(const std::vector<std::string>& lines) {
        WriteMedia("Zolv-test-mappe.txt", CrLfLines(lines));
    }
};

TEST_F(MapFile, NameFollowsSetAndExtension) {
    EXPECT_EQ(game::MapFileName(), "Media/Zolv-test-mappe.txt");
}

TEST_F(MapFile, StartCellGivesPositionAndFloorInPlay) {
    WriteMaps({Board({}), Board({{37, 'A'}, {40, 'O'}, {41, 'O'}, {200, 'P'}})});
    game::map = 1;
    game::editor = 0;
    game::MappaCARICA();
    EXPECT_EQ(game::giocx, 5);
    EXPECT_EQ(game::giocy, 2);
    ASSERT_EQ(Len(game::mappa_Str), 256);
    EXPECT_EQ(CharAt(game::mappa_Str, 37), '#');
    EXPECT_EQ(game::uova, 2);
    EXPECT_EQ(game::uova2, 1);
}

TEST_F(MapFile, EditorKeepsTheStartPiece) {
    WriteMaps({Board({{37, 'A'}})});
    game::editor = 1;
    game::MappaCARICA();
    EXPECT_EQ(game::giocx, 5);
    EXPECT_EQ(game::giocy, 2);
    EXPECT_EQ(CharAt(game::mappa_Str, 37), 'A');
}

TEST_F(MapFile, LaterStartWinsAndNoStartKeepsPosition) {
    WriteMaps({Board({{17, 'A'}, {250, 'A'}}), Board({})});
    game::MappaCARICA();
    EXPECT_EQ(game::giocx, 10);
    EXPECT_EQ(game::giocy, 15);
    EXPECT_EQ(CharAt(game::mappa_Str, 17), '#');

    game::map = 1;
    game::MappaCARICA();
    EXPECT_EQ(game::giocx, 10);
    EXPECT_EQ(game::giocy, 15);
}

TEST_F(MapFile, LoadingResetsCountersAndCutsLongLines) {
    WriteMaps({Board({{0, 'O'}}) + "OOOO"});
    game::pulcini = 4;
    game::finelivello = 9;
    game::uova = 50;
    game::MappaCARICA();
    EXPECT_EQ(Len(game::mappa_Str), 256);
    EXPECT_EQ(game::uova, 1);
    EXPECT_EQ(game::pulcini, 0);
    EXPECT_EQ(game::finelivello, 0);
}

TEST_F(MapFile, MissingOrShortLinesBecomeWholeBoardsOfEmptyCells) {
    // With no egg piece defined its entry is empty; the padding must not count as eggs, or
    // the level could never end.
    game::pezzi_Str(game::chuovo) = "";
    game::chvuoto = '$' - 35;
    game::pezzi_Str(game::chvuoto) = "$$$$005  ";
    game::MappaCARICA();
    EXPECT_EQ(game::mappa_Str, "NO_FILE" + std::string(249, '$'));
    EXPECT_EQ(game::uova, 0);

    FlushLineFile();
    WriteMaps({Board({}), "#A#O"});
    game::map = 7;
    game::MappaCARICA();
    EXPECT_EQ(Len(game::mappa_Str), 256);
    EXPECT_EQ(Substring(game::mappa_Str, 7, -1), std::string(249, '$'));
    game::map = 1;
    game::MappaCARICA();
    EXPECT_EQ(Len(game::mappa_Str), 256);
    EXPECT_EQ(game::giocx, 1);
}

TEST_F(MapFile, BytesNamingNoPieceLoadAsEmptyCellsWithALogLine) {
    // A board saved as UTF-8: "é" is two bytes of 195 and 169, beyond the piece table.
    game::chvuoto = '$' - 35;
    game::pezzi_Str(game::chvuoto) = "$$$$005  ";
    std::string board = Board({{37, 'A'}});
    board[3] = '\xC3';
    board[4] = '\xA9';
    WriteMaps({board});
    std::filesystem::remove(LogFilePath());
    game::MappaCARICA();
    ASSERT_EQ(Len(game::mappa_Str), 256);
    EXPECT_EQ(CharAt(game::mappa_Str, 3), '$');
    EXPECT_EQ(CharAt(game::mappa_Str, 4), '$');
    EXPECT_EQ(game::giocx, 5);
    const std::string log = ReadWholeText(LogFilePath());
    EXPECT_NE(log.find("Map 0: cell 3 (byte 195) and 1 more name no piece"), std::string::npos)
        << log;
}

TEST_F(MapFile, CellChangeReplacesOneCharacter) {
    game::mappa_Str = std::string(256, '#');
    game::newtipo_Str = "8";
    game::giocx = 0;
    game::giocy = 0;
    game::MappaModificaXY();
    game::giocx = 15;
    game::giocy = 15;
    game::MappaModificaXY();
    EXPECT_EQ(Len(game::mappa_Str), 256);
    EXPECT_EQ(CharAt(game::mappa_Str, 0), '8');
    EXPECT_EQ(CharAt(game::mappa_Str, 255), '8');
    EXPECT_EQ(Substring(game::mappa_Str, 1, 254), std::string(254, '#'));
    EXPECT_EQ(game::p, 255);

    // An empty text or a cell off the board changes nothing; a longer text puts one cell.
    const TextValue before = game::mappa_Str;
    game::newtipo_Str = "";
    game::MappaModificaXY();
    game::newtipo_Str = "9";
    game::giocx = 16;
    game::MappaModificaXY();
    game::giocx = -1;
    game::giocy = 0;
    game::MappaModificaXY();
    EXPECT_EQ(game::mappa_Str, before);
    game::newtipo_Str = "OP";
    game::giocx = 1;
    game::MappaModificaXY();
    EXPECT_EQ(Len(game::mappa_Str), 256);
    EXPECT_EQ(Substring(game::mappa_Str, 0, 3), "8O#");
}

TEST(Margini, FollowBoardModeZoomAndEditor) {
    struct Case {
        double mappafissa, zoom, editor, x, y;
    };
    const Case cases[] = {
        {1, 1, 0, 0, 28},   {1, 1, 1, 0, 12},    {0, 1, 0, 24, 38},
        {0, 2, 0, -24, -2}, {0, 3, 0, -24, -24}, {1, 3, 0, -24, -24},
    };
    for (const Case& c : cases) {
        game::mappafissa = c.mappafissa;
        game::zoom = c.zoom;
        game::editor = c.editor;
        game::Margini();
        EXPECT_EQ(game::bordox, c.x) << c.mappafissa << " " << c.zoom << " " << c.editor;
        EXPECT_EQ(game::bordoy, c.y) << c.mappafissa << " " << c.zoom << " " << c.editor;
    }
}

}  // namespace
