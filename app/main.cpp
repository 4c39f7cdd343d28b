// The program entry: start-up settings, engine start, the game's main program, the end.
#include <string>

#include "game/flow/main_program.h"
#include "game/flow/procedure_table.h"
#include "runtime/core/engine.h"
#include "runtime/core/errors.h"
#include "runtime/core/platform/program_entry.h"

int ProgramMain(int argc, char** argv) {
    std::string command_line;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) command_line += ' ';
        command_line += argv[i];
    }
    game::InstallProcedureTable();
    Startup() = StartupSettings{};
    EngineInit(command_line, 1, "");
    ClearErrorState();
    MainProgram();
    EndProgram();
}
