#include "level_rules.h"

#include <fstream>

namespace levelcheck {

namespace {
constexpr int kChr = 35;
constexpr int kMaxSteps = 1280, kMinPoints = -999;
constexpr double kMaxSeconds = 899;

std::string Field(const std::string& l, size_t pos, size_t n) {
    return l.size() > pos ? l.substr(pos, n) : "";
}
}  // namespace

bool PieceTable::Load(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    if (!f) return false;
    std::string line;
    int tipochr = 0, n = 0;
    while (std::getline(f, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (n++ == 0 || line.empty() || line[0] != '=') continue;
        std::string cmd = Field(line, 1, 5), type = Field(line, 7, 4), value = Field(line, 12, 2);
        if (cmd == "FINE!") break;
        if (cmd == "SPRIT") {
            if (type == "SOTT") floor = tipochr;
            if (type == "GIOC") start = tipochr;
            if (type == "UOVO") egg = tipochr;
            if (type == "PULC") chick = tipochr;
            if (type == "GHIA") hole = tipochr;
        }
        tipochr = type.empty() ? -kChr : static_cast<unsigned char>(type[0]) - kChr;
        if ((cmd == "PEZZO" || cmd == "PEZNO") && tipochr >= 0 && tipochr < 128)
            entry[tipochr] = type + "000" + value;
    }
    return floor >= 0 && start >= 0;
}

Outcome Play(const PieceTable& pt, const std::string& mapLine, const std::string& keys,
             bool expand) {
    Outcome o;
    std::string map = mapLine.substr(0, 256);
    if (map.size() < 256) {
        o.reason = "map line shorter than 256";
        return o;
    }
    auto ch = [&](int p) { return pt.entry[p].empty() ? ' ' : pt.entry[p][0]; };
    int gx = -1, gy = -1, eggs = 0, chicks = 0;
    for (int f = 0; f < 256; ++f) {
        int p = static_cast<unsigned char>(map[f]) - kChr;
        if (p == pt.start) {
            gy = f / 16;
            gx = f % 16;
            map[f] = char(pt.floor + kChr);
        }
        if (map[f] == ch(pt.egg)) ++eggs;
        if (map[f] == ch(pt.chick)) ++chicks;
    }
    if (gx < 0) {
        o.reason = "no start";
        return o;
    }
    auto kind = [&](int x, int y, int k) {
        int p = static_cast<unsigned char>(map[y * 16 + x]) - kChr;
        if (p < 0 || p >= 128 || pt.entry[p].size() < 9) return '?';
        return pt.entry[p][7 + k];
    };
    int finelivello = 0;
    int frames = 0;
    size_t pos = 0;
    int slide = -1;
    auto nextChar = [&]() -> int {
        while (pos < keys.size() && keys[pos] > '3') ++pos;  // information stops
        if (pos >= keys.size()) return -1;
        return keys[pos++] - '0';
    };
    for (;;) {
        int dir;
        if (slide >= 0) {
            dir = slide;
            slide = -1;
            if (!expand) {
                int c = nextChar();
                if (c != dir) {
                    o.reason = "replay out of step with a slide at move " + std::to_string(o.moves);
                    return o;
                }
            }
        } else {
            dir = nextChar();
            if (dir < 0) break;
            frames += 4;  // waiting for the next input frame
        }
        ++o.moves;
        o.replay += char('0' + dir);
        static const int dx[4] = {0, 1, 0, -1}, dy[4] = {-1, 0, 1, 0};
        int nx = gx + dx[dir], ny = gy + dy[dir];
        if (nx < 0 || nx > 15 || ny < 0 || ny > 15) continue;
        char ex1 = kind(gx, gy, 0), ex2 = kind(gx, gy, 1);
        char t1 = kind(nx, ny, 0), t2 = kind(nx, ny, 1);
        static const std::string enter = "2349035601471258", leave = "0147125823490356";
        if (t1 == 'M' || t1 == 'B' || t1 == 'U' || t1 == 'N') continue;
        if (t1 == 'C' && enter.substr(dir * 4, 4).find(t2) != std::string::npos) continue;
        if (ex1 == 'C' && leave.substr(dir * 4, 4).find(ex2) != std::string::npos) continue;
        frames += 8;
        // The cell being left.
        std::string newc;
        if (ex1 == 'C') {
            static const std::string from = ";<=>?@WX{}", to = "<=>;@?X{}W";
            size_t e = from.find(map[gy * 16 + gx]);
            if (e != std::string::npos) newc = to[e];
        }
        if (ex2 == 'A') newc = ch(pt.hole);
        if (ex1 == 'P') {
            newc = "8";
            if (--chicks == 0 && eggs == 0) finelivello = 1;
        }
        if (!newc.empty()) map[gy * 16 + gx] = newc[0];
        gx = nx;
        gy = ny;
        if (t1 == 'G') slide = t2 >= '0' && t2 <= '9' ? t2 - '0' : 0;
        o.steps += 1;
        if (ex1 == 'G' && t1 == 'G') o.steps -= 1;
        int pts = 0;
        if (t2 == 'U') pts = 15;
        if (t2 == 'A') pts = -5;
        if (t1 == 'I') pts = -10;
        if (t1 == 'O') pts = 25;
        if (t1 == 'P') pts = 35;
        if (t1 == 'C') pts = -1;
        o.points += pts;
        if (t2 == 'U') map[gy * 16 + gx] = '^';
        if (t1 == 'O') {
            map[gy * 16 + gx] = ch(pt.floor);
            if (--eggs == 0 && chicks == 0) finelivello = 1;
        }
        if (t1 == 'I') {
            static const char* seqs[5] = {"9::9;<<==>>;?@@?WXX{{}}W", "CccCDddD", "EeeEFffF",
                                          "GggGHhhH", "IJJIKLLKMNNM"};
            std::string seq = (t2 >= '0' && t2 <= '4') ? seqs[t2 - '0'] : "";
            for (char& c : map)
                for (size_t s = 0; s + 1 < seq.size(); s += 2)
                    if (seq[s] == c) {
                        c = seq[s + 1];
                        break;
                    }
        }
        if (o.steps > kMaxSteps) {
            o.reason = "too many steps";
            return o;
        }
        if (o.points < kMinPoints) {
            o.reason = "too few points";
            return o;
        }
    }
    o.board = map;
    o.x = gx;
    o.y = gy;
    o.seconds = frames / 60.0 + 2;  // plus the two seconds of the level-end dance
    if (o.seconds > kMaxSeconds) {
        o.reason = "too slow";
        return o;
    }
    if (finelivello == 0) {
        o.reason = "eggs or chicks left";
        return o;
    }
    if (kind(gx, gy, 0) != 'X') {
        o.reason = "does not end on an exit";
        return o;
    }
    o.finished = true;
    return o;
}

}  // namespace levelcheck
