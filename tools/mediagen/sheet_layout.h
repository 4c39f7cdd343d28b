// Lays sprites out on a sheet exactly where the game's settings reader will cut them, and writes
// the cutting directives that go with them. The reader starts every sheet at (1, 1), cuts cells
// one pixel apart, wraps a row when the next cell would pass x 319, and numbers sprites on
// across sheets; this class replays those steps while drawing, so sheet and directives agree.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "canvas.h"

namespace mediagen {

// Draws one sprite into the cell whose top-left pixel is (x, y); drawing is clipped to the cell.
using DrawFn = std::function<void(Canvas&, int x, int y)>;

struct CutRecord {
    int sprite;
    std::string sheet;
    int x, y, w, h;
};

// One "=" directive laid out by character position.
std::string Directive(const std::string& cmd, const std::string& type, const std::string& value,
                      const std::string& info = "");

class SheetLayout {
  public:
    SheetLayout(std::vector<std::string>& lines, std::vector<CutRecord>& cuts);

    // Starts a new sheet (GFXLD); name is the four-letter sheet name.
    void Begin(const std::string& name);
    // Plain cell height: cells 20 wide and h tall. A partly used row is filled with blank cells
    // first, because the reader restarts at the left of the same row.
    void Height(int h);
    // The fixed-size cell codes ("99", "88", "TT", "UF", ...): sizes and positions as the reader
    // sets them.
    void Fixed(const std::string& code);

    // A piece entry with its first sprite: PEZZO with rotation characters and kind letters.
    int Piece(const std::string& rot, const std::string& kind, const DrawFn& draw);
    // n more sprites without a piece (PEZZI); draw(i) draws the i-th.
    int Extra(int n, const std::function<void(Canvas&, int x, int y, int i)>& draw);
    // A free line (role, animation frames) placed after the last one.
    void Line(const std::string& l) { lines_.push_back(l); }

    // Finishes the current sheet: the image, cropped to the rows used.
    Canvas Finish();
    const std::string& SheetName() const { return name_; }
    int NextSprite() const { return spr_; }
    int CellWidth() const { return sx_; }
    int CellHeight() const { return sy_; }

  private:
    void Cut(const DrawFn& draw);
    std::vector<std::string>& lines_;
    std::vector<CutRecord>& cuts_;
    Canvas canvas_{320, 480};
    std::string name_;
    int spr_ = 1, sx_ = 20, sy_ = 0, xsp_ = 1, ysp_ = 1;
    int used_bottom_ = 0;
};

}  // namespace mediagen
