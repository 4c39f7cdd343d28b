// The shipped piece table loaded by the game's own start-up (no window: the sprites are not
// cut, the pieces and roles are read), small boards drawn as rows of cell characters, and a
// play state made from them the way a level is loaded.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/maps/map_file.h"
#include "game/maps/settings_file.h"
#include "game/media_folder.h"
#include "game/play/game_actions.h"
#include "game/play/play_rules.h"
#include "game/state/game_state.h"
#include "runtime/values/line_file.h"

namespace rules_test {

// Shipped cell characters the tests use, named for what they are.
constexpr char kFloor = '#', kStart = '%', kEmpty = '$', kHole = '/', kIce = '.';
constexpr char kEgg = ',', kChick = '-', kTakenChick = '8', kPickup = '0', kSpecial = 'Q',
               kTaken = '^', kExit = '5', kWall = '&', kBarrier = '9', kGlass = '+';
constexpr char kSlideUp = '1', kSlideRight = '2', kSlideDown = '3', kSlideLeft = '4';
constexpr int kUp = 0, kRight = 1, kDown = 2, kLeft = 3;

// A 256-character board: the rows given from the top left, every other cell floor.
inline std::string Board(const std::vector<std::string>& rows) {
    std::string board(256, kFloor);
    for (size_t y = 0; y < rows.size(); ++y)
        for (size_t x = 0; x < rows[y].size(); ++x) board[y * 16 + x] = rows[y][x];
    return board;
}

// The shipped replay file: every level's shortest solution, one replay line per map.
inline std::vector<std::string> ShippedSolutions() {
    const std::string text =
        ReadWholeFile(std::string(ZOLV_SOURCE_DIR) + "/media/Media/Zolv-sch1-memo.txt");
    std::vector<std::string> lines;
    std::string line;
    for (char c : text) {
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else if (c != '\r') {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

class ShippedRules : public game_test::InMediaFolder {
  protected:
    void SetUp() override {
        InMediaFolder::SetUp();
        CopyShippedMedia();
        game::Impostazioni();
        game::suoni = 0;
        game::PieceRulesFromGame(rules_);
    }

    // Loads `board` as map 0 the way a level starts, and the play state from it.
    game::PlayState Load(const std::string& board, int rotation = 0, int turbo = 0) {
        WriteFileLine(game::MapFileName(), 0, TextValue(board));
        game::map = 0;
        game::editor = 0;
        game::MappaCARICA();
        game::rotazione = rotation;
        game::turbo = turbo;
        game::PlayState state;
        game::PlayStateFromGame(state);
        return state;
    }
    // Rebuilds the rules after a test changed the piece table.
    void Rebuild() { game::PieceRulesFromGame(rules_); }

    char Cell(const game::PlayState& s, int x, int y) const {
        return static_cast<char>(s.cells[y * 16 + x]);
    }

    game::PieceRules rules_;
};

}  // namespace rules_test
