// The program entry: start-up settings, engine start, the game's main program, the end.
//
// Without options the game runs for a person. For tests, tools and CI:
//   zolv --headless --script FILE [--seed N] [--summary FILE] [--key-wait-limit FRAMES]
//        [--max-frames N] [--pictures] [--dir FOLDER]
// plays the real program with keys from a script and a virtual clock (see
// runtime/headless/headless.h) and writes a summary when it ends. Nobody sees its frames, so
// nothing is drawn unless --pictures asks for whole pictures (--no-pictures, the default, is
// still taken); --dir runs the game from another folder (its Media/ is used and
// saved into).
//   zolv --replay-check MAP MOVES [--turbo] [--rotation R] [--dir FOLDER]
// plays the move line on map MAP through the real main loop, headless, and prints how the
// attempt ended (finished, frames, steps, points, time, eggs, chicks, cell, board).
//   zolv --replay-list FILE [--dir FOLDER]
// runs the check of every line of FILE ("MAP TURBO ROTATION MOVES", TURBO 0 or 1, ROTATION 0 to
// 3) in one run, each from the state after start-up: per line the report --replay-check prints,
// then an empty line; a line that is not a check, or names no map of the set, is reported as
// such. The exit status is 1 when a line was not a check or did not finish.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "game/flow/main_program.h"
#include "game/flow/procedure_table.h"
#include "game/flow/summary.h"
#include "game/play/replay_check.h"
#include "runtime/base/errors.h"
#include "runtime/base/whole_file.h"
#include "runtime/frame/engine.h"
#include "runtime/headless/headless.h"
#include "runtime/platform/program_entry.h"
#include "runtime/values/line_file.h"
#include "runtime/values/save_folder.h"

namespace {

[[noreturn]] void Usage(const std::string& why) {
    std::fprintf(stderr,
                 "zolv: %s\n"
                 "usage: zolv [--headless --script FILE [--seed N] [--summary FILE]\n"
                 "             [--key-wait-limit FRAMES] [--max-frames N] [--pictures]]\n"
                 "             [--dir FOLDER]\n"
                 "       zolv --replay-check MAP MOVES [--turbo] [--rotation R] [--dir FOLDER]\n"
                 "       zolv --replay-list FILE [--dir FOLDER]\n",
                 why.c_str());
    std::exit(2);
}

long Number(const std::string& option, const char* text) {
    char* end = nullptr;
    const long n = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || n < 0) Usage(option + " needs a number, not " + text);
    return n;
}

// Reads the options; starts headless play when asked.
void ReadOptions(int argc, char** argv) {
    bool headless = false;
    bool pictures = false;
    bool replay_check = false;
    std::string replay_list;
    game::ReplayCheckRequest check;
    std::string script_file;
    HeadlessOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool has_value = i + 1 < argc;
        if (a == "--headless") {
            headless = true;
        } else if (a == "--script" && has_value) {
            script_file = argv[++i];
        } else if (a == "--seed" && has_value) {
            options.seed = static_cast<uint32_t>(Number(a, argv[++i]));
        } else if (a == "--summary" && has_value) {
            options.summary_path = argv[++i];
        } else if (a == "--key-wait-limit" && has_value) {
            options.key_wait_limit = static_cast<int>(Number(a, argv[++i]));
        } else if (a == "--no-pictures") {
            options.fill_pixels = false;
        } else if (a == "--pictures") {
            pictures = true;
        } else if (a == "--max-frames" && has_value) {
            options.max_frames = Number(a, argv[++i]);
        } else if (a == "--replay-check" && i + 2 < argc) {
            replay_check = true;
            check.map = static_cast<int>(Number(a, argv[++i]));
            check.moves = argv[++i];
        } else if (a == "--replay-list" && has_value) {
            replay_list = argv[++i];
        } else if (a == "--turbo") {
            check.turbo = 1;
        } else if (a == "--rotation" && has_value) {
            check.rotation = static_cast<int>(Number(a, argv[++i]) % 4);
        } else if (a == "--dir" && has_value) {
            Startup().folder = argv[++i];
            if (!Startup().folder.empty() && Startup().folder.back() != '/')
                Startup().folder += '/';
        } else {
            Usage("unknown option " + a);
        }
    }
    if (replay_check || !replay_list.empty()) {
        if (headless) Usage("--replay-check and --replay-list run headless by themselves");
        if (replay_check && !replay_list.empty())
            Usage("--replay-check or --replay-list, not both");
        std::vector<game::ReplayListLine> lines;
        if (!replay_list.empty()) {
            std::vector<uint8_t> bytes;
            if (!ReadWholeFile(replay_list, bytes))
                Usage("cannot read the replay list " + replay_list);
            lines = game::ParseReplayList(std::string(bytes.begin(), bytes.end()));
        }
        // The check reports on its own and answers the commentary pages' key waits.
        options.write_summary = false;
        options.answer_key_waits = true;
        // Only the play counts here, not its pictures.
        options.fill_pixels = false;
        options.draws = false;
        std::string error;
        if (!StartHeadless(options, &error)) Usage(error);
        if (replay_check)
            game::StartReplayCheck(check);
        else
            game::StartReplayList(std::move(lines));
        return;
    }
    if (!headless) {
        if (!script_file.empty()) Usage("--script needs --headless");
        return;
    }
    // Headless frames are shown to nobody: not drawn unless pictures are asked for.
    options.fill_pixels = pictures;
    options.draws = pictures;
    if (!script_file.empty()) {
        std::vector<uint8_t> bytes;
        if (!ReadWholeFile(script_file, bytes)) Usage("cannot read the script " + script_file);
        options.script.assign(bytes.begin(), bytes.end());
    }
    std::string error;
    if (!StartHeadless(options, &error)) Usage(error);
    game::InstallHeadlessSummary();
}

}  // namespace

int ProgramMain(int argc, char** argv) {
    std::string command_line;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) command_line += ' ';
        command_line += argv[i];
    }
    game::InstallProcedureTable();
    Startup() = StartupSettings{};
    ReadOptions(argc, argv);
    EngineInit(command_line, 1, "");
    // Saves cut short by a kill or a power cut leave their temporary files beside the saves.
    RemoveStaleSaveTemporaries(SavePath("Media/"), "Zolv-");
    ClearErrorState();
    MainProgram();
    EndProgram();
}
