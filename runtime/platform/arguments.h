// The command line of a console program (the tools) as UTF-8 texts.
#pragma once
#include <string>
#include <vector>

// The arguments `main` was given, the program's name first. On Windows `argv` is in the
// system's code page, so the texts come from the wide command line instead and any
// character in a file name survives.
std::vector<std::string> PlatformArguments(int argc, char** argv);
