// The game's main program, run by the entry between EngineInit and EndProgram.
#pragma once

void MainProgram();
