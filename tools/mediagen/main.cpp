// mediagen OUTPUT_DIR [--preview PREVIEW_DIR] [--icons ICON_DIR]
// Writes the whole media set under OUTPUT_DIR (Media/ and the two readme files). With --preview
// it also writes a contact sheet of every cut sprite and a picture of every level for looking at;
// with --icons the desktop icons as ICON_DIR/hicolor/NxN/apps/zolv.png.
#include <cstdio>
#include <cstring>
#include <string>

#include "bmp_writer.h"
#include "file_out.h"
#include "font_art.h"
#include "icon_art.h"
#include "media_set.h"
#include "preview.h"
#include "scene_art.h"

using namespace mediagen;

namespace {
bool ok = true;
void Check(bool b, const std::string& what) {
    if (!b) {
        std::fprintf(stderr, "mediagen: cannot write %s\n", what.c_str());
        ok = false;
    }
}

std::string Num2(int n) {
    char b[16];
    std::snprintf(b, sizeof b, "%02d", n);
    return b;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: mediagen OUTPUT_DIR [--preview PREVIEW_DIR]\n");
        return 2;
    }
    const std::string out = argv[1];
    const std::string media = out + "/Media/";
    Sheets sheets = BuildSheets();

    std::vector<std::string> dat1 = {
        "Zolv settings file 1: sprite sheets, their cutting and the piece table.",
        "Written by tools/mediagen together with the sheets it draws; edit the generator, not "
        "this file.",
        "PEZZO lines: rotation characters (7-10), kind letters (12-13); the first sprite number "
        "is the sprite the line cuts.",
    };
    dat1.insert(dat1.end(), sheets.lines.begin(), sheets.lines.end());
    dat1.push_back(Directive("FINE!", "", ""));
    if (dat1.size() > 256) {
        std::fprintf(stderr, "mediagen: first settings file has %zu lines, over 256\n",
                     dat1.size());
        return 1;
    }
    Check(WriteTextLines(media + "Zolv-dat1.txt", dat1), "Zolv-dat1.txt");

    const auto& levels = Levels();
    const int mapmax = int(levels.size()) - 1;
    Check(WriteTextLines(media + "Zolv-dat2.txt", SettingsTexts(kDemo, mapmax)), "Zolv-dat2.txt");

    for (const auto& [name, image] : sheets.images)
        Check(WriteBmp(media + "Zolv-" + name + ".bmp", image), name);
    Check(WriteBmp(media + "Zolv-sfo1.bmp", art::TitlePicture()), "title picture");
    for (const auto& s : Sounds())
        Check(WriteFileBytes(media + "Zolv-" + s.name + ".wav", s.wav), s.name);

    std::vector<std::string> maps, scores, replays;
    for (size_t m = 0; m < levels.size(); ++m) {
        maps.push_back(MapLine(levels[m]));
        // Starting records every first finish beats: steps and time as high as they go, points
        // below any number text.
        scores.push_back(Num2(int(m)) + " 9999 --- ---- --- 9999 --- ");
        replays.push_back(levels[m].replay);
    }
    Check(WriteTextLines(media + "Zolv-sch1-mappe.txt", maps), "maps");
    Check(WriteTextLines(media + "Zolv-sch1-punti.txt", scores), "scores");
    Check(WriteTextLines(media + "Zolv-sch1-memo.txt", replays), "replays");
    Check(WriteTextLines(media + "Zolv-sch1-info-0.txt", Commentary(0)), "commentary");
    Check(WriteTextLines(media + "Zolv-sch1-info-1.txt", Commentary(1)), "commentary");
    Check(WriteTextLines(media + "Zolv-testi-0.txt", ExtraTexts(0)), "texts");
    Check(WriteTextLines(media + "Zolv-testi-1.txt", ExtraTexts(1)), "texts");
    // New player: name, progress at level 0, options stored inverted (0 = on), English.
    Check(WriteTextLines(media + "Zolv-gioc.txt", {"PL1", "A", "A", "0", "0", "0", "0", "0"}),
          "player file");
    Check(WriteBmp(out + "/smalfont.bmp", art::SmallFont()), "smalfont.bmp");
    Check(WriteTextLines(out + "/Leggimi.txt", Readme(0)), "Leggimi.txt");
    Check(WriteTextLines(out + "/Read_Me.txt", Readme(1)), "Read_Me.txt");

    std::string preview, icons;
    for (int i = 2; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--preview") == 0) preview = argv[i + 1];
        if (std::strcmp(argv[i], "--icons") == 0) icons = argv[i + 1];
    }
    for (int size : kIconSizes) {
        if (icons.empty()) break;
        const std::string folder = icons + "/hicolor/" + std::to_string(size) + "x" +
                                   std::to_string(size) + "/apps/zolv.png";
        Check(WriteFileBytes(folder, IconPng(size)), "icon");
    }
    if (!preview.empty()) {
        std::string dir = preview;
        Check(WriteBmp(dir + "/contact.bmp", ContactSheet(sheets)), "contact sheet");
        // Every piece on one board, for judging them side by side.
        std::string all = "$$$$$$$$$$$$$$$$";
        for (char c : std::string("#&')(*+,-./0Q") + "RSTUV^812345679:" + ";<=>?@WX{}" +
                          "ABOPCcDd" + "EeFfGgHhIJKLMN%")
            all += c, all += (all.size() % 16 == 15) ? "" : "#";
        all.resize(256, '#');
        Check(WriteBmp(dir + "/pieces.bmp", LevelPicture(sheets, all)), "piece board");
        Check(WriteBmp(dir + "/texts.bmp", TextSamples(sheets)), "text samples");
        for (size_t m = 0; m < levels.size(); ++m)
            Check(WriteBmp(dir + "/level" + Num2(int(m)) + ".bmp",
                           LevelPicture(sheets, MapLine(levels[m]))),
                  "level picture");
    }
    return ok ? 0 : 1;
}
