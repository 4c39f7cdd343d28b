// What the generator produces: the sheets with the cutting and piece directives that go with them,
// the settings text lines, and the other files of the media folder.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "canvas.h"
#include "sheet_layout.h"

namespace mediagen {

struct Sheets {
    std::vector<std::string> lines;  // directives for the first settings file, in order
    std::vector<CutRecord> cuts;
    std::vector<std::pair<std::string, Canvas>> images;  // sheet name, picture
};

// Pieces, indicators and font, final scene: all sheets with their directives.
Sheets BuildSheets();

// Second settings file: menus, texts, keys, map set, options, sounds, demonstration.
std::vector<std::string> SettingsTexts(const std::string& demo, int mapmax);

struct Level {
    const char* rows[16];
    const char* replay;  // its shortest solution as the game records it (tools/solver finds it)
};
// The demonstration of level 0: its solution with information stops "A", "B", "C".
inline constexpr const char* kDemo = "A003B11111222233333C1111112";
const std::vector<Level>& Levels();
std::string MapLine(const Level& l);
std::string MovesOnly(const std::string& replay);  // the solution without information stops

std::vector<std::string> Commentary(int language);
// The levels' names in `language` (0 Italian, 1 English), one per map.
std::vector<std::string> LevelNames(int language);
std::vector<std::string> Readme(int language);
// Our own screens' texts, KEY=text lines for Media/Zolv-testi-LANGUAGE.txt.
std::vector<std::string> ExtraTexts(int language);

// Sound slot number, four-letter name, wave file bytes.
struct Sound {
    int slot;
    std::string name;
    std::string wav;
};
std::vector<Sound> Sounds();

}  // namespace mediagen
