// The game's parameterless procedures by name, for CallByName.
#pragma once
#include "runtime/base/errors.h"

namespace game {

// The table in ascending byte order of the names, and its length.
const NamedProcedure* ProcedureTable();
int ProcedureCount();

// Hands the table to the runtime. The program entry does this before the engine starts;
// callable again (tests).
void InstallProcedureTable();

}  // namespace game
