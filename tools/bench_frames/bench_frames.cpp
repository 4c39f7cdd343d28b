// zolv_bench_frames [--frames N] [--scenes a,b,...] [--dump FOLDER] [PROGRAM_FOLDER]
//
// Runs the game's scenes in a real window, each for N frames (default 600) at the frame rate
// the settings ask for (60 per second), and prints per scene: process CPU time per frame (all
// threads), frames per second reached, and the mean and worst deviation of the frame interval
// from its due length. PROGRAM_FOLDER holds Media/ (default: the folder of build/app/zolv).
// With --dump every scene's last frame is written to FOLDER/SCENE.png (the logical screen as
// drawn, before the old-television lines and the volume bar go on top).
//
// The scenes, after "blank" (an empty frame):
//   "title"  the title picture, its letters and credits line, redrawn every frame;
//   "menu"   the main menu as the title hands over to it: map 0 in the level chooser, its live
//            preview captured afresh every frame, the lines, the list and the moving letters
//            (the menu's own frame without its keys, at the bench's rate, not its 10 a second);
//   "play"   level 0 as play draws it, the player standing at the start, its animation running;
//   "replay" the level with the longest replay of the set played from it through play's own
//            frame step: the player walks the board, and the attempt starts again when the
//            level ends or the moves run out;
//   "editor" the map editor on a level: the board, the cursor box over the player's cell and
//            the piece row along the bottom, with the editor's frame step (no keys held);
//   "editing" (only when named) the editor opened on map 4 with every map of the set allowed,
//            driven by the keys of --script (the headless driver's key script, frames counted
//            from the bench's first present): what it puts, picks, shifts, the map it moves
//            to, its save.
// --virtual-clock (implied by --script) runs the frames on the headless driver's clock while
// still presenting them to the window: no waiting for real time, figures of time meaningless.
// Each scene is an entry of kScenes, a start step and a per-frame step; a per-frame step draws
// and never presents nor waits for a key (the bench presents).
#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "game/flow/menu.h"
#include "game/flow/title_screen.h"
#include "game/maps/map_file.h"
#include "game/maps/settings_file.h"
#include "game/play/controls.h"
#include "game/play/play_loop.h"
#include "game/screen/screen_helpers.h"
#include "game/state/game_state.h"
#include "runtime/base/errors.h"
#include "runtime/base/program_end.h"
#include "runtime/frame/engine.h"
#include "runtime/gfx/draw2d.h"
#include "runtime/gfx/frame_record.h"
#include "runtime/gfx/screen.h"
#include "runtime/headless/headless.h"
#include "runtime/input/input.h"
#include "runtime/platform/folders.h"
#include "runtime/platform/window.h"
#include "runtime/values/random.h"
#include "screen_png.h"

