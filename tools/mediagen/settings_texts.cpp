// The second settings file: menu entries and messages in Italian (language 0) and English
// (language 1), the keys, the map set, the option switches and the sounds.
#include <cstdio>

#include "media_set.h"

namespace mediagen {

namespace {
std::string Num2(int n) {
    char b[16];
    std::snprintf(b, sizeof b, "%02d", n);
    return b;
}
}  // namespace

std::vector<std::string> SettingsTexts(const std::string& demo, int mapmax) {
    std::vector<std::string> l;
    l.push_back("Zolv settings file 2: menus, texts, keys, options and sounds.");
    l.push_back("Lines starting with = are read by position: command 1-5, type 7-10, value 12-13,");
    l.push_back("text from 15. Every other line is a comment.");
    l.push_back("");
    l.push_back("Menu entries: 0 play ... 11 exit (always the last one).");
    l.push_back(Directive("MENUT", "", "11"));
    const char* menu[12][2] = {
        {"GIOCA", "PLAY"}, {"RECORD", "RECORDS"},  {"RIVEDI", "REPLAY"}, {"ENGLISH", "ITALIANO"},
        {"DEMO", "DEMO"},  {"LEGGIMI", "READ ME"}, {"NOME", "NAME"},     {"SUONI", "SOUND"},
        {"MURI", "WALLS"}, {"VETRI", "GLASS"},     {"TURBO", "TURBO"},   {"ESCI", "EXIT"},
    };
    for (int i = 0; i < 12; ++i) {
        l.push_back(Directive("MENU0", "", Num2(i), menu[i][0]));
        l.push_back(Directive("MENU1", "", Num2(i), menu[i][1]));
    }
    l.push_back("");
    l.push_back("Texts: 0 eggs, 1 level, 2 time, 3 points, 4 steps, 5 name, 6 and 7 the ending,");
    l.push_back("8 beside the saucer, 9 editor, 10 to 12 failures, 13 off, 14 on.");
    l.push_back(
        "Keep 6 and 7 to 16 letters, 10 to 12 to 12 letters, 2 to 4 to 5: the game writes them");
    l.push_back("large, and longer ones run off the screen.");
    const char* texts[15][2] = {
        {"UOVA", "EGGS"},
        {"LIVELLO", "LEVEL"},
        {"TEMPO", "TIME"},
        {"PUNTI", "SCORE"},
        {"PASSI", "STEPS"},
        {"NOME", "NAME"},
        {"PULCINI SALVI", "ALL CHICKS SAFE"},
        {"SI TORNA A CASA", "HOME AT LAST"},
        {"TUTTI A BORDO!", "ALL ABOARD!"},
        {"EDITOR DI MAPPE", "MAP EDITOR"},
        {"TEMPO FINITO", "TIME IS UP!"},
        {"PUNTI FINITI", "SCORE SUNK!"},
        {"PASSI FINITI", "STEPS USED!"},
        {"NO", "OFF"},
        {"SI", "ON"},
    };
    for (int i = 0; i < 15; ++i) {
        l.push_back(Directive("INFO0", "", Num2(i), texts[i][0]));
        l.push_back(Directive("INFO1", "", Num2(i), texts[i][1]));
    }
    l.push_back("");
    l.push_back("Arrow keys, up right down left, as key code minus 152.");
    l.push_back(Directive("TASTI", "0583", ""));
    l.push_back("Buttons A B X Y L R Select Start, two sets, as keyboard scan codes.");
    l.push_back(
        "Set 1: Space, Enter, X, Z, W, Q, Backspace, Tab (the fifth key drives R, the sixth L).");
    const char* names[8] = {"AA", "BB", "XX", "YY", "LL", "RR", "SL", "ST"};
    const int set1[8] = {57, 28, 45, 44, 17, 16, 14, 15};
    const int set2[8] = {42, 29, 31, 30, 19, 18, 1, 25};
    for (int i = 0; i < 8; ++i) l.push_back(Directive("TASGP", std::to_string(set1[i]), names[i]));
    l.push_back("Set 2: Left Shift, Left Ctrl, S, A, R, E, Esc, P.");
    for (int i = 0; i < 8; ++i) l.push_back(Directive("TASCE", std::to_string(set2[i]), names[i]));
    l.push_back("");
    l.push_back("Map set name and highest map number.");
    l.push_back(Directive("MAPPE", "sch1", Num2(mapmax)));
    l.push_back("");
    l.push_back("Options.");
    l.push_back(Directive("SETTA", "LFPS", "60"));
    l.push_back(Directive("SETTA", "MAPP", "01"));
    l.push_back(Directive("SETTA", "ZOOM", "01"));
    l.push_back(Directive("SETTA", "TVTV", "00"));
    l.push_back(Directive("SETTA", "SMTH", "00"));
    l.push_back(Directive("SETTA", "SCRN", "00"));
    l.push_back(Directive("SETTA", "MURI", "01"));
    l.push_back(Directive("SETTA", "VETR", "SI"));
    l.push_back(Directive("SETTA", "TURB", "00"));
    l.push_back(Directive("SETTA", "RIVE", "00"));
    l.push_back(Directive("SETTA", "VIDE", "00"));
    l.push_back(Directive("SETTA", "TRAS", "45"));
    l.push_back(Directive("SETTA", "SCIV", "00"));
    l.push_back(Directive("SETTA", "AUDI", "01"));
    l.push_back(Directive("SETTA", "STER", "01"));
    l.push_back(Directive("SETTA", "V069", "00"));
    l.push_back(Directive("SETTA", "SFON", "", "016 020 044"));
    l.push_back("The demonstration of level 0; letters are information stops.");
    l.push_back(Directive("SETTA", "DEMO", "", demo));
    l.push_back("");
    l.push_back("Sounds in effect slots 2 to 15.");
    for (const auto& s : Sounds()) l.push_back(Directive("SUONO", s.name, Num2(s.slot)));
    l.push_back(Directive("FINE!", "", ""));
    return l;
}

}  // namespace mediagen
