#include "media_data.h"

#include <sys/wait.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

#include "support/scratch_files.h"

std::string MediaDir() {
    return std::string(ZOLV_SOURCE_DIR) + "/media";
}
std::string ToolPath(const std::string& name) {
    return std::string(ZOLV_BINARY_DIR) + "/tools/" + name + "/" + name;
}

std::vector<std::string> ReadLines(const std::string& path) {
    std::vector<std::string> out;
    std::ifstream f(path, std::ios::binary);
    std::string l;
    while (std::getline(f, l)) {
        if (!l.empty() && l.back() == '\r') l.pop_back();
        out.push_back(l);
    }
    return out;
}

namespace {
std::string Cut(const std::string& s, size_t pos, size_t n) {
    return s.size() > pos ? s.substr(pos, n) : "";
}
int Number(const std::string& s) {
    return std::atoi(s.c_str());
}
std::string Upper(std::string s) {
    for (char& c : s) c = char(std::toupper(static_cast<unsigned char>(c)));
    return s;
}
}  // namespace

std::vector<DirectiveLine> ReadDirectives(const std::string& path) {
    std::vector<DirectiveLine> out;
    auto lines = ReadLines(path);
    for (size_t n = 1; n < lines.size() && n < 256; ++n) {
        const std::string& l = lines[n];
        if (l.empty() || l[0] != '=') continue;
        DirectiveLine d{int(n), Upper(Cut(l, 1, 5)), Cut(l, 7, 4), Cut(l, 12, 2), Cut(l, 15, 1000)};
        if (d.cmd == "FINE!") break;
        out.push_back(d);
    }
    return out;
}

bool Image::Opaque(int x, int y) const {
    if (x < 0 || y < 0 || x >= w || y >= h) return false;
    size_t i = (size_t(y) * w + x) * 3;
    return rgb[i] || rgb[i + 1] || rgb[i + 2];
}

bool ReadBmp24(const std::string& path, Image& out) {
    const std::string b = ReadWholeFile(path);
    auto u32 = [&](size_t o) {
        return uint32_t(uint8_t(b[o])) | uint32_t(uint8_t(b[o + 1])) << 8 |
               uint32_t(uint8_t(b[o + 2])) << 16 | uint32_t(uint8_t(b[o + 3])) << 24;
    };
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return false;
    uint32_t off = u32(10);
    int w = int(u32(18)), h = int(u32(22));
    int bpp = uint8_t(b[28]) | uint8_t(b[29]) << 8;
    if (bpp != 24 || w <= 0 || h <= 0 || u32(30) != 0) return false;
    size_t row = (size_t(w) * 3 + 3) & ~size_t(3);
    if (b.size() < off + row * h) return false;
    out.w = w;
    out.h = h;
    out.rgb.assign(size_t(w) * h * 3, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            size_t s = off + size_t(h - 1 - y) * row + size_t(x) * 3, d = (size_t(y) * w + x) * 3;
            out.rgb[d] = uint8_t(b[s + 2]);
            out.rgb[d + 1] = uint8_t(b[s + 1]);
            out.rgb[d + 2] = uint8_t(b[s]);
        }
    return true;
}

