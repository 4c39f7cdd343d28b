// Reading the shipped media set in the tests: the settings directives by position, the sheets,
// wave headers and the cutting of sheets into sprites as the game's settings reader does it.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

std::string MediaDir();                         // the committed media/ folder
std::string ToolPath(const std::string& name);  // a built tool program

std::vector<std::string> ReadLines(const std::string& path);  // LF or CR LF ends dropped

struct DirectiveLine {
    int line;
    std::string cmd, type, value, info;
};
// The directives of one settings file: lines 1 to 255 starting with "=", up to "FINE!".
std::vector<DirectiveLine> ReadDirectives(const std::string& path);

struct Image {
    int w = 0, h = 0;
    std::vector<uint8_t> rgb;         // top row first
    bool Opaque(int x, int y) const;  // not the black key colour
};
bool ReadBmp24(const std::string& path, Image& out);

struct Sprite {
    std::string sheet;
    int x, y, w, h;
};
// What the settings files define, replayed from their directives.
struct MediaSettings {
    std::map<int, Sprite> sprites;  // sprite number -> sheet rectangle
    std::vector<std::string> pieces = std::vector<std::string>(128);
    std::map<std::string, int> roles;                        // SPRIT type -> piece number
    std::map<std::pair<int, int>, std::string> menu, texts;  // (entry, language) -> text
    int ttmenu = -1;
    std::string arrows;
    std::map<std::string, int> buttons1, buttons2;
    std::map<int, std::string> sounds;           // slot -> name
    std::map<std::string, std::string> options;  // SETTA type -> value (info for DEMO/SFON)
    std::string mapset;
    int mapmax = -1;
    int fontFirst = -1, indicatorsFirst = -1, titleFirst = -1;
    int saucerFirst = -1, partnerFirst = -1, rayFirst = -1;  // final scene (UF, WW, R1)
};
MediaSettings ReadSettings(const std::string& mediaDir);

struct WaveInfo {
    bool valid = false;
    int format = 0, channels = 0, rate = 0, bits = 0;
    uint32_t dataBytes = 0;
};
WaveInfo ReadWave(const std::string& path);

int RunProgram(const std::string& commandLine);  // exit status, -1 when it could not run