namespace {

using namespace game;

void TitleStart() {
    LoadBackground(("Media/Zolv-sfo1." + estgfx_Str).str());
}

// The title as it stands once faded in: the picture (the background), the four letters and
// the credits line.
void TitleFrame() {
    DrawTitleLetters();
}

// A level chosen from the menu, in play or in the editor: the player's data, the board at
// play's zoom, the attempt started.
void StartLevel(int level, int in_editor) {
    ClearFrame();
    GiocatoreDATI();
    map = level;
    editor = in_editor;
    rivede = 0;
    mappafissa = 1;
    rotazione = 0;
    SetBlendAlpha(0);
    LevelStart();
    AttemptStart();
}

void PlayLevelStart() {
    StartLevel(0, 0);
}

void PlayLevelFrame() {
    DrawPlayFrame();
    animazione += 1;
    if (animazione == 8) animazione = 0;
}

// The menu as the title leaves it for the player.
void MenuStart() {
    TitleToMenu();
    MenuSetUp();
    MenuRestart();
    tasdir = -1;
    TastiAZZERA();
}

void MenuFrame() {
    MenuFrameBegin();
    DrawMenuFrame();
}

// The map with the longest replay of the shipped set (100 moves, no information stops).
constexpr int kReplayMap = 38;

// Frames the replay has been out of moves with the player at rest.
int g_replay_idle = 0;

// An attempt as the menu's replay entry starts it: the level's replay line read, the player
// at the start.
void ReplayAttemptStart() {
    map = kReplayMap;
    editor = 0;
    map3 = 111;
    rivede = 1;
    AttemptStart();
}

// The replay entry chosen in the menu on the map: the hand-over to play, then the attempt.
void ReplayStart() {
    ClearFrame();
    GiocatoreDATI();
    mappafissa = 1;
    rotazione = 0;
    SetBlendAlpha(0);
    LevelStart();
    g_replay_idle = 0;
    ReplayAttemptStart();
    for (int i = 0; i < Len(replay_Str); ++i) {
        // An information stop would wait for a key in the middle of the measured frames.
        if (CharAt(replay_Str, i) > '3') {
            std::fprintf(stderr, "replay of map %d has an information stop\n", kReplayMap);
            std::exit(1);
        }
    }
}

// One frame of play from the replay: the picture, then play's own step. A failed or finished
// attempt starts again; so does one whose moves ran out with the player at rest, unless the
// level is won and its ending runs (should the ending not come, a little after its length).
void ReplayFrame() {
    DrawPlayFrame();
    bool again = reinizia != 0 || PlayStep() != EntryPoint::kFrame;
    const bool moves_left = rep >= 0 && rep < Len(replay_Str);
    if (moves_left || movimento != -1 || scivolo != -1) {
        g_replay_idle = 0;
    } else if (finelivello == 0 || ++g_replay_idle > 2 * lfps + 8) {
        again = true;
    }
    if (again) {
        g_replay_idle = 0;
        ReplayAttemptStart();
    }
}

// The map the editor shows.
constexpr int kEditorMap = 36;

// The editor as the menu opens it (editor switched on, the play entry chosen).
void EditorStart() {
    StartLevel(kEditorMap, 1);
}

// The editor's frame as play runs it: the picture (board, cursor, piece row), then the step
// that reads the keys and hands them to the editor. Were a key to leave the editor, it starts
// again on its map.
void EditorFrame() {
    DrawPlayFrame();
    if (PlayStep() != EntryPoint::kFrame) EditorStart();
}

// The editor as the menu opens it on map 4, any map of the set reachable by its chooser.
void EditingStart() {
    StartLevel(4, 1);
    map2 = mapmax;
}

// The editor's frame with the script's keys: a new map chosen or the attempt restarted starts
// as play starts it; leaving the editor opens it again.
void EditingFrame() {
    DrawPlayFrame();
    switch (PlayStep()) {
        case EntryPoint::kFrame:
            break;
        case EntryPoint::kAttemptStart:
            AttemptStart();
            break;
        case EntryPoint::kAttemptRestart:
            AttemptRestart();
            break;
        default:
            EditingStart();
    }
}

// An empty frame: the floor every scene stands on (clear, present, wait).
void BlankStart() {
    ClearFrame();
}
void BlankFrame() {}

struct Scene {
    const char* name;
    void (*start)();
    void (*frame)();  // draws one frame; the bench presents it
    bool named_only = false;
};

constexpr Scene kScenes[] = {
    {"blank", &BlankStart, &BlankFrame},
    {"title", &TitleStart, &TitleFrame},
    {"menu", &MenuStart, &MenuFrame},
    {"play", &PlayLevelStart, &PlayLevelFrame},
    {"replay", &ReplayStart, &ReplayFrame},
    {"editor", &EditorStart, &EditorFrame},
    {"editing", &EditingStart, &EditingFrame, true},
};

double CpuMs() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1000.0 +
           (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1000.0;
}

// A fingerprint of the frame last presented (FNV-1a over its pixels) as the processor's
// present keeps it; 0 where a GPU presents.
uint64_t PresentedHash() {
    uint64_t hash = 1469598103934665603ull;
    for (uint32_t pixel : PresentedFrame()) {
        for (int k = 0; k < 3; ++k) hash = (hash ^ ((pixel >> (8 * k)) & 0xFF)) * 1099511628211ull;
    }
    return PresentedFrame().empty() ? 0 : hash;
}

void RunScene(const Scene& scene, int frames, const std::string& dump, std::FILE* hashes) {
    // Scenes that draw at random draw the same on every run.
    SeedRandom(1);
    scene.start();
    // Settle: the first frames after a switch pay for loading and first uploads.
    for (int i = 0; i < 30; ++i) {
        scene.frame();
        mostraschermo();
    }
    const double interval = FrameInterval();
    std::vector<double> ends;
    ends.reserve(static_cast<size_t>(frames) + 1);
    const FrameRecordStats before = FrameRecordFigures();
    const double cpu0 = CpuMs();
    ends.push_back(NowMs());
    for (int i = 0; i < frames; ++i) {
        scene.frame();
        if (i == frames - 1 && !dump.empty()) SaveScreenPng(dump + "/" + scene.name + ".png");
        mostraschermo();
        ends.push_back(NowMs());
        if (hashes) {
            std::fprintf(hashes, "%s %d %016llx\n", scene.name, i,
                         static_cast<unsigned long long>(PresentedHash()));
        }
    }
    const double cpu = CpuMs() - cpu0;
    const FrameRecordStats after = FrameRecordFigures();
    double sum = 0, worst = 0;
    for (size_t i = 1; i < ends.size(); ++i) {
        const double dev = std::fabs((ends[i] - ends[i - 1]) - interval);
        sum += dev;
        worst = std::max(worst, dev);
    }
    const double wall = ends.back() - ends.front();
    std::printf(
        "%-6s frames %d  cpu/frame %.3f ms (%.1f %% of one core)  fps %.2f  "
        "pacing mean %.4f ms worst %.4f ms\n",
        scene.name, frames, cpu / frames, 100.0 * cpu / wall, 1000.0 * frames / wall, sum / frames,
        worst);
    // How the frames were drawn: whole, only where they changed, or not at all.
    if (after.frames > before.frames) {
        std::printf("       drawn whole %ld  in parts %ld  unchanged %ld  pixels/frame %.0f\n",
                    after.whole - before.whole, after.partial - before.partial,
                    after.unchanged - before.unchanged,
                    (after.pixels - before.pixels) / double(after.frames - before.frames));
    }
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    int frames = 600;
    std::string only, dump, folder, hash_file, script_file;
    bool virtual_clock = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--frames" && i + 1 < argc) {
            frames = std::max(1, std::atoi(argv[++i]));
        } else if (a == "--scenes" && i + 1 < argc) {
            only = "," + std::string(argv[++i]) + ",";
        } else if (a == "--dump" && i + 1 < argc) {
            dump = argv[++i];
        } else if (a == "--hashes" && i + 1 < argc) {
            hash_file = argv[++i];
        } else if (a == "--script" && i + 1 < argc) {
            script_file = argv[++i];
            virtual_clock = true;
        } else if (a == "--virtual-clock") {
            virtual_clock = true;
        } else if (a.rfind("--", 0) == 0) {
            std::fprintf(stderr,
                         "usage: zolv_bench_frames [--frames N] [--scenes title,play] "
                         "[--dump FOLDER] [--hashes FILE] [--virtual-clock] [--script FILE] "
                         "[PROGRAM_FOLDER]\n");
            return 2;
        } else {
            folder = a;
        }
    }
    if (!dump.empty()) {
        std::filesystem::create_directories(dump);
        dump = std::filesystem::absolute(dump).string();
    }
    if (!folder.empty()) folder = std::filesystem::absolute(folder).string();
    if (!hash_file.empty()) hash_file = std::filesystem::absolute(hash_file).string();

    if (virtual_clock) {
        HeadlessOptions options;
        if (!script_file.empty()) {
            std::ifstream in(script_file);
            std::stringstream text;
            text << in.rdbuf();
            if (!in) {
                std::fprintf(stderr, "zolv_bench_frames: cannot read %s\n", script_file.c_str());
                return 2;
            }
            options.script = text.str();
        }
        options.present = true;
        options.write_summary = false;
        std::string error;
        if (!StartHeadless(options, &error)) {
            std::fprintf(stderr, "zolv_bench_frames: %s\n", error.c_str());
            return 2;
        }
    }
    Startup() = StartupSettings{};
    EngineInit("", 1, "");
    ClearErrorState();
    // Start-up moves to the bench's own folder; the media set is the program's.
    std::filesystem::current_path(folder.empty() ? PlatformProgramFolder() + "/../../app" : folder);
    // Start-up as the program runs it: the settings files, then the 320 x 240 display.
    std::FILE* hashes = nullptr;
    if (!hash_file.empty() && !(hashes = std::fopen(hash_file.c_str(), "w"))) {
        std::fprintf(stderr, "zolv_bench_frames: cannot write %s\n", hash_file.c_str());
        return 2;
    }
    StartUp();
    std::printf("scenes at %.2f frames per second, window factor as the desktop allows\n",
                1000.0 / FrameInterval());
    for (const Scene& scene : kScenes) {
        if (only.empty() ? !scene.named_only
                         : only.find("," + std::string(scene.name) + ",") != std::string::npos)
            RunScene(scene, frames, dump, hashes);
    }
    if (hashes) std::fclose(hashes);
    EndNormally();
}