MediaSettings ReadSettings(const std::string& mediaDir) {
    MediaSettings m;
    int spr = 1, sx = 20, sy = 0, xsp = 1, ysp = 1, tipochr = 0;
    std::string sheet;
    struct Fixed {
        const char* code;
        int sx, sy, xsp, ysp;
    };
    const Fixed fixed[] = {
        {"TT", 64, 122, 1, 1},    {"UU", 85, 125, 66, -1}, {"cc", 66, 92, 152, -1},
        {"SS", 73, 120, 219, -1}, {"UF", 62, 30, 1, 126},  {"U2", 22, 17, 253, 126},
        {"WW", 20, 22, 1, 157},   {"R1", 44, 14, 1, 180},  {"R2", 44, 14, 1, 195},
        {"R3", 44, 14, 1, 210},   {"R4", 44, 14, 1, 225}};
    auto cut = [&](int n) {
        for (int s = 0; s < n; ++s) {
            m.sprites[spr] = {sheet, xsp, ysp, sx, sy};
            xsp += sx + 1;
            if (xsp + sx > 319) {
                xsp = 1;
                ysp += sy + 1;
            }
            ++spr;
        }
    };
    for (int file = 1; file <= 2; ++file)
        for (const auto& d :
             ReadDirectives(mediaDir + "/Media/Zolv-dat" + std::to_string(file) + ".txt")) {
            if (d.cmd == "SPRIT") m.roles[d.type] = tipochr;
            tipochr = d.type.empty() ? -35 : static_cast<unsigned char>(d.type[0]) - 35;
            if (d.cmd == "GFXLD" && d.value == "BM") sheet = d.type, xsp = ysp = 1;
            if (d.cmd == "ALTEZ") {
                sy = Number(d.value);
                sx = 20;
                xsp = 1;
                if (sy == 99) sx = 40, sy = 28, m.indicatorsFirst = spr;
                if (sy == 88) sy = 32, m.fontFirst = spr;
                for (const auto& f : fixed)
                    if (d.value == f.code) {
                        sx = f.sx, sy = f.sy, xsp = f.xsp;
                        if (f.ysp >= 0) ysp = f.ysp;
                        if (d.value == "TT") m.titleFirst = spr;
                        if (d.value == "UF") m.saucerFirst = spr;
                        if (d.value == "WW") m.partnerFirst = spr;
                        if (d.value == "R1") m.rayFirst = spr;
                    }
            }
            if (d.cmd == "MENUT") m.ttmenu = Number(d.value);
            if (d.cmd == "MENU0" || d.cmd == "MENU1")
                m.menu[{Number(d.value), d.cmd[4] - '0'}] = d.info;
            if (d.cmd == "INFO0" || d.cmd == "INFO1")
                m.texts[{Number(d.value), d.cmd[4] - '0'}] = d.info;
            if (d.cmd == "TASTI") m.arrows = d.type;
            if (d.cmd == "TASGP") m.buttons1[d.value] = Number(d.type);
            if (d.cmd == "TASCE") m.buttons2[d.value] = Number(d.type);
            if (d.cmd == "ANISC" && tipochr >= 0 && tipochr < 128) m.pieces[tipochr] += d.type;
            if (d.cmd == "PEZZI") cut(Number(d.value));
            if ((d.cmd == "PEZZO" || d.cmd == "PEZNO") && tipochr >= 0 && tipochr < 128) {
                char num[8];
                std::snprintf(num, sizeof num, "%03d", spr);
                m.pieces[tipochr] = d.type + num + d.value;
                cut(1);
            }
            if (d.cmd == "MAPPE") m.mapset = d.type, m.mapmax = Number(d.value);
            if (d.cmd == "SETTA")
                m.options[d.type] = (d.type == "DEMO" || d.type == "SFON") ? d.info : d.value;
            if (d.cmd == "SUONO") m.sounds[Number(d.value)] = d.type;
        }
    return m;
}

WaveInfo ReadWave(const std::string& path) {
    WaveInfo w;
    const std::string b = ReadWholeFile(path);
    auto u16 = [&](size_t o) { return uint32_t(uint8_t(b[o])) | uint32_t(uint8_t(b[o + 1])) << 8; };
    auto u32 = [&](size_t o) { return u16(o) | u16(o + 2) << 16; };
    if (b.size() < 12 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 4, "WAVE") != 0) return w;
    bool fmt = false;
    for (size_t p = 12; p + 8 <= b.size();) {
        std::string tag = b.substr(p, 4);
        uint32_t size = u32(p + 4);
        if (tag == "fmt " && size >= 16 && p + 24 <= b.size()) {
            w.format = int(u16(p + 8));
            w.channels = int(u16(p + 10));
            w.rate = int(u32(p + 12));
            w.bits = int(u16(p + 22));
            fmt = true;
        }
        if (tag == "data") {
            w.dataBytes = size;
            w.valid = fmt && p + 8 + size <= b.size();
            return w;
        }
        p += 8 + size + (size & 1);
    }
    return w;
}

int RunProgram(const std::string& commandLine) {
    int rc = std::system(commandLine.c_str());
    if (rc == -1) return -1;
    return WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
}
